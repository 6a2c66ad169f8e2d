#pragma once
// The two message lines above the result sheet (LabelRes1, LabelRes2).

#include "engine/run_results.h"
#include "model/circuit_model.h"

#include <string>

namespace quorel {

struct ResultMessages {
    std::string LabelRes1;
    std::string LabelRes2;
    int captureLamp = 0;   // 1: ImageCB, 0: ImageCR
};

extern const char* const kAntidromicNote;   // the run note of a penetration past site 1

// Before any run: "Click <Calculation> button" / "   if you are ready.".
ResultMessages designTimeMessages();

// Single stimuli: "Stimulus capture at coupling interval 0.4527 (0.2013) sec at site5"
// or "No stimulus capture at coupling interval ..."; the note line only with a capture.
ResultMessages singleStimulusMessages(bool captured, double couplingInterval, double cycleLength,
                                      int site, const char* noteText);

// A single-stimulus step browsed after the run (or loaded from a file), from its record.
// Before the first run of the program every step reads as captured.
ResultMessages storedStepMessages(const ScanStepRecord& record, double cycleLength, bool runDone);

// Trains: "Stimulus capture 3 / 5 times at site5" or "No stimulus capture at site5", and
// " coupling interval of first beat = 0.2000 sec".
ResultMessages trainMessages(int captureCodeCount, int trainStimulusCount, int stimulusSite,
                             double firstCouplingInterval);

// A train's result shown again after its run (or loaded from a file), from the results
// alone: the site and coupling interval of its step record, its capture count, and the
// train's stimulus count (a train shows its stimuli + 5 revolutions). A protocol edited
// since the run does not change what the results are said to be.
ResultMessages storedTrainMessages(const RunResults& results);

}  // namespace quorel
