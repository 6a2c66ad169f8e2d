// The sweep over every stimulus site of the 98-site circuit of the large protocol
// (n 40, m 42, connection 38, radius 0.04, a delay path and two dead-end pathways of 5
// segments; single stimuli, 30 revolutions, Q = 0.0001 s, 10 ms decrement: 51 scan
// steps per site), with one and with two worker threads, and the analysis of one run
// on its own.
//   build/bench/quorel_bench --benchmark_filter=Sweep98

#include "analysis/sweep.h"

#include "support/test_circuits.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorel;
using quorel::testing::largeProtocol;

void Sweep98(benchmark::State& bench)
{
    const auto m = largeProtocol();
    SweepOptions options;
    for (int site = 1; site <= m->totalSiteCount; ++site)
        options.sites.push_back(site);
    options.jobs = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        SweepControl control;
        const std::vector<SweepSiteResult> rows = runSweep(*m, options, control);
        benchmark::DoNotOptimize(rows.data());
    }
    bench.counters["sites"] = static_cast<double>(options.sites.size());
}

// Reading back and measuring the 51 scan steps of one run (stimulus site 12).
void AnalyseLargeScan(benchmark::State& bench)
{
    auto m = largeProtocol();
    auto state = createRunState();
    auto results = createRunResults();
    RunHooks hooks;
    runProtocol(*m, *state, *results, hooks);
    for (auto _ : bench) {
        const RunAnalysis analysis = analyseRun(*m, *results, state->completedSteps);
        benchmark::DoNotOptimize(analysis.steps.data());
    }
}

BENCHMARK(Sweep98)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AnalyseLargeScan)->Unit(benchmark::kMillisecond);

}  // namespace
