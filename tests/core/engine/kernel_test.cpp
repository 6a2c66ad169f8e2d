#include "engine/kernel.h"

#include "engine_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace quorel;
using quorel::testing::KernelBench;

namespace {

constexpr double kDyadicClock = 1.0 / 1024;   // t - Q is exact on this clock

// Arrival at the current site of the wavefront from `source` over `segment`.
double arrivalFrom(KernelBench& b, int source, int segment, double length)
{
    return computeArrival(b.context,
                          {segment, source, b.site(source).diastolicInterval, length});
}

// Makes `source` an activated site (code) whose front over `segment` reaches the
// current site at exactly `arrival`.
void sendFront(KernelBench& b, int source, double code, int segment, double length, double arrival)
{
    SiteState& s = b.site(source);
    s.activationCode = code;
    s.activationTime = KernelBench::timeArrivingAt(arrival, b.ct(segment, s.diastolicInterval, length));
    ASSERT_EQ(s.activationTime + b.ct(segment, s.diastolicInterval, length), arrival);
}

}  // namespace

TEST(ComputeArrival, AcceptsArrivalsFromTheStartToTheEndOfTheTickBothIncluded)
{
    KernelBench b;
    b.model->clockStep = kDyadicClock;
    b.start();
    const double sp = b.model->innerSpacing;
    b.at(400, 3);
    const double t = b.state->currentTime;
    const double Q = kDyadicClock;
    struct Case {
        double arrival;
        bool accepted;
    };
    for (const Case& c : {Case{t, true}, Case{t - Q, true}, Case{t - Q / 2, true},
                          Case{std::nextafter(t - Q, 0.0), false}, Case{std::nextafter(t, 1.0), false}}) {
        sendFront(b, 2, 1.0, 2, sp, c.arrival);
        EXPECT_EQ(arrivalFrom(b, 2, 2, sp), c.accepted ? c.arrival : 0.0) << c.arrival;
    }

    // An activated site is excitable again from the end of its refractory period on.
    b.site(3).activationTime = t - 0.3;
    b.site(3).refractoryEnd = t - Q / 2;
    sendFront(b, 2, 1.0, 2, sp, t - Q / 2);
    EXPECT_EQ(arrivalFrom(b, 2, 2, sp), t - Q / 2);
    sendFront(b, 2, 1.0, 2, sp, std::nextafter(t - Q / 2, 0.0));
    EXPECT_EQ(arrivalFrom(b, 2, 2, sp), 0.0);
    EXPECT_TRUE(b.hooks.warnings.empty());
}

TEST(ComputeArrival, RefractoryWarningComparesWithTheEnteredErpUntilTheSiteIsActivated)
{
    KernelBench b;
    erp(*b.model, 3) = 0.01;   // below the conduction time of 0.0126 s
    refreshDerivedModel(*b.model);
    b.start();
    const double sp = b.model->innerSpacing;
    b.at(100, 3);
    sendFront(b, 2, 1.0, 2, sp, 0.0995);
    // Not yet activated: no refractory period applies, the arrival is accepted, and the
    // warning compares the conduction time with erp[3].
    EXPECT_EQ(arrivalFrom(b, 2, 2, sp), 0.0995);
    ASSERT_EQ(b.hooks.warnings.size(), 1u);
    EXPECT_EQ(b.hooks.warnings[0].kind, WarningKind::Refractory);
    EXPECT_EQ(b.hooks.warnings[0].source, 2);
    EXPECT_EQ(b.hooks.warnings[0].target, 3);
    EXPECT_EQ(b.hooks.warnings[0].tick, 100);
    EXPECT_EQ(b.hooks.warnings[0].scanStep, 1);
    EXPECT_EQ(b.state->warningMode, kWarningsSilenced);

    // Once activated, the refractory period of its last activation counts.
    KernelBench a;
    a.start();
    a.at(100, 3);
    const double ct = a.ct(2, a.site(2).diastolicInterval, sp);
    a.site(3).activationTime = ct;
    a.site(3).refractoryEnd = 2 * ct;   // period equal to the conduction time: no warning
    ASSERT_EQ(a.site(3).refractoryEnd - a.site(3).activationTime, ct);
    arrivalFrom(a, 2, 2, sp);
    EXPECT_TRUE(a.hooks.warnings.empty());
    a.site(3).refractoryEnd = std::nextafter(2 * ct, 0.0);
    arrivalFrom(a, 2, 2, sp);
    ASSERT_EQ(a.hooks.warnings.size(), 1u);
    EXPECT_EQ(a.hooks.warnings[0].kind, WarningKind::Refractory);
}

