#pragma once
// Pixel geometry of the ECG strip (PaintBox2): which milliseconds a pixel column
// shows, where each channel's baseline lies, how tall its spikes are, and the time
// texts around the strip. Everything here is computed from the view (ScrollBar4,
// ScrollBar3) and the paint box's size; nothing is drawn.

#include "model/circuit_model.h"
#include "model/session_state.h"

#include <string>

namespace quorel {

// The activation raster covers milliseconds 0..12999 of a scan step (cell 13000 is
// never set).
constexpr int kEcgRasterCells = 13001;
constexpr int kEcgRasterEndMs = 13000;

// ScrollBar3 ("scale"): milliseconds per pixel column.
constexpr int kEcgMinMsPerPixel = 1;
constexpr int kEcgMaxMsPerPixel = 10;
constexpr int kEcgDefaultMsPerPixel = 5;

// The strip shows the QRS channel 0 and the site channels 1..16; channel 17 belongs
// to the movie strip.
constexpr int kEcgTraceChannels = 17;
constexpr int kEcgLastSiteChannel = 16;
// The strip's height is divided into this many bands of height U.
constexpr int kEcgBands = 18;

// What the strip shows: ecgStartMs (ScrollBar4), ecgMsPerPixel (ScrollBar3) and the
// size W x H of PaintBox2.
struct EcgView {
    int startMs = 0;
    int msPerPixel = kEcgDefaultMsPerPixel;
    int width = 0;   // W
    int height = 0;  // H
};

// The view the session's scroll bars describe, with positions a file may have brought
// out of range brought back into it (start not below 0, scale 1..10).
EcgView ecgViewOf(const SessionState& session, int width, int height);

// Milliseconds shown by pixel column x, both inclusive:
// startMs + x * msPerPixel .. startMs + (x + 1) * msPerPixel - 1.
struct MsRange {
    int first = 0;
    int last = 0;
};
MsRange columnMilliseconds(const EcgView& view, int x);

// The pixel column whose range holds millisecond `ms` (may lie outside 0..W; ms before
// the start give a negative column).
int columnOfMillisecond(const EcgView& view, int ms);

// Vertical geometry: U = H / 18, the baseline of channel i (0..16) at trunc((i + 1) U),
// and the spike half-heights A = trunc(U), A3 = trunc(3U / 4), A2 = trunc(2U / 4),
// A1 = trunc(U / 4).
struct EcgStripGeometry {
    double U = 0.0;
    int A = 0;
    int A3 = 0;
    int A2 = 0;
    int A1 = 0;
};
EcgStripGeometry ecgStripGeometry(int height);
// The same half-heights for a band of height U (the movie strip's spikes use half the
// strip's height).
EcgStripGeometry spikeGeometry(double U);
int ecgBaselineY(double U, int channel);

// One vertical line of a spike, relative to the marked column: from y - halfHeight
// to y + halfHeight - 1 (both inclusive) at column x + dx.
struct SpikeLine {
    int dx = 0;
    int halfHeight = 0;
};
// Three lines (x - 1, x, x + 1), or seven with wideSpikes (x - 3 .. x + 3), centre
// first.
struct SpikeShape {
    int count = 0;
    SpikeLine lines[7];
};
SpikeShape spikeShape(const EcgStripGeometry& g, bool wideSpikes);

// Truncates a pixel position held as a double toward zero, keeping absurd values (a
// hand-edited file) inside a range every painter can take.
int truncatedPixel(double value);

// Label199 and Label205: the first and the last-plus-one millisecond of the view in
// seconds, three decimals ("1.500").
std::string Label199Text(const EcgView& view);
std::string Label205Text(const EcgView& view);

// The time under the mouse on the strip: ecgStartMs + X * ecgMsPerPixel, in ms.
int ecgCursorMs(const EcgView& view, int X);
// What the status bar shows while the mouse moves over the strip: the cursor time in
// seconds with three decimals ("0.125"). When the status bar repaints on the ECG page
// it shows ecgStartMs in seconds with four decimals instead (statusBarTimeText).
std::string ecgCursorTimeText(int cursorMs);

}  // namespace quorel
