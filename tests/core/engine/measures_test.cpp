#include "engine/measures.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

using namespace quorel;
using quorel::testing::KernelBench;

// The planes below are written by hand. With every sf 0 both velocity factors of a
// collision are the entered C.V. 0.5, so the collision formulas reduce to
// tc = 0.5 t(x+1) + spacing + 0.5 t(x) and a distance of 0.5 (tc - t(x+1)).

namespace {

void setCodes(CircuitModel& m, int plane, std::initializer_list<std::pair<int, double>> codes)
{
    for (const auto& [site, code] : codes)
        m.B[plane][site][fieldCode] = code;
}

}  // namespace

TEST(AntidromicPenetration, FrontPastSiteOneGivesTheNoteAndTheWholeWalk)
{
    KernelBench b;
    b.model->stimulusSite = 4;
    b.start();
    CircuitModel& m = *b.model;
    b.state->activationCount[4] = 3;
    setCodes(m, 3, {{4, 3.0}, {3, 2.0}, {2, 2.0}, {1, 2.0}});
    setCodes(m, 2, {{4, 1.0}, {3, 2.0}, {2, 2.0}, {1, 2.0}});   // not a capture: not measured
    computeAntidromicPenetration(b.context);
    EXPECT_EQ(b.state->runNote, RunNote::AntidromicPastSite1);
    EXPECT_STREQ(runNoteText(b.state->runNote), "antidromic activation does not include sties past1");
    EXPECT_NEAR(m.B[3][4][fieldAntidromic], 3.0 / 20, 1e-12);   // (S - 1) / n
    EXPECT_EQ(m.B[2][4][fieldAntidromic], 0.0);
}

TEST(AntidromicPenetration, SiteOneCountsInTheWalkAndACollisionEndsIt)
{
    KernelBench b;
    b.model->stimulusSite = 4;
    b.start();
    CircuitModel& m = *b.model;
    const double sp = m.innerSpacing;
    b.state->runNote = RunNote::AntidromicPastSite1;   // whatever an earlier walk said
    b.state->activationCount[4] = 3;
    // Sites 3 and 2 retrograde, site 1 entered from the outer loop: the fronts met
    // between site 1 (t = 0.30) and site 2 (t = 0.31).
    setCodes(m, 3, {{4, 3.0}, {3, 2.0}, {2, 2.0}, {1, 5.0}});
    m.B[3][1][fieldTime] = 0.30;
    m.B[3][2][fieldTime] = 0.31;
    computeAntidromicPenetration(b.context);
    EXPECT_EQ(b.state->runNote, RunNote::None);
    // 2 sp walked, then 0.5 (sp - 0.005) into segment 1: 0.1 + 0.0006416 / (20 sp).
    EXPECT_NEAR(m.B[3][4][fieldAntidromic], (2 * sp + 0.5 * (sp - 0.005)) / (20 * sp), 1e-12);
    EXPECT_NEAR(m.B[3][4][fieldAntidromic], 0.10511, 1e-5);
}

TEST(AntidromicPenetration, DeadEndVariantCountsRetrogradeSitesBelowTheConnection)
{
    KernelBench b;
    CircuitModel& m = *b.model;
    m.hasDeadEnd1 = 1;
    m.deadEnd1Site = 5;
    m.deadEnd1SegmentCount = 2;   // sites 30, 31
    m.stimulusSite = 31;
    refreshDerivedModel(m);
    b.start();
    const double sp = m.innerSpacing;
    b.state->activationCount[5] = 3;
    // Plane 2: every site below 5 retrograde: 4 / 20 as a division of doubles, no note.
    setCodes(m, 2, {{5, 6.0}, {4, 2.0}, {3, 2.0}, {2, 2.0}, {1, 2.0}});
    // Plane 1: sites 4 and 3 retrograde, the fronts met between site 2 (0.10) and 3 (0.11).
    setCodes(m, 1, {{5, 6.0}, {4, 2.0}, {3, 2.0}, {2, 1.0}});
    m.B[1][2][fieldTime] = 0.10;
    m.B[1][3][fieldTime] = 0.11;
    // Plane 3 is the last activation of site 5: never examined.
    setCodes(m, 3, {{5, 6.0}, {4, 2.0}, {3, 2.0}, {2, 2.0}, {1, 2.0}});
    computeAntidromicPenetrationDeadEnd(b.context, 1);
    EXPECT_EQ(m.B[2][31][fieldAntidromic], 0.2);
    EXPECT_NEAR(m.B[1][31][fieldAntidromic], (0.5 * (sp - 0.005) + 2 * sp) / (20 * sp), 1e-12);
    EXPECT_EQ(m.B[3][31][fieldAntidromic], 0.0);
    EXPECT_EQ(b.state->runNote, RunNote::None);
}

