#include "presentation/ecg_raster.h"

#include "presentation/ecg_scrolling.h"
#include "presentation/site_colour.h"

#include <algorithm>

namespace quorel {

namespace {

constexpr double kCaptureCode = 3.0;

void clearRaster(ActivationRaster& raster)
{
    for (auto& channel : raster.cells)
        std::fill(std::begin(channel), std::end(channel), std::int16_t{0});
    std::fill(std::begin(raster.markCount), std::end(raster.markCount), 0);
    raster.ecgLastMarkMs = 0;
    raster.captureLamp = 0;
}

bool stepHoldsCapture(const CircuitModel& m, const RunResults& results, int step, int revolutions)
{
    const int sites = std::clamp(m.totalSiteCount, 0, kMaxResultSites);
    for (int x = 1; x <= sites; ++x)
        for (int r = 1; r <= revolutions; ++r)
            if (results.SiteActivation[step][x][r].code == kCaptureCode)
                return true;
    return false;
}

void markChannel(ActivationRaster& raster, int channel, const RunResults& results, int step, int site,
                 int revolutions)
{
    for (int r = 1; r <= revolutions; ++r) {
        // Compared as a real first: a time a little before 0 would truncate to 0, and
        // one far out of range would not fit an integer.
        const double ms = results.SiteActivation[step][site][r].time * 1000;
        if (!(ms >= 0.0 && ms < kEcgRasterEndMs))
            continue;
        const int t = static_cast<int>(ms);
        raster.ecgLastMarkMs = std::max(raster.ecgLastMarkMs, t);
        if (raster.cells[channel][t] != 0)
            continue;
        raster.cells[channel][t] = 1;
        raster.markMs[channel][raster.markCount[channel]++] = t;
    }
}

}  // namespace

int ecgRasterStep(const CircuitModel& m, const RunResults& results, int scrollBar2Position,
                  bool runInProgress)
{
    int step = 1;
    if (m.stimulationMode != 0)
        step = runInProgress ? scrollBar2Position - 1 : scrollBar2Position;
    const int held = std::min(results.scanCount, kMaxScanSteps);
    if (held < 1 || step < 1)
        return 0;
    return std::min(step, held);  // as the result sheet, which ScrollBar2 moves along
}

void buildActivationRaster(CircuitModel& m, RunResults& results, int step, const EcgView& view,
                           ScrollBarState& scrollBar4, ActivationRaster& raster)
{
    m.ecgChannelSite[0] = referenceSite(m);
    clearRaster(raster);
    raster.step = step >= 1 && step <= kMaxScanSteps ? step : 0;
    if (raster.step != 0) {
        const int revolutions = std::clamp(results.shownRevolutionCount, 0, kMaxRevolutions);
        raster.captureLamp = stepHoldsCapture(m, results, raster.step, revolutions) ? 1 : 0;
        for (int channel = 0; channel < kEcgChannelSlots; ++channel) {
            const int site = m.ecgChannelSite[channel];
            if (site >= 1 && site <= kMaxResultSites)
                markChannel(raster, channel, results, raster.step, site, revolutions);
        }
    }
    results.captureLamp = raster.captureLamp;
    setScrollBar4Maximum(scrollBar4, raster.ecgLastMarkMs, view);
}

}  // namespace quorel
