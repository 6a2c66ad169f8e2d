// Which wavefront each recorded activation belongs to.
#include "analysis_test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace quorel {
namespace {

using testing::runAndAnalyse;
using testing::trainCircuit;

struct Traced {
    AnalysisFrame frame;
    StepActivations acts;
};

std::unique_ptr<Traced> traced(const CircuitModel& m, const RunResults& results)
{
    auto t = std::make_unique<Traced>();
    t->frame = analysisFrameOf(m, results, 1);
    const StimulusSchedule schedule{m.firstCouplingInterval + m.estimatedCycleLength, m.pacingCycleLength,
                                    m.trainStimulusCount};
    t->acts.read(t->frame, schedule, results, 1);
    return t;
}

TEST(WavefrontTrace, FollowsTheTachycardiaThroughEveryPathWhenNothingCaptures)
{
    // Every kind of path: a delay path to the QRS onset and two dead-end pathways, one
    // of them hanging from the closing node.
    auto m = trainCircuit(1, 5);
    m->hasDelayPath = 1;
    m->delaySegmentCount = 3;
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 4;
    m->deadEnd1Site = 3;
    m->hasDeadEnd2 = 1;
    m->deadEnd2SegmentCount = 2;
    m->deadEnd2Site = 1;
    refreshDerivedModel(*m);
    const auto run = runAndAnalyse(*m);
    const auto trace = traced(*m, *run->results);
    StepActivations* acts = &trace->acts;
    int seen = 0;
    for (int x = 1; x <= m->totalSiteCount; ++x)
        for (int r = 1; r <= acts->count[x]; ++r, ++seen)
            EXPECT_EQ(acts->originOf(x, r), kOriginTachycardia) << "site " << x << " activation " << r;
    EXPECT_EQ(seen, m->totalSiteCount * acts->revolutions);  // every site every revolution
}

TEST(WavefrontTrace, HandsTheCircuitToEachStimulusInTurn)
{
    auto m = trainCircuit(15);
    const auto run = runAndAnalyse(*m);
    const auto trace = traced(*m, *run->results);
    StepActivations* acts = &trace->acts;
    const TrainMeasures& t = run->analysis.trainMeasures;
    ASSERT_TRUE(t.entrained);
    const int last = t.stimulusCount;
    // After the train the circulation is the last stimulus's: its capture, the return
    // (the post-pacing interval) and every activation of site 1 from S-QRS on.
    const int capture = acts->firstOf(15, last);
    ASSERT_GT(capture, 0);
    EXPECT_EQ(acts->code[15][capture], 3);
    EXPECT_EQ(acts->originOf(15, capture + 1), last);
    const int qrs = acts->firstOf(1, last);
    EXPECT_DOUBLE_EQ(acts->time[1][qrs] - t.lastStimulusTime, t.sQrs);
    for (int r = qrs; r <= acts->count[1]; ++r)
        EXPECT_EQ(acts->originOf(1, r), last);
    // Before the first capture the tachycardia's own.
    for (int r = 1; r <= acts->count[1] && acts->time[1][r] < t.lastStimulusTime - 25 * 0.23; ++r)
        EXPECT_EQ(acts->originOf(1, r), kOriginTachycardia);
}

}  // namespace
}  // namespace quorel