TEST(ComputeArrival, WarningAnswersAbortOrSilenceTheRun)
{
    struct Case {
        WarningAnswer answer;
        int runAborted;
        int warningMode;
    };
    for (const Case& c : {Case{WarningAnswer::Continue, 0, kWarningsSilenced},
                          Case{WarningAnswer::StartOver, 1, kWarningsAborted},
                          Case{WarningAnswer::ResetInterval, 1, kWarningsAborted}}) {
        KernelBench b;
        b.model->clockStep = 0.005;   // above the 0.0035 s of segment 2 below
        cv(*b.model, 2) = 0.9;
        b.model->circuitRadius = 0.01;   // a cycle length of 0.12 s: ERPs of 0.08 s
        quorel::testing::setAllErp(*b.model, 0.08);
        erp(*b.model, 3) = 0.001;     // and a refractory condition in the same evaluation
        refreshDerivedModel(*b.model);
        b.hooks.answers = {c.answer};
        b.start();
        const double sp = b.model->innerSpacing;
        const double ct = b.ct(2, b.site(2).diastolicInterval, sp);
        ASSERT_LT(ct, 0.005);
        b.at(20, 3);
        b.site(2).activationCode = 1.0;
        b.site(2).activationTime = 0.1 - ct;
        const double arrival = arrivalFrom(b, 2, 2, sp);
        ASSERT_EQ(b.hooks.warnings.size(), 1u);   // "continue" silences the refractory one too
        EXPECT_EQ(b.hooks.warnings[0].kind, WarningKind::Conduction);
        EXPECT_EQ(b.hooks.warnings[0].conductionTime, ct);
        EXPECT_EQ(b.hooks.warnings[0].clockStep, 0.005);
        EXPECT_EQ(b.state->runAborted, c.runAborted);
        EXPECT_EQ(b.state->warningMode, c.warningMode);
        if (c.runAborted == 1) {
            EXPECT_EQ(arrival, 0.0);
            EXPECT_EQ(b.state->abortAnswer, c.answer);
        } else {
            arrivalFrom(b, 2, 2, sp);   // later evaluations stay silent
            EXPECT_EQ(b.hooks.warnings.size(), 1u);
        }
    }
}

TEST(ComputeArrival, SegmentWithoutPositiveVelocityConductsNothingAndWarnsOfNothing)
{
    for (double n1 : {0.0, -5.0}) {   // v = 0 (infinite time) and v < 0 (negative time)
        KernelBench b;
        erp(*b.model, 3) = 0.001;
        refreshDerivedModel(*b.model);
        N1(*b.model, 2) = n1;
        b.start();
        b.at(100, 3);
        b.site(2).activationCode = 1.0;
        b.site(2).activationTime = 0.09;
        EXPECT_EQ(arrivalFrom(b, 2, 2, b.model->innerSpacing), 0.0);
        EXPECT_TRUE(b.hooks.warnings.empty());
    }
}

TEST(SelectActivation, StimulusIsDeliveredOnlyStrictlyInsideTheTick)
{
    const double Q = kDyadicClock;
    struct Case {
        double offset;   // stimulusTime - t
        bool delivered;
    };
    for (const Case& c : {Case{0.0, false}, Case{-Q, false}, Case{-Q / 2, true},
                          Case{-Q * 0.999, true}, Case{Q / 2, false}}) {
        KernelBench b;
        b.model->clockStep = Q;
        b.model->stimulusSite = 5;
        b.start();
        b.at(300, 5);
        b.state->stimulusTime = b.state->currentTime + c.offset;
        EXPECT_EQ(selectActivation(b.context, 5), c.delivered ? 3 : 0) << c.offset;
        EXPECT_EQ(b.state->candidateSlots.arrival[3], c.delivered ? b.state->stimulusTime : 0.0);
    }
}

