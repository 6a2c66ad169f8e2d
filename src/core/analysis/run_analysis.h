#pragma once
// The measures of a whole run, read from its result arrays: per scan step and the
// resetting curve for single extrastimuli, or the entrainment measures and the class
// of the stimulus site for a train.
//
// Usage (after runProtocol, or after a set with results was loaded):
//     RunAnalysis a = analyseRun(model, results, completedSteps);
//     if (a.train) show(a.trainMeasures, siteClassName(a.siteClass));
//     else plot(a.curve.points), show(resettingPatternName(a.curve.pattern));

#include "analysis/extrastimulus_measures.h"
#include "analysis/resetting_curve.h"
#include "analysis/site_class.h"
#include "analysis/train_measures.h"

#include <vector>

namespace quorel {

struct RunAnalysis {
    bool train = false;
    int scanSteps = 0;  // scan steps measured
    int stimulusSite = 0;
    int qrsSite = 0;
    double cycleLength = 0.0;                   // T, estimatedCycleLength
    double measuredCycleLength = kNotMeasured;  // at the stimulus site, unperturbed
    std::vector<ExtrastimulusMeasures> steps;   // single stimuli: scan steps 1..completed
    ResettingCurve curve;                       // single stimuli
    TrainMeasures trainMeasures;                // trains
    SiteClass siteClass = SiteClass::NotClassified;
};

// A single-stimulus scan in a few numbers, for a row per site.
struct ScanSummary {
    int steps = 0;
    int captured = 0;
    int reset = 0;
    int terminated = 0;
    double shortestReturn = kNotMeasured;
    double longestReturn = kNotMeasured;
};
ScanSummary summariseScan(const RunAnalysis& analysis);

// `completedSteps`: the scan steps the run copied into the results (all of a loaded
// set: results.scanCount). The protocol (mode, train) is the model's.
RunAnalysis analyseRun(const CircuitModel& model, const RunResults& results, int completedSteps);

}  // namespace quorel
