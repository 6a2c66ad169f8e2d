#pragma once
// The summary of a scan step as the result sheet states it while a run is in
// progress: the record of the step in ScanStepRecords, the capture lamp and the two
// message lines LabelRes1 and LabelRes2.

#include "engine/run_results.h"
#include "engine/run_state.h"
#include "model/circuit_model.h"
#include "presentation/result_messages.h"   // ResultMessages and trainMessages

#include <string>

namespace quorel {

// Single stimuli: "Stimulus capture at coupling interval 0.5027 (0.2513) sec at site5"
// or "No stimulus capture at coupling interval ..."; the note line only with a capture.
ResultMessages singleStimulusMessages(bool captured, double couplingInterval,
                                      double estimatedCycleLength, int stimulusSite,
                                      const char* noteText);
// Trains: trainMessages of the result sheet ("Stimulus capture 3 / 5 times at site5"
// or "No stimulus capture at site5", and " coupling interval of first beat = 0.2000 sec").

// Writes the record of the current scan step and the capture lamp into the results
// and returns the two messages, as the result sheet does after every step of a run.
ResultMessages summariseScanStep(const RunState& state, RunResults& results);

}  // namespace quorel
