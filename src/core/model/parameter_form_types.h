#pragma once
// The records the parameter form hands to the window: pages, outcomes of an entry,
// what a page change or a rebuild produced, and the duties the rules ask for.

#include "engine/circuit_check.h"
#include "model/circuit_description.h"
#include "model/conduction.h"
#include "model/segment_table.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorel {

// The pages of the main window's page control, in their order (the index of a page
// is its position in the page control).
enum class FormPage {
    TabSheet_general,   // "param1"
    TabSheet_Out,       // "loop"
    TabSheet_delay,     // "delay"
    TabSheet_de1,       // "DE1"
    TabSheet_de2,       // "DE2"
    TabSheet_dc,        // "param2"
    TabSheet_bs,        // "check"
    TabSheet_des,       // "circuit"
    TabSheet_des2,      // "param3"
    TabSheet_param4,    // "param4"
    TabSheet_res1,      // "result"
    TabSheet_memo,      // "memo"
    TabSheet_prn,       // "prn / file"
    TabSheet_movie,     // "movie"
    TabSheet_ecgset,    // "ECG set"
    TabSheet_ecg,       // "ECG"
};
constexpr int kFormPageCount = 16;
constexpr int pageIndex(FormPage page) { return static_cast<int>(page); }

// The result of a text typed into a box or of leaving it.
struct EntryOutcome {
    bool accepted = true;   // false: the text is no number; the stored value stayed
    std::string error;      // the conversion error message to show
};

// Labels of "DE1" and "DE2" written for orientation at every page change.
struct OrientationLabels {
    std::string Label25, Label28;             // "DE1": n, connectionSite
    std::string Label34, Label37, Label39;    // "DE2": n, connectionSite, deadEnd1Site
};

// What start-up or a load computed for the pages of other parts.
struct RebuildResult {
    SegmentTable segments;            // SGDI and SGDI2
    CircuitCheckReport check;         // the page "check"
    CircuitDescription description;   // the page "circuit"
    LampState lamp = LampState::Blue;
    bool siteChoosersRefilled = false;    // ComboBoxS, ComboBoxMOV, ComboBoxE1..E16
    bool displayListsRefilled = false;    // ComboBox1..ComboBox10
};

// What a page change did and what the window must refresh. Besides what is listed,
// every page change disables the menu item EditE1, redraws the labels of the ECG
// page, switches the ECG marking mode off, tells a running movie to stop, and leaves
// the edit mode of SGDI (SpeedButton6 shows ImageEOFF).
struct PageChangeResult {
    FormPage page = FormPage::TabSheet_general;
    bool historyCleared = false;          // the stimulation history was emptied
    bool pushChangedParameters = false;   // the push corrected a value; derived model rebuilt again
    CircuitCheckReport check;             // always recomputed
    LampState lamp = LampState::Blue;
    std::unique_ptr<SegmentTable> segments;    // "param2" and "ECG set"
    std::optional<CvCurveTable> cvCurve;        // "param2": SGCVC for site 1
    std::optional<CircuitDescription> description;   // "circuit"
    bool siteChoosersRefilled = false;    // "param3", "ECG set", "movie" (when parametersChanged)
    bool displayListsRefilled = false;    // "param4" (when parametersChanged)
    bool refillResultSheet = false;       // "result": refill the sheet, update the status bar
    bool prepareMovie = false;            // "movie": scheme layout and movie page
    bool showEcg = false;                 // "ECG": the ECG page becomes the current view
};

// Duties the rules hand to the window.
enum class FormRequest {
    SchemeRefresh,       // rebuildCircuit has run: recompute the scheme layout and repaint it
    SchemeRepaint,       // recompute the scheme layout and repaint it (a switch changed)
    Layout,              // re-apply the window layout (a switch changed)
    ResultSheet,         // rebuildResultColumns and fillResultSheet ("all" / "selected-10")
    EcgChannelColours,   // the colours of ECG channels 1..16 changed
};

struct FormRequestCounts {
    int schemeRefresh = 0;
    int schemeRepaint = 0;
    int layout = 0;
    int resultSheet = 0;
    int ecgChannelColours = 0;
};

// The parameters that make up the numbering and shape of the circuit: a change of
// any of them marks the circuit as changed since the last run.
struct StructureSnapshot {
    double outerInnerRatio = 0.0;
    int innerSiteCount = 0, connectionSite = 0, outerSiteCount = 0;
    int delaySegmentCount = 0, deadEnd1SegmentCount = 0, deadEnd2SegmentCount = 0;
    int equalSegments = 0;
    bool operator==(const StructureSnapshot&) const = default;
};
StructureSnapshot structureOf(const CircuitModel& m);

// Every value a box or a switch holds, to see whether a pass through the boxes
// corrected anything.
std::vector<double> parameterValues(const CircuitModel& m);

}  // namespace quorel
