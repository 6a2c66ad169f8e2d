#pragma once
// The activation raster: for each of the 18 ECG channels, the milliseconds of the
// shown scan step in which the channel's site is activated. It is built from the
// results alone, once per run, load, step change or channel change, and read by
// every paint of the strip, the movie strip and the report.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "presentation/ecg_geometry.h"

#include <cstdint>
#include <memory>

namespace quorel {

struct ActivationRaster {
    // activationRaster: a cell is 1 when the channel's site is activated in that
    // millisecond, else 0.
    std::int16_t cells[kEcgChannelSlots][kEcgRasterCells] = {};
    // The same marks as a list per channel, in the order of the revolutions and each
    // millisecond once: a channel holds at most one mark per revolution, so a paint
    // looks at these few instead of every cell.
    int markCount[kEcgChannelSlots] = {};
    int markMs[kEcgChannelSlots][kMaxRevolutions] = {};
    int ecgLastMarkMs = 0;  // the largest millisecond marked, 0 when none
    int captureLamp = 0;    // 1 when the shown step holds a stimulus capture (code 3)
    int step = 0;           // the scan step shown; 0 when there is none
};

// About 470 KB: allocated once and kept as long as the program.
inline std::unique_ptr<ActivationRaster> createActivationRaster()
{
    return std::make_unique<ActivationRaster>();
}

// The scan step the strip shows: 1 for a train; for single stimuli ScrollBar2's
// position, minus 1 while a run is in progress (the step being computed is not
// finished), at most the last step held. 0 when there is no step to show.
int ecgRasterStep(const CircuitModel& m, const RunResults& results, int scrollBar2Position,
                  bool runInProgress);

// buildActivationRaster: sets the QRS reference channel 0 (qrsSite with a delay path,
// else site 1), clears the raster and marks, for every channel 0..17 and revolution
// 1..shownRevolutionCount of `step`, the millisecond trunc(time x 1000) when the time
// lies in 0 <= time < 13 s; ecgLastMarkMs follows. The capture lamp goes on when any
// site 1..totalSiteCount of the step has code 3 and off otherwise; it is also written
// into results.captureLamp, which the status bar shows. Step 0 (no results) leaves the
// raster empty and the lamp off. Channels holding no valid site stay empty.
// ScrollBar4's maximum and position follow the new ecgLastMarkMs (see
// ecg_scrolling.h): `view` gives the scale and width.
void buildActivationRaster(CircuitModel& m, RunResults& results, int step, const EcgView& view,
                           ScrollBarState& scrollBar4, ActivationRaster& raster);

}  // namespace quorel