TEST(Fusion, CountsEveryRetrogradeSiteBelowTheFrontAsAFractionOfTheOuterLoop)
{
    KernelBench b;   // n 20, scar entry 26: the outer loop to the scar has 5 segments
    b.start();
    CircuitModel& m = *b.model;
    const double os = m.outerSpacing;
    b.state->activationCount[1] = 4;
    // Plane 1: front at 26; retrograde 24 and 23 with an orthodromic 25 and 22 between;
    // the closing node entered from the outer loop: (2 + 1) / 5.
    setCodes(m, 1, {{26, 2.0}, {25, 1.0}, {24, 2.0}, {23, 2.0}, {22, 1.0}, {21, 5.0}});
    // Plane 2: no retrograde front in the outer loop.
    setCodes(m, 2, {{26, 1.0}, {25, 1.0}, {24, 1.0}, {23, 1.0}, {22, 1.0}, {21, 1.0}});
    // Planes 3 and 4: front at 25, 24 retrograde, collision between 23 and 24.
    for (int r : {3, 4})
        setCodes(m, r, {{26, 1.0}, {25, 2.0}, {24, 2.0}, {23, 1.0}, {22, 1.0}, {21, 1.0}});
    m.B[3][23][fieldTime] = 0.105;   // the retrograde front reached 24 first
    m.B[3][24][fieldTime] = 0.100;
    m.B[4][23][fieldTime] = 0.100;   // the orthodromic front reached 23 first
    m.B[4][24][fieldTime] = 0.104;
    computeFusion(b.context);
    EXPECT_EQ(b.state->fusionIndex[1], 0.6);
    EXPECT_EQ(b.state->fusionIndex[2], 0.0);
    // d = 0.5 x 0.005 + 0.5 (os - 0.0025): (os + d) / (5 os).
    EXPECT_NEAR(b.state->fusionIndex[3], 0.33979, 1e-5);
    // d = 0.5 (os - 0.5 x 0.004): (os + d) / (5 os).
    EXPECT_NEAR(b.state->fusionIndex[4], (os + 0.5 * (os - 0.002)) / (5 * os), 1e-12);
    EXPECT_NEAR(b.state->fusionIndex[4], 0.26817, 1e-5);
}

TEST(StepMeasures, FusionAlwaysAntidromicOnlyAfterACaptureOrInATrain)
{
    struct Case {
        int stimulationMode;
        int capturedFlag;
        bool antidromicMeasured;
    };
    for (const Case& c : {Case{1, 0, false}, Case{1, 1, true}, Case{0, 0, true}}) {
        KernelBench b;
        b.model->stimulusSite = 4;
        b.model->stimulationMode = c.stimulationMode;
        b.start();
        CircuitModel& m = *b.model;
        b.state->capturedFlag = c.capturedFlag;
        b.state->activationCount[4] = 3;
        b.state->activationCount[1] = 1;
        setCodes(m, 3, {{4, 3.0}, {3, 2.0}, {2, 2.0}, {1, 2.0}});
        setCodes(m, 1, {{26, 2.0}, {21, 5.0}});
        computeStepMeasures(b.context);
        EXPECT_EQ(b.state->fusionIndex[1], 0.2);
        EXPECT_EQ(m.B[3][4][fieldAntidromic] > 0.0, c.antidromicMeasured);
    }

    // A stimulus site outside the inner loop, or on a pathway hanging from the outer
    // loop, gets no antidromic measure.
    for (int connection : {5, 25}) {
        KernelBench b;
        CircuitModel& m = *b.model;
        m.hasDeadEnd1 = 1;
        m.deadEnd1Site = connection;
        m.deadEnd1SegmentCount = 2;
        m.stimulusSite = 31;
        refreshDerivedModel(m);
        b.start();
        b.state->capturedFlag = 1;
        b.state->activationCount[connection] = 2;
        setCodes(m, 1, {{connection, 6.0}, {connection - 1, 2.0}});
        computeStepMeasures(b.context);
        EXPECT_EQ(m.B[1][31][fieldAntidromic] > 0.0, connection == 5) << connection;
    }
}
