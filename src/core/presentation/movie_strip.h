#pragma once
// The one-channel strip under the movie picture (PaintBoxM): the activations of the site
// chosen in ComboBoxMOV (channel 17 of the activation raster) over the whole run, with a
// time axis along its bottom and, during a replay, a white cursor at the animation time.
// Planned as plain data; the page paints it.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "presentation/ecg_geometry.h"
#include "presentation/ecg_raster.h"
#include "presentation/ecg_time_axis.h"

#include <string>
#include <vector>

namespace quorel {

// The channel of the activation raster the strip shows.
constexpr int kMovieStripChannel = 17;

constexpr Rgb kMovieAxisGrey = 0x808080;   // CheckBox8 unchecked
constexpr Rgb kMovieAxisWhite = 0xFFFFFF;  // CheckBox8 checked
constexpr Rgb kMovieCursorColour = 0xFFFFFF;
constexpr Rgb kMovieStripBackground = 0x000000;

// A tick from the bottom row H - 1 up to topY (inclusive); a whole second also writes
// its text ("2.0") with its top-left corner at (textX, textY) on a clear background.
struct MovieStripTick {
    int x = 0;
    TickClass tickClass = TickClass::Tenth;
    int topY = 0;      // H - 3, H - 5 or H - 7
    int penWidth = 1;  // 1 for tenths, 2 otherwise
    std::string text;  // whole seconds only
    int textX = 0;
    int textY = 0;
};

struct MovieStripPlan {
    int width = 0;
    int height = 0;
    double stripMsPerPixel = 0.0;  // tEnd / width; 0 without results
    Rgb axisColour = kMovieAxisGrey;
    int fontPoints = 8;  // Arial, for the seconds
    std::vector<MovieStripTick> ticks;
    // The spikes: the marked columns, each drawn as spike's lines centred on the
    // baseline y0 = H / 2 (a line runs from y0 - h to y0 + h - 1), in spikeColour.
    Rgb spikeColour = 0;
    int baselineY = 0;
    SpikeShape spike;
    std::vector<int> spikeColumns;
    // Across the full width at baselineY in spikeColour.
    int baselinePenWidth = 2;
};

// ComboBoxMOV after its items were refilled: the strip keeps its site while the list
// still offers it, otherwise it shows site 1. Returns the site.
int keepMovieStripSite(CircuitModel& m);

// tEnd: the largest trunc(activation time x 1000) below 13000 ms over sites 1..N, the
// revolutions held and every step the replay runs through.
int movieStripEndMs(const CircuitModel& m, const RunResults& results);

// drawMovieStrip as data: `raster` is the activation raster of the step shown, whose
// channel 17 holds the strip site's activations. The storage of `plan` is reused.
void planMovieStrip(const CircuitModel& m, const RunResults& results, const ActivationRaster& raster,
                    int width, int height, bool whiteAxis, bool wideSpikes, int largeFonts,
                    MovieStripPlan& plan);

// The cursor's column at animation time a: trunc(a / stripMsPerPixel); -1 (no cursor)
// when the strip has no scale.
int movieCursorX(int a, double stripMsPerPixel);

}  // namespace quorel
