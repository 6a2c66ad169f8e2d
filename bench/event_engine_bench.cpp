// Both time loops on the same protocols, in the same run of the binary.
//   DefaultScan:    the default circuit, stimulus site 5, 6 scan steps.
//   DefaultTrain:   the default circuit, a train of 5 stimuli at site 5.
//   LargeProtocol:  98 sites (n 40, m 42, connection 38, radius 0.04, a delay path and
//                   two dead-end pathways of 5 segments), stimulus site 12, 30
//                   revolutions, Q = 0.0001 s, 10 ms decrement: 51 scan steps.
// Counters: site-steps the tick loop evaluates per run, and those the event loop evaluates.

#include "engine/event_loop.h"
#include "engine/run_driver.h"
#include "model/circuit_construction.h"
#include "model/conduction.h"

#include "support/test_circuits.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorel;
using quorel::testing::largeProtocol;

std::unique_ptr<CircuitModel> defaultCircuit(int stimulationMode)
{
    auto m = createModel();
    m->stimulusSite = 5;
    m->stimulationMode = stimulationMode;
    return m;
}

// The stages of runProtocol with the event loop, to count the site-steps it evaluates.
long long eventSiteSteps(CircuitModel& m)
{
    auto st = createRunState();
    auto results = createRunResults();
    auto loop = createEventLoop();
    RunHooks hooks;
    RunContext c{m, *st, hooks};
    beginRun(c, *results);
    prepareEventLoop(*loop, st->layout);
    for (int step = 1; step <= st->scanCount; ++step) {
        beginScanStep(c, step);
        runScanStepEvents(c, *loop);
        finishScanStep(c, *results);
    }
    endRun(c);
    return loop->siteStepsEvaluated;
}

void runEngines(benchmark::State& bench, CircuitModel& m, EngineKind engine)
{
    auto st = createRunState();
    auto results = createRunResults();
    RunHooks hooks;
    for (auto _ : bench) {
        const RunOutcome outcome = runProtocol(m, *st, *results, hooks, engine);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(results->SiteActivation[1][1][1]);
    }
    const long long ticks = ticksPerScanStep(st->shownRevolutionCount, m.estimatedCycleLength, m.clockStep);
    bench.counters["scan_steps"] = st->scanCount;
    bench.counters["tick_site_steps"] = static_cast<double>(ticks) * (m.totalSiteCount - 1) * st->scanCount;
    bench.counters["event_site_steps"] = static_cast<double>(eventSiteSteps(m));
}

void DefaultScan(benchmark::State& bench, EngineKind engine)
{
    runEngines(bench, *defaultCircuit(1), engine);
}
void DefaultTrain(benchmark::State& bench, EngineKind engine)
{
    runEngines(bench, *defaultCircuit(0), engine);
}
void LargeProtocol(benchmark::State& bench, EngineKind engine)
{
    runEngines(bench, *largeProtocol(), engine);
}

BENCHMARK_CAPTURE(DefaultScan, tick, EngineKind::Tick)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DefaultScan, event, EngineKind::Event)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DefaultTrain, tick, EngineKind::Tick)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DefaultTrain, event, EngineKind::Event)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LargeProtocol, tick, EngineKind::Tick)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(LargeProtocol, event, EngineKind::Event)->Unit(benchmark::kMillisecond);

}  // namespace
