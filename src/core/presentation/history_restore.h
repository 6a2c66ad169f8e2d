#pragma once
// A click on a row of the stimulation history puts that run's protocol back.

#include "engine/stimulation_history.h"
#include "model/parameter_form.h"

namespace quorel {

// Selects the row's stimulation mode and writes every non-empty cell into its box
// (site, rev., dec., num, S1-S1, R-S1) through the boxes' own rules, then recomputes
// the colours of ECG channels 1..16. A cell that is not a number stops the restore
// with the conversion message; what was restored before it stays applied. The window
// shows "param3" afterwards.
EntryOutcome restoreHistoryRow(ParameterForm& form, const HistoryRow& row);

}  // namespace quorel
