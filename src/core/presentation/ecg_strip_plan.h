#pragma once
// Everything a paint of the strip (PaintBox2) needs, as plain data: per channel the
// pen colour, the baseline and the marked pixel columns; the spike shape; the time
// axis. The widget fills the background black and draws, in this order, for each
// channel its spikes (pen width 1) and then its baseline across the full width (pen
// width 2), then the ticks and second texts, then the axis line at H - 1 (pen width 2),
// then the calipers (calipers.h).

#include "presentation/ecg_raster.h"
#include "presentation/ecg_time_axis.h"

#include <vector>

namespace quorel {

constexpr Rgb kEcgBackground = 0x000000;

struct EcgChannelTrace {
    int site = 0;
    Rgb colour = kYellow;  // ecgChannelColour
    int baselineY = 0;     // y(i), or the mouse height while its label is dragged
    int columnCount = 0;   // marked columns, ascending, each once, within 0..W
    int columns[kMaxRevolutions] = {};
};

struct EcgStripPlan {
    EcgView view;
    EcgStripGeometry geometry;
    SpikeShape spike;  // drawn at every marked column of every channel
    EcgChannelTrace channels[kEcgTraceChannels];
    std::vector<EcgTick> ticks;   // reused from paint to paint
    bool clearLabelBrush = true;  // second texts on a transparent background, else on grey
};

// A channel label being dragged moves its trace: channel `channel` gets its baseline
// at `baselineY` (the mouse height on the label strip). Channel 0 means none.
struct DraggedTrace {
    int channel = 0;
    int baselineY = 0;
};

// Whether a channel shows the spike of millisecond 0. A record of a site that was not
// activated in a revolution holds time 0, so the column holding millisecond 0 is left
// out except for site 1 and the closing node innerSiteCount + 1, where the wavefront
// really starts at 0.
bool showsMillisecondZero(const CircuitModel& m, int site);

// Fills `plan` for the view: a column 0..W is marked when any millisecond of its range
// (below 13000) is set in the channel's raster. The ticks vector keeps its storage.
void planEcgStrip(const CircuitModel& m, const ActivationRaster& raster, const EcgView& view, bool wideSpikes,
                  bool clearLabelBrush, DraggedTrace dragged, EcgStripPlan& plan);

}  // namespace quorel
