#include "presentation/result_messages.h"

#include "text/number_text.h"

namespace quorel {

const char* const kAntidromicNote = "antidromic activation does not include sties past1";

ResultMessages designTimeMessages()
{
    return {"Click <Calculation> button", "   if you are ready.", 0};
}

ResultMessages singleStimulusMessages(bool captured, double couplingInterval, double cycleLength,
                                      int site, const char* noteText)
{
    ResultMessages messages;
    messages.captureLamp = captured ? 1 : 0;
    messages.LabelRes1 = std::string(captured ? "Stimulus capture at coupling interval "
                                              : "No stimulus capture at coupling interval ") +
                         fixedText(couplingInterval, 4) + " (" +
                         fixedText(couplingInterval - cycleLength, 4) + ") " + "sec at site" +
                         std::to_string(site);
    if (captured && noteText)
        messages.LabelRes2 = noteText;
    return messages;
}

ResultMessages storedStepMessages(const ScanStepRecord& record, double cycleLength, bool runDone)
{
    const bool captured = record.captured == 1.0 || !runDone;
    return singleStimulusMessages(captured, record.couplingInterval, cycleLength,
                                  static_cast<int>(record.stimulusSite),
                                  record.noteFlag == -1.0 ? kAntidromicNote : "");
}

ResultMessages trainMessages(int captureCodeCount, int trainStimulusCount, int stimulusSite,
                             double firstCouplingInterval)
{
    ResultMessages messages;
    if (captureCodeCount < 1) {
        messages.LabelRes1 = "No stimulus capture at site" + std::to_string(stimulusSite);
    } else {
        messages.captureLamp = 1;
        messages.LabelRes1 = "Stimulus capture " + std::to_string(captureCodeCount) + " / " +
                             std::to_string(trainStimulusCount) + " times at site" +
                             std::to_string(stimulusSite);
    }
    messages.LabelRes2 = " coupling interval of first beat = " + fixedText(firstCouplingInterval, 4) + " sec";
    return messages;
}

ResultMessages storedTrainMessages(const RunResults& results)
{
    const ScanStepRecord& record = results.ScanStepRecords[1];
    const int stimuli = results.shownRevolutionCount > 5 ? results.shownRevolutionCount - 5 : 0;
    return trainMessages(results.captureCodeCount, stimuli, static_cast<int>(record.stimulusSite),
                         record.couplingInterval);
}

}  // namespace quorel