TEST(SelectActivation, EarliestArrivalWinsAndTiesGoToTheLowerCode)
{
    KernelBench b;
    b.start();
    const double sp = b.model->innerSpacing;
    b.at(100, 5);
    // Segments 4 and 5 have the same constants: equal times give equal arrivals.
    sendFront(b, 4, 1.0, 4, sp, 0.0995);
    sendFront(b, 6, 2.0, 5, sp, 0.0995);
    propagateLoopSite(b.context, 5);
    EXPECT_EQ(b.state->candidateSlots.arrival[1], b.state->candidateSlots.arrival[2]);
    EXPECT_EQ(selectActivation(b.context, 5), 1);

    b.state->candidateSlots = CandidateSlots{};
    sendFront(b, 6, 2.0, 5, sp, 0.0992);
    propagateLoopSite(b.context, 5);
    EXPECT_EQ(selectActivation(b.context, 5), 2);
    applyActivation(b.context, 5);
    EXPECT_EQ(b.site(5).activationTime, 0.0992);
    EXPECT_EQ(b.site(5).activationCode, 2.0);
}

TEST(PropagateLoopSite, ClosingNodeKeepsOnlyTheCandidateOfTheFirstOuterSite)
{
    KernelBench b;
    b.start();
    const int closing = 21;
    const double sp = b.model->innerSpacing;
    b.at(300, closing);
    b.site(20).activationCode = 0.0;   // nothing from the inner loop
    sendFront(b, 2, 2.0, 1, sp, 0.2995);   // retrograde from site 2, inside the tick

    // Site 22 eligible (code 2) with a front outside the tick: its 0 replaces site 2's arrival.
    sendFront(b, 22, 2.0, closing, b.model->outerSpacing, 0.25);
    propagateLoopSite(b.context, closing);
    EXPECT_EQ(b.state->candidateSlots.arrival[5], 0.0);
    EXPECT_EQ(selectActivation(b.context, closing), 0);

    // Site 22 not eligible (orthodromic): the candidate from site 2 stands.
    b.state->candidateSlots = CandidateSlots{};
    b.site(22).activationCode = 1.0;
    propagateLoopSite(b.context, closing);
    EXPECT_EQ(b.state->candidateSlots.arrival[5], 0.2995);
    EXPECT_EQ(selectActivation(b.context, closing), 5);
}

TEST(SelectActivation, SharedConnectionSiteHearsOnlyTheFirstPathway)
{
    KernelBench b;
    CircuitModel& m = *b.model;
    m.hasDeadEnd1 = 1;
    m.deadEnd1Site = 5;
    m.deadEnd1SegmentCount = 2;   // sites 30, 31
    m.hasDeadEnd2 = 1;
    m.deadEnd2Site = 5;
    m.deadEnd2SegmentCount = 2;   // sites 32, 33
    refreshDerivedModel(m);
    b.start();
    b.at(200, 5);
    b.site(4).activationCode = 0.0;
    b.site(6).activationCode = 0.0;
    b.site(30).activationCode = 1.0;   // first pathway's front goes outwards: not a source
    sendFront(b, 32, 2.0, 32, m.deadEnd2Spacing, 0.1995);
    EXPECT_EQ(selectActivation(b.context, 5), 0);

    b.state->candidateSlots = CandidateSlots{};
    sendFront(b, 30, 2.0, 30, m.deadEnd1Spacing, 0.1993);
    EXPECT_EQ(selectActivation(b.context, 5), 6);
    EXPECT_EQ(b.state->candidateSlots.arrival[6], 0.1993);
}

