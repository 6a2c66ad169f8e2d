// The sweep over every stimulus site of the 98-site circuit of the large protocol
// (n 40, m 42, connection 38, radius 0.04, a delay path and two dead-end pathways of 5
// segments; single stimuli, 30 revolutions, Q = 0.0001 s, 10 ms decrement: 51 scan
// steps per site), with one and with two worker threads, and the analysis of one run
// on its own.
//   build/bench/quorel_bench --benchmark_filter=Sweep98
// Counter cores_busy: the CPU time of the whole process (every worker) over the wall
// time. With two jobs it is 2 on a machine nobody else uses; below that another program
// took one of the cores during the sweep and its time says little about the speed-up.

#include "analysis/sweep.h"

#include "support/test_circuits.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

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
    auto processCpu = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    };
    const double cpuStart = processCpu();
    const auto wallStart = std::chrono::steady_clock::now();
    for (auto _ : bench) {
        SweepControl control;
        const std::vector<SweepSiteResult> rows = runSweep(*m, options, control);
        benchmark::DoNotOptimize(rows.data());
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    bench.counters["sites"] = static_cast<double>(options.sites.size());
    bench.counters["cores_busy"] = (processCpu() - cpuStart) / wall;
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
