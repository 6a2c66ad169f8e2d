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

// "Stimulus capture at coupling interval 0.4527 (0.2014) sec at site5" or its
// "No stimulus capture ..." twin.
std::string couplingMessage(bool captured, double couplingInterval, double cycleLength, int site);

// A single-stimulus step browsed after the run (or loaded from a file), from its record.
// Before the first run of the program every step reads as captured.
ResultMessages storedStepMessages(const ScanStepRecord& record, double cycleLength, bool runDone);

// A train: the capture count of the step and the first coupling interval.
ResultMessages trainMessages(int captureCodeCount, int trainStimulusCount, int stimulusSite,
                             double firstCouplingInterval);

}  // namespace quorel
