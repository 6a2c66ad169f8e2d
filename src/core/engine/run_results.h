#pragma once
// The results of the last run (or of a loaded file): per scan step, site and
// revolution. Index 0 of every dimension is not written. The arrays are large
// (SiteActivation alone is about 8 MB), so RunResults lives on the heap, once.

#include <memory>

namespace quorel {

constexpr int kMaxScanSteps = 81;      // scan steps 1..81
constexpr int kMaxResultSites = 100;   // sites 1..100
constexpr int kMaxRevolutions = 40;    // revolutions 1..40

struct ActivationRecord {
    double time = 0.0;   // s
    double code = 0.0;   // activation code as a small whole number
    double erp = 0.0;    // s
};

struct RevolutionIndex {
    double fusionIndex = 0.0;
    double antidromicFraction = 0.0;
};

// Per-step summary of the result sheet, stored in the keyword file as four reals.
struct ScanStepRecord {
    double couplingInterval = 0.0;   // stimulusTime, or firstCouplingInterval for a train
    double stimulusSite = 0.0;
    double noteFlag = 0.0;           // -1.0: the step produced a run note, +1.0: it did not
    double captured = 0.0;           // 1.0 or 0.0
};

struct RunResults {
    ActivationRecord SiteActivation[kMaxScanSteps + 1][kMaxResultSites + 1][kMaxRevolutions + 1] = {};
    RevolutionIndex RevolutionIndices[kMaxScanSteps + 1][kMaxRevolutions + 1] = {};
    ScanStepRecord ScanStepRecords[kMaxScanSteps + 1] = {};
    int shownRevolutionCount = 0;   // revolutions held per scan step
    int scanCount = 0;              // scan steps held
    int captureCodeCount = 0;       // activations with code 3 (last step of a run, all of a loaded file)
    int captureLamp = 0;            // 1: ImageCB (captured), 0: ImageCR
    int resultsLoaded = 0;          // results came from a keyword file: the animation plays them as they are
};

inline std::unique_ptr<RunResults> createRunResults() { return std::make_unique<RunResults>(); }

}  // namespace quorel
