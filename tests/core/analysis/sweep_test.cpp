// The sweep over stimulus sites: the same rows as one run per site, whatever the
// number of worker threads, and a cancellation that leaves the rest unrun.
#include "analysis_test_support.h"

#include "analysis/sweep.h"
#include "model/circuit_construction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace quorel {
namespace {

using testing::runAndAnalyse;
using testing::trainCircuit;

// Equal to the bit, "not measured" included.
bool same(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void expectSameTrain(const RunAnalysis& a, const RunAnalysis& b)
{
    const TrainMeasures& x = a.trainMeasures;
    const TrainMeasures& y = b.trainMeasures;
    EXPECT_EQ(a.siteClass, b.siteClass);
    EXPECT_EQ(x.capturedCount, y.capturedCount);
    EXPECT_EQ(x.entrained, y.entrained);
    EXPECT_EQ(x.terminated, y.terminated);
    for (auto [u, v] : {std::pair{x.ppi, y.ppi},
                        {x.sQrs, y.sQrs},
                        {x.egmQrs, y.egmQrs},
                        {x.largestFusionIndex, y.largestFusionIndex},
                        {a.measuredCycleLength, b.measuredCycleLength}})
        EXPECT_TRUE(same(u, v)) << u << " " << v;
}

// A small train on a circuit with a delay path and a dead-end pathway, so that every
// kind of site is swept.
std::unique_ptr<CircuitModel> sweptCircuit()
{
    auto m = trainCircuit(1, 8);
    m->hasDelayPath = 1;
    m->delaySegmentCount = 2;
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 2;
    m->deadEnd1Site = 12;
    refreshDerivedModel(*m);
    return m;
}

TEST(Sweep, GivesEverySiteTheRowOfItsOwnRunWithOneOrTwoWorkers)
{
    const auto m = sweptCircuit();
    SweepOptions options;
    for (int site = 1; site <= m->totalSiteCount; ++site)
        options.sites.push_back(site);
    options.jobs = 1;
    SweepControl serialControl;
    const std::vector<SweepSiteResult> serial = runSweep(*m, options, serialControl);
    options.jobs = 2;
    SweepControl parallelControl;
    const std::vector<SweepSiteResult> parallel = runSweep(*m, options, parallelControl);

    ASSERT_EQ(serial.size(), options.sites.size());
    ASSERT_EQ(parallel.size(), options.sites.size());
    EXPECT_EQ(parallelControl.sitesDone.load(), m->totalSiteCount);
    int entrained = 0;
    for (std::size_t i = 0; i < serial.size(); ++i) {
        SCOPED_TRACE(serial[i].site);
        EXPECT_EQ(serial[i].site, options.sites[i]);
        EXPECT_EQ(parallel[i].site, options.sites[i]);
        EXPECT_EQ(serial[i].status, SweepSiteStatus::Done);
        EXPECT_EQ(parallel[i].status, SweepSiteStatus::Done);
        expectSameTrain(serial[i].analysis, parallel[i].analysis);
        entrained += serial[i].analysis.trainMeasures.entrained ? 1 : 0;
    }
    EXPECT_GT(entrained, 3);

    // The base model is left as it was, and each row is what a run of its own gives.
    EXPECT_EQ(m->stimulusSite, 1);
    for (int site : {1, 15, 24, m->qrsSite, m->deadEnd1LastSite}) {
        auto own = sweptCircuit();
        own->stimulusSite = site;
        expectSameTrain(parallel[static_cast<std::size_t>(site - 1)].analysis, runAndAnalyse(*own)->analysis);
    }
}

TEST(Sweep, StopsTakingSitesOnceCancelled)
{
    auto m = createModel();
    m->stimulusSite = 5;
    SweepOptions options;
    options.sites = {5, 6, 7, 8, 9, 10};
    options.jobs = 1;
    SweepControl control;
    std::vector<int> reported;
    control.siteFinished = [&](int site, int done, int total) {
        reported.push_back(site);
        EXPECT_EQ(done, static_cast<int>(reported.size()));
        EXPECT_EQ(total, 6);
        if (done == 2)
            control.cancel = true;
    };
    const std::vector<SweepSiteResult> rows = runSweep(*m, options, control);
    EXPECT_EQ(reported, (std::vector<int>{5, 6}));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].status, i < 2 ? SweepSiteStatus::Done : SweepSiteStatus::Cancelled) << rows[i].site;

    // Cancelled before it starts: nothing runs.
    SweepControl early;
    early.cancel = true;
    options.jobs = 2;
    for (const SweepSiteResult& row : runSweep(*m, options, early))
        EXPECT_EQ(row.status, SweepSiteStatus::Cancelled);
    EXPECT_EQ(early.sitesDone.load(), 0);
}

TEST(Sweep, AnswersWarningsAsAskedAndCountsThem)
{
    // Slow conduction from site 5 to 6: the conduction time exceeds the refractory period.
    auto m = createModel();
    cv(*m, 5) = 0.01;
    refreshDerivedModel(*m);
    SweepOptions options;
    options.sites = {5, 15};
    SweepControl go;
    const auto goOn = runSweep(*m, options, go);
    options.abortOnWarning = true;
    SweepControl stop;
    const auto stopped = runSweep(*m, options, stop);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(goOn[i].status, SweepSiteStatus::Done);
        EXPECT_EQ(goOn[i].warningCount, 1);  // "continue" silences the rest of the run
        EXPECT_EQ(stopped[i].status, SweepSiteStatus::Aborted);
        EXPECT_EQ(stopped[i].completedSteps, 0);
    }
}

TEST(Sweep, WorkersAreAtLeastOneAndAtMostOnePerSite)
{
    EXPECT_EQ(sweepWorkerCount(4, 2), 2);
    EXPECT_EQ(sweepWorkerCount(1, 40), 1);
    EXPECT_GE(sweepWorkerCount(0, 40), 1);
    EXPECT_EQ(sweepWorkerCount(3, 0), 1);
}

}  // namespace
}  // namespace quorel
