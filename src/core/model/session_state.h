#pragma once
// What a saved circuit set carries beside the circuit and the results: the memo,
// the stimulation history, the ECG caliper marks and view positions, the display
// choices of the views and the save format. The window shows it; core owns it so
// that the application and the command-line tool share one reader and one writer.

#include "engine/stimulation_history.h"

#include <string>
#include <vector>

namespace quorel {

constexpr int kMaxCaliperMarks = 20;

struct CaliperMark {
    double leftX = 0.0;         // pixel column
    double firstHeight = 0.0;   // fraction of the trace height at the first click
    double rightX = 0.0;
    double barHeight = 0.0;     // fraction of the trace height
    int intervalMs = 0;
};

struct ScrollBarState {
    int maximum = 0;
    int position = 0;
};

struct SessionState {
    std::vector<std::string> memoLines;
    StimulationHistory history;
    int caliperCount = 0;
    CaliperMark caliperMarks[kMaxCaliperMarks] = {};
    ScrollBarState scrollBar2;   // ECG page = scan step
    ScrollBarState scrollBar3{10, 5};   // ECG scale (ms per pixel, 1..10, default 5)
    ScrollBarState scrollBar4;   // ECG horizontal position
    int ecgFlagSize = 0;         // wideSpikes: CheckBox6 checked when 1
    int ecgFlagBClear = 1;       // clearLabelBrush: CheckBox7 checked when 0 (default unchecked)
    int displayErp = 0;          // CheckBoxERP ("display ERP")
    int saveFormat = 1;          // 0 "(1) QB compatible", 1 "(2) Original"
};

}  // namespace quorel
