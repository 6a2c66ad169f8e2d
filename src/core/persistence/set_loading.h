#pragma once
// Opening a circuit set as the program does: the files are read (loadCircuitSet), then the
// circuit passes through the parameter pages: the Yes/No switches, every box (whose rules
// may correct a value the file holds), the stimulation mode and the display choices. The
// window and the command-line tool both open sets through here.

#include "engine/run_results.h"
#include "model/parameter_form.h"
#include "model/session_state.h"
#include "persistence/circuit_set.h"

#include <string>
#include <vector>

namespace quorel {

struct FormLoadReport {
    LoadReport files;
    // Values the boxes' rules corrected on the way through, as
    // "connectionSite 19 corrected to 18".
    std::vector<std::string> corrections;
};

// A refused circuit file changes nothing (files.refused says why).
FormLoadReport loadCircuitSetThroughForm(const std::string& path, ParameterForm& form, RunResults& results,
                                         SessionState& session);

}  // namespace quorel
