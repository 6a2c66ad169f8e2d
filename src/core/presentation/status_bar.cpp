#include "presentation/status_bar.h"

#include "text/number_text.h"

#include <algorithm>

namespace quorel {

StatusBarGeometry statusBarGeometry(int W, int timeTextWidth)
{
    const int extra = std::max(0, timeTextWidth + 2 - kDesignStatusTimeRoom);
    StatusBarGeometry g;
    g.panelWidths[0] = std::max(0, W - 143 - extra);
    for (int i = 1; i < kStatusPanelCount; ++i)
        g.panelWidths[i] = kDesignStatusPanelWidths[i];
    g.panelWidths[3] += extra;
    g.hint = {4, 4};
    g.checkLamp = {W - 140 - extra, 3};
    g.captureLamp = {W - 95 - extra, 3};
    g.time = {W - 65 - extra, 4};
    g.timeClear = {W - 69 - extra, 3, W - 13, 21};
    return g;
}

const char* checkLampImage(LampState lamp)
{
    switch (lamp) {
    case LampState::Blue: return "ImageB";
    case LampState::Yellow: return "ImageY";
    case LampState::Red: return "ImageR";
    }
    return "ImageB";
}

const char* captureLampImage(int captureLamp)
{
    return captureLamp == 1 ? "ImageCB" : "ImageCR";
}

double statusBarSeconds(StatusTimePage page, const StatusTimes& times)
{
    switch (page) {
    case StatusTimePage::Ecg: return times.ecgCursorMs / 1000.0;
    case StatusTimePage::Movie: return times.movieTimeMs / 1000.0;
    case StatusTimePage::Other: break;
    }
    return times.runTime;
}

std::string statusBarTimeText(double seconds)
{
    return fixedText(seconds, 4);
}

}  // namespace quorel
