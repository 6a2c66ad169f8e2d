#include "analysis/run_analysis.h"

#include <algorithm>
#include <memory>

namespace quorel {

ScanSummary summariseScan(const RunAnalysis& analysis)
{
    ScanSummary summary;
    summary.steps = static_cast<int>(analysis.steps.size());
    for (const ExtrastimulusMeasures& s : analysis.steps) {
        summary.captured += s.captured ? 1 : 0;
        summary.reset += s.reset ? 1 : 0;
        summary.terminated += s.terminated ? 1 : 0;
        if (!isMeasured(s.returnCycle))
            continue;
        if (!isMeasured(summary.shortestReturn) || s.returnCycle < summary.shortestReturn)
            summary.shortestReturn = s.returnCycle;
        if (!isMeasured(summary.longestReturn) || s.returnCycle > summary.longestReturn)
            summary.longestReturn = s.returnCycle;
    }
    return summary;
}

RunAnalysis analyseRun(const CircuitModel& model, const RunResults& results, int completedSteps)
{
    RunAnalysis a;
    const AnalysisFrame frame = analysisFrameOf(model, results, completedSteps);
    a.train = frame.layout.trainMode == 1;
    a.stimulusSite = frame.stimulusSite;
    a.qrsSite = frame.qrsSite;
    a.cycleLength = frame.T;
    // Large (the planes of every site), so on the heap; read afresh for every step.
    const std::unique_ptr<StepActivations> scratch(new StepActivations);
    const int steps = std::clamp(std::min(completedSteps, results.scanCount), 0, kMaxScanSteps);
    a.scanSteps = steps;
    if (a.train) {
        a.siteClass = SiteClass::NotEntrained;
        if (steps < 1)
            return a;
        a.trainMeasures = measureTrain(frame, results, *scratch);
        a.measuredCycleLength = a.trainMeasures.measuredCycleLength;
        a.siteClass = classifySite(a.trainMeasures);
        return a;
    }
    for (int step = 1; step <= steps; ++step) {
        a.steps.push_back(measureExtrastimulus(frame, results, step, *scratch));
        if (!isMeasured(a.measuredCycleLength))
            a.measuredCycleLength = a.steps.back().measuredCycleLength;
    }
    a.curve = resettingCurve(a.steps);
    return a;
}

}  // namespace quorel
