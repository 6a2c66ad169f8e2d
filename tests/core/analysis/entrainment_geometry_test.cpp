// Trains on circuits whose answer follows from their geometry: every C.V. is 0.5 m/s
// without decremental conduction, so a front needs innerSpacing / 0.5 s per segment.
#include "analysis_test_support.h"

#include "model/circuit_construction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorel {
namespace {

using testing::runAndAnalyse;
using testing::trainCircuit;

struct CommonPathwayCase {
    int site;
    SiteClass expected;
};

class PacingInsideTheInnerLoop : public ::testing::TestWithParam<CommonPathwayCase> { };

// From inside the inner loop the stimulated front leaves only through the exit, as the
// tachycardia's does: concealed fusion, the return is one revolution, and the stimulus
// reaches the QRS onset along the very path the tachycardia takes from that site.
TEST_P(PacingInsideTheInnerLoop, GivesConcealedEntrainmentWithTheTachycardiasTimes)
{
    const CommonPathwayCase c = GetParam();
    auto m = trainCircuit(c.site);
    const auto run = runAndAnalyse(*m);
    ASSERT_EQ(run->outcome, RunOutcome::Completed);
    const TrainMeasures& t = run->analysis.trainMeasures;
    const double T = m->estimatedCycleLength;
    const double segment = m->innerSpacing / 0.5;

    EXPECT_TRUE(t.entrained);
    EXPECT_TRUE(t.capturedFromFirst);
    EXPECT_TRUE(t.concealedFusion);
    EXPECT_FALSE(t.terminated);
    EXPECT_LE(std::abs(t.ppiMinusT), m->clockStep);
    EXPECT_NEAR(t.sQrs, t.egmQrs, 1e-9);
    EXPECT_NEAR(t.sQrs, (m->innerSiteCount + 1 - c.site) * segment, 1e-9);
    EXPECT_NEAR(t.pacedQrsInterval, m->pacingCycleLength, 1e-9);
    // Measured where two activations of the site precede the first capture.
    if (c.site <= 12)
        EXPECT_NEAR(run->analysis.measuredCycleLength, T, 1e-9);
    else
        EXPECT_TRUE(std::isnan(run->analysis.measuredCycleLength));
    EXPECT_EQ(run->analysis.siteClass, c.expected) << siteClassName(run->analysis.siteClass);
}

// S-QRS / T is (21 - site) / 20 on the default circuit; sites 2..9 lie in the inner
// loop beyond the common pathway 10..20.
INSTANTIATE_TEST_SUITE_P(DefaultCircuit, PacingInsideTheInnerLoop,
                         ::testing::Values(CommonPathwayCase{5, SiteClass::InnerLoop},
                                           CommonPathwayCase{10, SiteClass::ProximalIsthmus},
                                           CommonPathwayCase{12, SiteClass::CentralIsthmus},
                                           CommonPathwayCase{17, SiteClass::Exit},
                                           CommonPathwayCase{20, SiteClass::Exit}),
                         [](const auto& info) { return "site" + std::to_string(info.param.site); });

class PacingADeadEndPathway : public ::testing::TestWithParam<int> { };

// A pathway of k segments of 1 cm hanging from site 15 of the common pathway, paced at
// its far end: the stimulated front needs the pathway's conduction time to reach the
// circuit and as long to come back, so the post-pacing interval exceeds T by twice it.
TEST_P(PacingADeadEndPathway, GivesAPostPacingIntervalOfTwiceItsConductionTimeBeyondT)
{
    const int k = GetParam();
    auto m = trainCircuit(1);
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 15;
    m->deadEnd1SegmentCount = k;
    m->deadEnd1DistanceCm = k;
    refreshDerivedModel(*m);
    m->stimulusSite = m->deadEnd1LastSite;
    ASSERT_EQ(m->deadEnd1LastSite, 29 + k);
    double conductionTime = 0.0;
    for (int row = m->deadEnd1LastSite - k + 1; row <= m->deadEnd1LastSite; ++row)
        conductionTime += m->deadEnd1Spacing / cv(*m, row);
    ASSERT_NEAR(conductionTime, 0.02 * k, 1e-12);

    const auto run = runAndAnalyse(*m);
    const TrainMeasures& t = run->analysis.trainMeasures;
    EXPECT_TRUE(t.entrained);
    EXPECT_TRUE(t.concealedFusion);  // the front enters and leaves the circuit inside it
    EXPECT_NEAR(t.ppiMinusT, 2.0 * conductionTime, 1e-9);
    // Beyond 30 ms from T: a bystander next to the circuit.
    EXPECT_EQ(run->analysis.siteClass, SiteClass::AdjacentBystander);
}

INSTANTIATE_TEST_SUITE_P(Segments, PacingADeadEndPathway, ::testing::Values(1, 2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "segments"; });

// The outer loop between the exit and the scar entry (sites 22 to 26) is part of the
// circuit outside the scar: the stimulated front runs back along it (manifest fusion)
// and the orthodromic one returns after one revolution.
TEST(PacingTheOuterLoop, GivesManifestFusionAndAReturnOfOneRevolution)
{
    for (int site = 22; site <= 26; ++site) {
        SCOPED_TRACE(site);
        auto m = trainCircuit(site);
        const auto run = runAndAnalyse(*m);
        const TrainMeasures& t = run->analysis.trainMeasures;
        EXPECT_TRUE(t.entrained);
        EXPECT_FALSE(t.concealedFusion);
        EXPECT_GT(t.largestFusionIndex, 0.0);
        EXPECT_LE(std::abs(t.ppiMinusT), m->clockStep);
        EXPECT_EQ(run->analysis.siteClass, SiteClass::OuterLoop);
    }
}

TEST(AStimulusThatNeverCaptures, IsNotEntrained)
{
    // Site 1 only mirrors the closing node and is never stimulated; at site 5 a train of
    // five beginning 0.4 s after the second revolution falls each time into the refractory
    // period the tachycardia left, 21 ms deeper with every stimulus.
    auto mirror = trainCircuit(1, 5);
    auto refractory = trainCircuit(5, 5);
    refractory->firstCouplingInterval = 0.4;
    for (CircuitModel* m : {mirror.get(), refractory.get()}) {
        SCOPED_TRACE(m->stimulusSite);
        const auto run = runAndAnalyse(*m);
        const TrainMeasures& t = run->analysis.trainMeasures;
        EXPECT_EQ(run->results->captureCodeCount, 0);
        EXPECT_EQ(t.stimulusCount, 5);
        EXPECT_EQ(t.capturedCount, 0);
        EXPECT_FALSE(t.entrained);
        EXPECT_FALSE(std::isnan(t.egmQrs));  // the tachycardia itself is still measured
        EXPECT_TRUE(std::isnan(t.ppi));
        EXPECT_TRUE(std::isnan(t.sQrs));
        EXPECT_EQ(run->analysis.siteClass, SiteClass::NotEntrained);
    }
}

}  // namespace
}  // namespace quorel