TEST(AdvanceTrain, EveryDueStimulusAdvancesTheScheduleOnce)
{
    enum class Fate { Captured, Refractory, LostToEarlierFront };
    for (Fate fate : {Fate::Captured, Fate::Refractory, Fate::LostToEarlierFront}) {
        KernelBench b;
        b.model->stimulationMode = 0;
        b.model->stimulusSite = 5;
        b.start();
        const double pacing = b.model->pacingCycleLength;
        b.at(500, 5);
        const double due = 0.4996;
        b.state->stimulusTime = due;
        b.site(4).activationCode = 0.0;
        b.site(6).activationCode = 0.0;
        if (fate == Fate::Refractory) {
            b.site(5).activationTime = 0.45;
            b.site(5).refractoryEnd = 0.6;
        }
        if (fate == Fate::LostToEarlierFront)
            sendFront(b, 4, 1.0, 4, b.model->innerSpacing, 0.4992);

        const bool activated = siteStep(b.context, 5);
        EXPECT_EQ(b.state->trainStimulusIndex, 1);
        EXPECT_EQ(b.state->stimulusTime, due + pacing);
        EXPECT_EQ(activated, fate != Fate::Refractory);
        EXPECT_EQ(b.state->capturedFlag, fate == Fate::Captured ? 1 : 0);
        if (fate != Fate::Refractory) {
            EXPECT_EQ(b.site(5).activationCode, fate == Fate::Captured ? 3.0 : 1.0);
        }

        // The next tick: the stimulus is no longer due and nothing advances.
        b.at(501, 5);
        siteStep(b.context, 5);
        EXPECT_EQ(b.state->trainStimulusIndex, 1);
    }

    // The last stimulus of the train ends the schedule.
    RunState st;
    st.layout.trainStimulusCount = 5;
    st.layout.pacingCycleLength = 0.3;
    st.trainStimulusIndex = 4;
    st.stimulusTime = 1.7;
    advanceTrain(st);
    EXPECT_EQ(st.trainStimulusIndex, 5);
    EXPECT_EQ(st.stimulusTime, 0.0);
    st.trainStimulusIndex = 7;
    st.stimulusTime = 1.7;
    advanceTrain(st);
    EXPECT_EQ(st.trainStimulusIndex, 7);
    EXPECT_EQ(st.stimulusTime, 0.0);
}

TEST(RecordActivation, FirstActivationTakesTheEnteredErpLaterOnesTheRestitutionLaw)
{
    KernelBench b;
    b.start();
    CircuitModel& m = *b.model;
    SiteState& s = b.site(7);
    const double di7 = di(m, 7);
    s.activationTime = 0.08;
    s.activationCode = 1.0;
    recordActivation(b.context, 7);
    EXPECT_EQ(b.state->activationCount[7], 1);
    EXPECT_EQ(m.B[1][7][fieldActivationErp], erp(m, 7));
    EXPECT_EQ(m.B[1][7][fieldActivationDi], di7);
    EXPECT_EQ(s.refractoryEnd, 0.08 + erp(m, 7));

    s.activationTime = 0.35;   // 0.07 s after the end of the refractory period
    s.activationCode = 2.0;
    recordActivation(b.context, 7);
    EXPECT_EQ(b.state->activationCount[7], 2);
    EXPECT_NEAR(s.diastolicInterval, 0.07, 1e-15);
    EXPECT_NEAR(m.B[2][7][fieldActivationErp], erpRestitution(maxErp(m, 7), 0.07), 1e-15);
    EXPECT_NEAR(m.B[2][7][fieldActivationErp], 0.2123, 1e-4);   // 0.3029 x 0.7010, by hand
    EXPECT_EQ(m.B[2][7][fieldTime], 0.35);
    EXPECT_EQ(m.B[2][7][fieldCode], 2.0);
    EXPECT_EQ(s.refractoryEnd, 0.35 + m.B[2][7][fieldActivationErp]);
}

