#include "presentation/ecg_geometry.h"

#include "text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorel {

EcgView ecgViewOf(const SessionState& session, int width, int height)
{
    EcgView view;
    view.startMs = std::max(0, session.scrollBar4.position);
    view.msPerPixel = std::clamp(session.scrollBar3.position, kEcgMinMsPerPixel, kEcgMaxMsPerPixel);
    view.width = std::max(0, width);
    view.height = std::max(0, height);
    return view;
}

MsRange columnMilliseconds(const EcgView& view, int x)
{
    const int first = view.startMs + x * view.msPerPixel;
    return {first, first + view.msPerPixel - 1};
}

int columnOfMillisecond(const EcgView& view, int ms)
{
    const int offset = ms - view.startMs;
    // Floor division, so that milliseconds before the start never land in column 0.
    return offset >= 0 ? offset / view.msPerPixel : -((-offset + view.msPerPixel - 1) / view.msPerPixel);
}

EcgStripGeometry ecgStripGeometry(int height)
{
    return spikeGeometry(static_cast<double>(height) / kEcgBands);
}

EcgStripGeometry spikeGeometry(double U)
{
    EcgStripGeometry g;
    g.U = U;
    g.A = static_cast<int>(g.U);
    g.A3 = static_cast<int>(g.U * 3 * 0.25);
    g.A2 = static_cast<int>(g.U * 2 * 0.25);
    g.A1 = static_cast<int>(g.U * 1 * 0.25);
    return g;
}

int ecgBaselineY(double U, int channel)
{
    return static_cast<int>((channel + 1) * U);
}

SpikeShape spikeShape(const EcgStripGeometry& g, bool wideSpikes)
{
    SpikeShape s;
    s.lines[s.count++] = {0, g.A};
    s.lines[s.count++] = {-1, g.A3};
    s.lines[s.count++] = {1, g.A3};
    if (wideSpikes) {
        s.lines[s.count++] = {-2, g.A2};
        s.lines[s.count++] = {2, g.A2};
        s.lines[s.count++] = {-3, g.A1};
        s.lines[s.count++] = {3, g.A1};
    }
    return s;
}

int truncatedPixel(double value)
{
    constexpr double kLimit = 1 << 24;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

std::string Label199Text(const EcgView& view)
{
    return fixedText(view.startMs / 1000.0, 3);
}

std::string Label205Text(const EcgView& view)
{
    return fixedText((view.startMs + view.msPerPixel * view.width) / 1000.0, 3);
}

int ecgCursorMs(const EcgView& view, int X)
{
    return view.startMs + X * view.msPerPixel;
}

std::string ecgCursorTimeText(int cursorMs)
{
    return fixedText(cursorMs / 1000.0, 3);
}

}  // namespace quorel
