#pragma once
// What the main window's status bar shows and where: four panels, the hint line,
// the check lamp, the capture lamp and a time, placed from the bar's width W.

#include "engine/circuit_check.h"

#include <string>

namespace quorel {

constexpr int kStatusPanelCount = 4;
constexpr int kDesignStatusPanelWidths[kStatusPanelCount] = {365, 46, 25, 45};
constexpr int kInitialStatusBarWidth = 508;   // W before the first layout

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Left, top, right and bottom edges; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct StatusBarGeometry {
    int panelWidths[kStatusPanelCount] = {};
    PixelPoint hint;          // the hint text's top-left corner
    PixelPoint checkLamp;     // ImageB / ImageY / ImageR
    PixelPoint captureLamp;   // ImageCB / ImageCR
    PixelPoint time;          // the time text's top-left corner
    PixelRect timeClear;      // cleared before the run driver writes a new time
};

// The time text the time panel is sized for: 30 revolutions of a VT cycle length of more
// than five minutes. A longer time is drawn narrower, never cut.
constexpr const char* kWidestStatusTime = "9999.9999";
// Room for the time text in the panel of the design (from its left edge to the size grip).
constexpr int kDesignStatusTimeRoom = 52;

// The places for a status bar W pixels wide; the first panel takes what the other three
// leave (W - 143), never less than nothing. `timeTextWidth`, the width of
// kWidestStatusTime in the panel's font, widens the time panel where the design's 52
// pixels are too few; the lamps and the first panel give way to the left.
StatusBarGeometry statusBarGeometry(int statusBarWidth, int timeTextWidth = 0);

// Names of the lamp bitmaps.
const char* checkLampImage(LampState lamp);
const char* captureLampImage(int captureLamp);

// Which time the status bar shows: the ECG cursor on the "ECG" page, the animation
// time on the "movie" page, otherwise the time of the last tick of the last run.
enum class StatusTimePage { Ecg, Movie, Other };

struct StatusTimes {
    double runTime = 0.0;       // currentTime of the last tick, s
    double ecgCursorMs = 0.0;   // ms
    double movieTimeMs = 0.0;   // ms
};

double statusBarSeconds(StatusTimePage page, const StatusTimes& times);
// Fixed notation, four decimals: 0.25 -> "0.2500".
std::string statusBarTimeText(double seconds);

}  // namespace quorel
