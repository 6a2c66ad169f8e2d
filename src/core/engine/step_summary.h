#pragma once
// The summary of a scan step as the result sheet states it while a run is in
// progress: the record of the step in ScanStepRecords, the capture lamp and the two
// message lines LabelRes1 and LabelRes2.

#include "engine/run_results.h"
#include "engine/run_state.h"
#include "model/circuit_model.h"
#include "presentation/result_messages.h"

#include <string>

namespace quorel {

// Writes the record of the current scan step and the capture lamp into the results
// and returns the two messages, as the result sheet does after every step of a run.
ResultMessages summariseScanStep(const RunState& state, RunResults& results);

}  // namespace quorel
