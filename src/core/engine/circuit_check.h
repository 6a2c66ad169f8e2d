#pragma once
// The circuit check of the page "check", the three-colour status lamp, and the
// texts of the two run-time warnings.

#include "model/circuit_model.h"

#include <string>
#include <vector>

namespace quorel {

enum class LampState { Blue, Yellow, Red };

// One reported segment: a column of SGBS2 (loop) or SGBS (dead-end pathway).
struct CheckColumn {
    std::string site;   // "9->10" in SGBS2, "33" in SGBS
    std::string cv, erp, sf;
};

// Which labels of the page "check" are shown, and the two grids' columns.
struct CircuitCheckReport {
    bool Label84 = true;   // dead-end table title; shown at the start of every check
    bool Label85 = false, Label86 = false, Label87 = false, Label88 = false;
    bool Label89 = false, Label90 = false, Label91 = false;
    bool Label146 = false, Label148 = false, Label149 = false, Label150 = false;
    bool Label151 = false, Label152 = false, Label153 = false, Label154 = false;
    bool gridsVisible = false;                // SGBS and SGBS2
    std::vector<CheckColumn> loopColumns;     // SGBS2, after the title column
    std::vector<CheckColumn> deadEndColumns;  // SGBS, after the title column
    LampState lamp = LampState::Blue;
};

// Captions of the labels of the page "check", shown by the window and printed by the
// command-line tool.
namespace CheckCaption {
inline constexpr const char* Label79 = "two dead-end pathways cannot be connected to the same site";
inline constexpr const char* Label84 = "The conduction time from the ";
inline constexpr const char* Label85 = "are whithin 10 msec of the refractory period at one of the sites";
inline constexpr const char* Label86 = "This may allow inappropriate activition of a site during antidromic";
inline constexpr const char* Label87 = "dead-end pathway site to site";
inline constexpr const char* Label88 = "wavefront propagation";
inline constexpr const char* Label89 = "from site to site";
inline constexpr const char* Label90 = "The conduction time";
inline constexpr const char* Label91 = "***** ERROR *****";
inline constexpr const char* Label146 = "Stimulus site is outside inner loop ";
inline constexpr const char* Label148 = "----> antidromic activation will not be calculated";
inline constexpr const char* Label149 = "Dead-end pathway containing stimulus site is not connected to inner loop";
inline constexpr const char* Label150 = "----> antidromic activation will not be calculated";
inline constexpr const char* Label151 = "***** WARNING *****";
inline constexpr const char* Label152 = "input number of segments from site1 to QRS onset";
inline constexpr const char* Label153 = "input number of segments in the dead-end pathway";
inline constexpr const char* Label154 = "input number of segments in the second dead-end pathway";
}  // namespace CheckCaption

// Row titles of SGBS and SGBS2.
extern const char* const kCheckRowTitles[4];

// True when both dead-end pathways are on and share their connection site.
bool deadEndsConflict(const CircuitModel& m);

// Recomputes deadEndConflict, the three warning flags and checkError, and returns the
// page's contents.
CircuitCheckReport runCircuitCheck(CircuitModel& m);

// Lamp state from the flags as they stand (also sets checkError).
LampState evaluateLamp(CircuitModel& m);

// stimulusSiteWarning as the stimulus-site chooser recomputes it.
bool stimulusOutsideInnerLoop(const CircuitModel& m);
bool stimulusOnUnconnectedDeadEnd(const CircuitModel& m);

// The five labels of the run-time warning dialog.
struct WarningTexts {
    std::string Label1, Label2, Label3, Label4, Label5;
};
WarningTexts conductionWarningTexts(int source, int target, double clockStep, double conductionTime);
WarningTexts refractoryWarningTexts(int source, int target);

}  // namespace quorel
