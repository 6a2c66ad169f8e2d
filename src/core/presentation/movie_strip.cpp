#include "presentation/movie_strip.h"

#include "presentation/movie_replay.h"
#include "presentation/site_colour.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

// The milliseconds of column x: trunc(x x msPerPixel + c) for c = 0, 1, ... below
// msPerPixel, handed to `visit` until it returns false.
template <typename Visit> void forColumnMilliseconds(int x, double msPerPixel, Visit visit)
{
    for (int c = 0; c < msPerPixel; ++c)
        if (!visit(static_cast<int>(x * msPerPixel + c)))
            return;
}

MovieStripTick tickAt(int x, TickClass tickClass, int ms, int H)
{
    MovieStripTick tick;
    tick.x = x;
    tick.tickClass = tickClass;
    switch (tickClass) {
    case TickClass::Tenth:
        tick.topY = H - 3;
        tick.penWidth = 1;
        break;
    case TickClass::Half:
        tick.topY = H - 5;
        tick.penWidth = 2;
        break;
    case TickClass::Second:
        tick.topY = H - 7;
        tick.penWidth = 2;
        tick.text = fixedText(ms / 1000, 1);
        tick.textX = x - 8;
        tick.textY = -3;
        break;
    }
    return tick;
}

}  // namespace

int keepMovieStripSite(CircuitModel& m)
{
    int& site = m.ecgChannelSite[kMovieStripChannel];
    if (site < 1 || site > m.siteChooserItemCount)
        site = 1;
    return site;
}

int movieStripEndMs(const CircuitModel& m, const RunResults& results)
{
    const int steps = movieStepCount(m, results);
    const int sites = std::clamp(m.totalSiteCount, 0, kMaxResultSites);
    const int revolutions = std::clamp(results.shownRevolutionCount, 0, kMaxRevolutions);
    int tEnd = 0;
    for (int j = 1; j <= steps; ++j)
        for (int s = 1; s <= sites; ++s)
            for (int r = 1; r <= revolutions; ++r) {
                // Compared as a real first, as the raster does.
                const double ms = results.SiteActivation[j][s][r].time * 1000;
                if (ms >= 0.0 && ms < kEcgRasterEndMs)
                    tEnd = std::max(tEnd, static_cast<int>(ms));
            }
    return tEnd;
}

void planMovieStrip(const CircuitModel& m, const RunResults& results, const ActivationRaster& raster,
                    int width, int height, bool whiteAxis, bool wideSpikes, int largeFonts,
                    MovieStripPlan& plan)
{
    const int W = std::max(0, width);
    const int H = std::max(0, height);
    plan.width = W;
    plan.height = H;
    plan.stripMsPerPixel = W > 0 ? static_cast<double>(movieStripEndMs(m, results)) / W : 0.0;
    plan.axisColour = whiteAxis ? kMovieAxisWhite : kMovieAxisGrey;
    plan.fontPoints = largeFonts != 0 ? 6 : 8;
    plan.ticks.clear();
    plan.spikeColumns.clear();
    const double perPixel = plan.stripMsPerPixel;

    // The axis: the last multiple of 100 ms in a column gives its tick; the column after
    // a tick stays free.
    for (int x = 0; x < W;) {
        bool ticked = false;
        TickClass tickClass = TickClass::Tenth;
        int tickMs = 0;
        forColumnMilliseconds(x, perPixel, [&](int ms) {
            if (ms % 100 == 0) {
                ticked = true;
                tickClass = tickClassOf(ms);
                tickMs = ms;
            }
            return true;
        });
        if (ticked)
            plan.ticks.push_back(tickAt(x, tickClass, tickMs, H));
        x += ticked ? 2 : 1;
    }

    // The spikes of the strip site. Revolutions without an activation leave a mark at 0 ms
    // in the raster, so column 0 counts only for site 1 and the closing node, which the
    // wavefront leaves at time 0.
    const int site = m.ecgChannelSite[kMovieStripChannel];
    plan.spikeColour = siteColour(m, site, true);
    plan.baselineY = H / 2;
    plan.spike = spikeShape(spikeGeometry(plan.baselineY), wideSpikes);
    const bool columnZero = site == 1 || site == m.innerSiteCount + 1;
    const auto& cells = raster.cells[kMovieStripChannel];
    for (int x = columnZero ? 0 : 1; x < W; ++x) {
        bool marked = false;
        forColumnMilliseconds(x, perPixel, [&](int ms) {
            marked = ms >= 0 && ms < kEcgRasterEndMs && cells[ms] != 0;
            return !marked;
        });
        if (marked) {
            plan.spikeColumns.push_back(x);
            ++x;  // the next column stays free
        }
    }
}

int movieCursorX(int a, double stripMsPerPixel)
{
    if (!(stripMsPerPixel > 0.0))
        return -1;
    return truncatedPixel(a / stripMsPerPixel);
}

}  // namespace quorel
