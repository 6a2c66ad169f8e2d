// The sweep over every stimulus site of the 98-site circuit of the large protocol
// (n 40, m 42, connection 38, radius 0.04, a delay path and two dead-end pathways of 5
// segments; single stimuli, 30 revolutions, Q = 0.0001 s, 10 ms decrement: 51 scan
// steps per site), with one and with two worker threads, and the analysis of one run
// on its own.
//   build/bench/quorel_bench --benchmark_filter=Sweep98
// Counters, over the wall time of the sweep: cores_busy, the CPU time of this process
// (every worker); others_busy, the CPU time every other program took (from /proc/stat).
// On a machine shared with others only the repetitions with others_busy near 0 say how
// fast the sweep is: with two jobs cores_busy is then 2.

#include "analysis/sweep.h"

#include "support/test_circuits.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <string>

namespace {

using namespace quorel;

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// CPU time every program of the machine has taken since boot (0 where /proc/stat is missing).
double machineBusySeconds()
{
    std::ifstream stat("/proc/stat");
    std::string cpu;
    double user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0, steal = 0;
    if (!(stat >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq >> steal) || cpu != "cpu")
        return 0.0;
    return (user + nice + system + irq + softirq) / 100.0;   // USER_HZ
}
using quorel::testing::largeProtocol;

void Sweep98(benchmark::State& bench)
{
    const auto m = largeProtocol();
    SweepOptions options;
    for (int site = 1; site <= m->totalSiteCount; ++site)
        options.sites.push_back(site);
    options.jobs = static_cast<int>(bench.range(0));
    const double cpuStart = processCpuSeconds();
    const double machineStart = machineBusySeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    for (auto _ : bench) {
        SweepControl control;
        const std::vector<SweepSiteResult> rows = runSweep(*m, options, control);
        benchmark::DoNotOptimize(rows.data());
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    bench.counters["sites"] = static_cast<double>(options.sites.size());
    const double own = processCpuSeconds() - cpuStart;
    bench.counters["cores_busy"] = own / wall;
    bench.counters["others_busy"] = (machineBusySeconds() - machineStart - own) / wall;
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
