#include "engine/step_summary.h"

#include "text/number_text.h"

namespace quorel {

ResultMessages singleStimulusMessages(bool captured, double couplingInterval,
                                      double estimatedCycleLength, int stimulusSite,
                                      const char* noteText)
{
    const std::string interval = fixedText(couplingInterval, 4) + " (" +
                                 fixedText(couplingInterval - estimatedCycleLength, 4) + ") " +
                                 "sec at site" + std::to_string(stimulusSite);
    ResultMessages messages;
    if (captured) {
        messages.LabelRes1 = "Stimulus capture at coupling interval " + interval;
        messages.LabelRes2 = noteText;
    } else {
        messages.LabelRes1 = "No stimulus capture at coupling interval " + interval;
    }
    return messages;
}

ResultMessages summariseScanStep(const RunState& state, RunResults& results)
{
    const CircuitLayout& L = state.layout;
    ScanStepRecord& record = results.ScanStepRecords[state.scanStep];
    if (L.trainMode == 0) {
        const bool captured = state.capturedFlag == 1;
        const bool noted = state.runNote != RunNote::None;
        results.captureLamp = captured ? 1 : 0;
        record.couplingInterval = state.stimulusTime;
        record.stimulusSite = L.stimulusSite;
        record.noteFlag = noted ? -1.0 : 1.0;
        record.captured = state.capturedFlag;
        return singleStimulusMessages(captured, state.stimulusTime, L.T, L.stimulusSite,
                                      noted ? runNoteText(state.runNote) : "");
    }
    const bool captured = state.captureCodeCount >= 1;
    results.captureLamp = captured ? 1 : 0;
    record.couplingInterval = L.firstCouplingInterval;
    record.stimulusSite = L.stimulusSite;
    record.noteFlag = 1.0;
    record.captured = captured ? 1.0 : 0.0;
    return trainMessages(state.captureCodeCount, L.trainStimulusCount, L.stimulusSite,
                         L.firstCouplingInterval);
}

}  // namespace quorel
