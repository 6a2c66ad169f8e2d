#pragma once
// The companion files beside a circuit file: the keyword file (.mo1), the memo
// (.mo2) and the stimulation history (.mo3). They take the circuit file's name with
// its extension replaced. Saving in the format "(2) Original" writes them; loading
// reads whichever of them exist.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "persistence/file_problem.h"

#include <string>
#include <vector>

namespace quorel {

struct CompanionPaths {
    std::string keyword;   // .mo1
    std::string memo;      // .mo2
    std::string history;   // .mo3
};

// a.cir gives a.mo1, a.mo2, a.mo3; a name with another extension or none alike.
CompanionPaths companionPaths(const std::string& circuitPath);

// True when the path ends in one of the companion extensions (any letter case), so
// that saving the companions beside it would overwrite the circuit file itself.
bool hasCompanionExtension(const std::string& path);

// Writes the memo (only when it has lines), the history (only when it has rows) and
// the keyword file, each atomically. An empty memo or history leaves an older file
// of that name in place. Returns the files that could not be written; the others
// are written all the same.
std::vector<FileProblem> writeCompanionFiles(const std::string& circuitPath, const CircuitModel& m,
                                             const RunResults& results,
                                             const SessionState& session);

struct CompanionReadReport {
    bool keywordFileRead = false;
    std::vector<FileProblem> damaged;   // files that exist but were not applied
};

// Called right after the circuit file was read into the model. Clears the memo and
// reads each companion file that exists, applying only the files that parsed
// completely; derives the four Yes/No switches and rebuilds the derived model and
// the site lists. With a keyword file its protocol, display choices, results and
// ECG state are applied; without one (or with a damaged one) there are no caliper
// marks and no results. Sites beyond the loaded circuit become site 1.
CompanionReadReport readCompanionFiles(const std::string& circuitPath, CircuitModel& m,
                                       RunResults& results, SessionState& session);

}  // namespace quorel
