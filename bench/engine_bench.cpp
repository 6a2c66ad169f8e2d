// Run time of whole protocols with the tick-by-tick engine.
//   DefaultSingleStimulusScan: the default circuit, stimulus site 5, 6 scan steps.
//   DefaultTrain:              the default circuit, a train of 5 stimuli at site 5.
//   LargeProtocol:             98 sites, 30 revolutions, Q = 0.0001 s, slow conduction
//                              (T = 0.84 s), 10 ms decrement: 80 scan steps.
// Counters: scan steps and site-steps (ticks x sites 2..N + 1) per run, site-steps per second.

#include "engine/run_driver.h"
#include "model/circuit_construction.h"
#include "model/conduction.h"

#include "support/test_circuits.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorel;

// The largest circuit with slow conduction: T = 0.84 s, so the scan is cut to 80 steps.
std::unique_ptr<CircuitModel> largeCircuit()
{
    auto m = quorel::testing::largeProtocol();
    for (int x = 1; x < kSiteRows; ++x)
        cv(*m, x) = 0.3;
    refreshDerivedModel(*m);
    return m;
}

double siteStepsOf(const CircuitModel& m, const RunState& st)
{
    const long long ticks = ticksPerScanStep(st.shownRevolutionCount, m.estimatedCycleLength, m.clockStep);
    return static_cast<double>(ticks) * (m.totalSiteCount - 1) * st.scanCount;
}

void runBenchmark(benchmark::State& bench, CircuitModel& m)
{
    auto st = createRunState();
    auto results = createRunResults();
    RunHooks hooks;
    for (auto _ : bench) {
        // The tick loop: the counters are per site-step of every tick.
        const RunOutcome outcome = runProtocol(m, *st, *results, hooks, EngineKind::Tick);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(results->SiteActivation[1][1][1]);
    }
    const double siteSteps = siteStepsOf(m, *st);
    bench.counters["scan_steps"] = st->scanCount;
    bench.counters["site_steps"] = siteSteps;
    bench.counters["site_steps_per_s"] =
        benchmark::Counter(siteSteps, benchmark::Counter::kIsIterationInvariantRate);
}

void DefaultSingleStimulusScan(benchmark::State& bench)
{
    auto m = createModel();
    m->stimulusSite = 5;
    runBenchmark(bench, *m);
}

void DefaultTrain(benchmark::State& bench)
{
    auto m = createModel();
    m->stimulusSite = 5;
    m->stimulationMode = 0;
    runBenchmark(bench, *m);
}

void LargeProtocol(benchmark::State& bench)
{
    auto m = largeCircuit();
    runBenchmark(bench, *m);
}

BENCHMARK(DefaultSingleStimulusScan)->Unit(benchmark::kMillisecond);
BENCHMARK(DefaultTrain)->Unit(benchmark::kMillisecond);
BENCHMARK(LargeProtocol)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