TEST(RecordActivation, PlaneLimitKeepsTheStateGoingWithoutWritingPastPlane39)
{
    KernelBench b;
    b.start();
    CircuitModel& m = *b.model;
    const int closing = 21;
    for (int site : {7, closing, 1}) {
        b.state->activationCount[site] = 39;
        for (int f = 0; f < kFieldCount; ++f)
            m.B[39][site][f] = 100.0 + f;
    }
    for (int site : {7, closing}) {
        SiteState& s = b.site(site);
        s.refractoryEnd = 4.9;
        s.activationTime = 5.0;
        s.activationCode = 2.0;
        recordActivation(b.context, site);
        EXPECT_EQ(b.state->activationCount[site], 39);
        for (int f = 0; f < kFieldCount; ++f)
            EXPECT_EQ(m.B[39][site][f], 100.0 + f);
        // The rule for r > 1, with the DI from the previous refractory end.
        EXPECT_NEAR(s.diastolicInterval, 0.1, 1e-12);
        EXPECT_NEAR(s.refractoryEnd, 5.0 + erpRestitution(maxErp(m, site), 0.1), 1e-12);
    }
    // The mirror of the closing node is capped the same way and still follows it.
    EXPECT_EQ(b.state->activationCount[1], 39);
    for (int f = 0; f < kFieldCount; ++f)
        EXPECT_EQ(m.B[39][1][f], 100.0 + f);
    EXPECT_EQ(b.site(1).activationTime, 5.0);
    EXPECT_EQ(b.site(1).activationCode, 2.0);
    EXPECT_EQ(b.site(1).refractoryEnd, b.site(closing).refractoryEnd);

    // One below the limit the activation still takes plane 39.
    b.state->activationCount[9] = 38;
    b.site(9).refractoryEnd = 1.0;
    b.site(9).activationTime = 1.2;
    b.site(9).activationCode = 1.0;
    recordActivation(b.context, 9);
    EXPECT_EQ(b.state->activationCount[9], 39);
    EXPECT_EQ(m.B[39][9][fieldTime], 1.2);
}

TEST(PropagatePaths, DelayAndDeadEndSitesFollowTheirOwnRules)
{
    KernelBench b;
    CircuitModel& m = *b.model;
    m.hasDelayPath = 1;
    m.delaySegmentCount = 2;      // sites 30, 31 (QRS)
    m.hasDeadEnd1 = 1;
    m.deadEnd1Site = 5;
    m.deadEnd1SegmentCount = 2;   // sites 32, 33
    refreshDerivedModel(m);
    b.start();
    b.at(300, 30);

    // The first delay site hears the closing node unless the node was entered from the path.
    sendFront(b, 21, 1.0, 30, m.delaySpacing, 0.2995);
    propagateDelaySite(b.context, 30);
    EXPECT_EQ(b.state->candidateSlots.arrival[1], 0.2995);
    b.state->candidateSlots = CandidateSlots{};
    b.site(21).activationCode = 7.0;
    propagateDelaySite(b.context, 30);
    EXPECT_EQ(b.state->candidateSlots.arrival[1], 0.0);

    // The QRS site has no retrograde source beyond it, even with a front there in time.
    b.at(300, 31);
    sendFront(b, 32, 2.0, 32, m.delaySpacing, 0.2995);
    propagateDelaySite(b.context, 31);
    EXPECT_EQ(b.state->candidateSlots.arrival[2], 0.0);

    // The first dead-end site hears its connection site unless that was entered from it.
    b.state->candidateSlots = CandidateSlots{};
    b.at(300, 32);
    sendFront(b, 5, 1.0, 32, m.deadEnd1Spacing, 0.2991);
    propagateDeadEndSite(b.context, 32);
    EXPECT_EQ(b.state->candidateSlots.arrival[1], 0.2991);
    b.state->candidateSlots = CandidateSlots{};
    b.site(5).activationCode = 6.0;
    propagateDeadEndSite(b.context, 32);
    EXPECT_EQ(b.state->candidateSlots.arrival[1], 0.0);
    // Retrograde from the last site of the pathway into the first one.
    sendFront(b, 33, 2.0, 33, m.deadEnd1Spacing, 0.2994);
    propagateDeadEndSite(b.context, 32);
    EXPECT_EQ(b.state->candidateSlots.arrival[2], 0.2994);
}
