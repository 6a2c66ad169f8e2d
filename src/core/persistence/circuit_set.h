#pragma once
// Loading and saving a whole circuit set: the circuit file and its companion files.
// The window and the command-line tool both use these; the window adds its
// "please wait" window, title, recent files and the push through the boxes.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "persistence/file_problem.h"

#include <optional>
#include <string>
#include <vector>

namespace quorel {

struct LoadReport {
    bool loaded = false;             // the circuit file was read and applied
    bool keywordFileRead = false;    // protocol, display choices and results came from .mo1
    std::optional<FileProblem> refused;   // why the circuit file was refused; nothing changed
    std::vector<FileProblem> damaged;     // companion files that were not applied
    // One message per problem, the refusal first.
    std::vector<std::string> messages() const;
};

// Reads the circuit file; a file that cannot be opened, is incomplete or holds
// values the program cannot work with is refused, and the model, memo, history,
// results and session stay exactly as they were. Otherwise: parametersChanged and
// loadingFile are set, the history is cleared, the circuit applied, the companion
// files read (each applied only when complete), the model rebuilt, and both flags
// cleared at the end.
LoadReport loadCircuitSet(const std::string& path, CircuitModel& m, RunResults& results,
                          SessionState& session);

struct SaveReport {
    bool circuitSaved = false;
    std::vector<FileProblem> problems;   // files that could not be written; their old files stay
    bool ok() const { return circuitSaved && problems.empty(); }
    std::vector<std::string> messages() const;
};

// Brings the derived values up to date (so that the header's path count and the
// rows written agree with the segment counts), writes the circuit file and, when
// session.saveFormat is 1, the companion files. A circuit file that cannot be
// written stops the save before any companion file.
SaveReport saveCircuitSet(const std::string& path, CircuitModel& m, const RunResults& results,
                          const SessionState& session);

}  // namespace quorel
