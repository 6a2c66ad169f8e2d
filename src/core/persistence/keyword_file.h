#pragma once
// The keyword file (.mo1): the stimulation protocol, the display choices, the
// complete results of the last run and the ECG view state, as 22 keyword entries in
// a fixed order. Reals are written with six decimals from the full double value,
// "." whatever the locale; lines end in CR LF.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "persistence/file_problem.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorel {

constexpr int kKeywordEcgChannels = 16;   // channels 1..16 are stored

// A keyword file as read, before anything of it is applied.
struct KeywordFileData {
    int stimulusSite = 1;
    int stimulationMode = 1;
    int revolutionCount = 0;
    int revolutionsHeld = 0;              // second value of NUMBER-OF-REVOLUTION
    double scanDecrementMs = 0.0;
    int trainStimulusCount = 0;
    double pacingCycleLength = 0.0;
    double firstCouplingInterval = 0.0;
    double clockStep = 0.0;
    int displayAllSites = 0;
    int displayedSites[kDisplayedSiteSlots] = {};   // entries 1..10
    int ecgChannelSite[kEcgChannelSlots] = {};      // channels 1..16
    int siteCount = 0;                              // N of the RESULT counts
    std::unique_ptr<RunResults> results = createRunResults();   // counts, arrays, capture state
    int caliperCount = 0;
    CaliperMark caliperMarks[kMaxCaliperMarks] = {};
    ScrollBarState scrollBar4, scrollBar3, scrollBar2;
    int ecgFlagSize = 0;
    int ecgFlagBClear = 0;
    int displayErp = 0;
};

// Number of sites of the circuit as the circuit file counts them.
int circuitSiteCount(const CircuitModel& m);

std::string formatKeywordFile(const CircuitModel& m, const RunResults& results,
                              const SessionState& session);

// Parses and checks a whole file against a circuit of `siteCount` sites. On a fault
// the problem gives line and field (its path is left empty).
std::optional<FileProblem> parseKeywordFile(std::string_view text, int siteCount,
                                            KeywordFileData& data);

// Puts the file's values where the program keeps them: the protocol and display
// choices into the model (channel 17 follows the stimulus site), the results, the
// caliper marks, scroll bars and ECG flags into the session. The results are marked
// as loaded, so the animation plays them without a run.
void applyKeywordFile(const KeywordFileData& data, CircuitModel& m, RunResults& results,
                      SessionState& session);

// Empties the results: no scan steps, no revolutions, capture lamp off.
void clearRunResults(RunResults& results);

}  // namespace quorel
