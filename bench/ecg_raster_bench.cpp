// The ECG strip's data, built from the results of the large protocol (98 sites, 30
// revolutions, 51 scan steps), once per benchmark; the run itself is not timed.
//   BuildActivationRaster: the raster of the last scan step, 18 channels.
//   PlanEcgStrip:          what one paint of a 1280 x 540 strip needs (marked
//                          columns of 17 channels, the time axis), at 1 ms per pixel.

#include "engine/run_driver.h"
#include "presentation/ecg_raster.h"
#include "presentation/ecg_strip_plan.h"

#include "support/test_circuits.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorel;

struct LargeRun {
    std::unique_ptr<CircuitModel> m = quorel::testing::largeProtocol();
    std::unique_ptr<RunResults> results = createRunResults();
    std::unique_ptr<ActivationRaster> raster = createActivationRaster();
    ScrollBarState scrollBar4;
    EcgView view{0, 1, 1280, 540};

    LargeRun()
    {
        auto state = createRunState();
        RunHooks hooks;
        runProtocol(*m, *state, *results, hooks);
        // Sixteen channels spread over the whole circuit; channel 17 the stimulus site.
        for (int channel = 1; channel <= 16; ++channel)
            m->ecgChannelSite[channel] = 1 + (channel - 1) * (m->totalSiteCount - 1) / 15;
        m->ecgChannelSite[17] = m->stimulusSite;
    }
};

LargeRun& largeRun()
{
    static LargeRun run;
    return run;
}

void BuildActivationRaster(benchmark::State& bench)
{
    LargeRun& run = largeRun();
    const int step = run.results->scanCount;
    for (auto _ : bench) {
        buildActivationRaster(*run.m, *run.results, step, run.view, run.scrollBar4, *run.raster);
        benchmark::DoNotOptimize(run.raster->ecgLastMarkMs);
    }
    bench.counters["last_mark_ms"] = run.raster->ecgLastMarkMs;
    bench.counters["scan_steps"] = run.results->scanCount;
}

void PlanEcgStrip(benchmark::State& bench)
{
    LargeRun& run = largeRun();
    buildActivationRaster(*run.m, *run.results, run.results->scanCount, run.view, run.scrollBar4,
                          *run.raster);
    EcgStripPlan plan;
    for (auto _ : bench) {
        planEcgStrip(*run.m, *run.raster, run.view, true, true, {}, plan);
        benchmark::DoNotOptimize(plan.channels[1].columnCount);
    }
}

BENCHMARK(BuildActivationRaster)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlanEcgStrip)->Unit(benchmark::kMicrosecond);

}  // namespace
