#include "presentation/shell_layout.h"

#include <algorithm>

namespace quorel {

ShellLayout computeShellLayout(const ShellLayoutInput& in)
{
    ShellLayout out;
    out.input = in;
    const int w = in.pageControlWidth;
    const int h = in.pageControlHeight;
    // The last three tool buttons keep their distance from the window's right edge.
    out.SpeedButton3Left = in.windowWidth - 109;
    out.SpeedButton5Left = in.windowWidth - 153;
    out.SpeedButton10Left = in.windowWidth - 197;
    // A row of tabs fewer leaves 20 pixels more for the result grid.
    out.SGRESWidth = w - 8;
    out.SGRESHeight = h - 111 + (in.tabRows <= 1 ? 20 : 0);
    out.ScrollBar1Left = w - 156;
    out.LabelRevLeft = w - 30;
    out.ListView1Height = h - 240;
    out.PaintBox2Width = w - 55;
    out.PaintBoxMWidth = w - 93;
    out.ScrollBar4Width = w - 147;
    out.statusBarWidth = in.statusBarWidth;
    out.firstStatusPanelWidth = statusBarGeometry(in.statusBarWidth).panelWidths[0];
    return out;
}

WindowOrigin centredIn(int left, int top, int width, int height, int ownWidth, int ownHeight)
{
    return {left + width / 2 - ownWidth / 2, top + height / 2 - ownHeight / 2};
}

std::optional<WindowOrigin> pleaseWaitOrigin(int mode, int mainLeft, int mainTop, int mainWidth,
                                             int mainHeight, int ownWidth, int ownHeight)
{
    if (mode == 1)
        return centredIn(mainLeft, mainTop, mainWidth, mainHeight, ownWidth, ownHeight);
    if (mode == 2)
        return WindowOrigin{mainLeft + mainWidth / 2, mainTop + 30};
    return std::nullopt;
}

int TabStripLayout::height() const
{
    int bottom = 0;
    for (const PixelRect& r : tabs)
        bottom = std::max(bottom, r.bottom);
    return bottom;
}

TabStripLayout layoutTabStrip(int count, int current, int stripWidth, int tabWidth, int tabHeight)
{
    TabStripLayout strip;
    if (count <= 0 || tabWidth <= 0)
        return strip;
    strip.tabsPerRow = std::max(1, stripWidth / tabWidth);
    strip.rows = (count + strip.tabsPerRow - 1) / strip.tabsPerRow;
    const int currentRow = (current >= 0 && current < count) ? current / strip.tabsPerRow : 0;
    // Wrapped tabs share the strip's width evenly, so that full rows reach the edge.
    const int width = strip.rows > 1 ? std::max(tabWidth, stripWidth / strip.tabsPerRow) : tabWidth;
    strip.tabs.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int row = i / strip.tabsPerRow;
        const int column = i % strip.tabsPerRow;
        // Rows rotate so that the current row is the bottom one; the row after it goes on top.
        const int shownRow = (row - currentRow - 1 + 2 * strip.rows) % strip.rows;
        const int left = column * width;
        const int top = shownRow * tabHeight;
        strip.tabs.push_back({left, top, left + width, top + tabHeight});
    }
    return strip;
}

}  // namespace quorel
