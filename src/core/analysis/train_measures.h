#pragma once
// What a train did to the tachycardia: captures, entrainment, the post-pacing
// interval, stimulus-to-QRS against electrogram-to-QRS, fusion and termination.

#include "analysis/step_activations.h"

namespace quorel {

// The QRS onsets of the last two paced beats may differ from the pacing cycle length
// by this much while the latencies settle (decremental conduction), s.
constexpr double kQrsFollowsPacingTolerance = 0.005;

struct TrainMeasures {
    int stimulusCount = 0;  // stimuli that fell due within the step
    int capturedCount = 0;
    int firstCaptured = 0;                   // number of the first stimulus that captured, 0 for none
    bool capturedFromFirst = false;          // every stimulus from the first capture on captured
    double lastStimulusTime = kNotMeasured;  // the last stimulus that captured, s
    double pacedQrsInterval = kNotMeasured;  // between the QRS onsets of the last two stimuli
    bool entrained = false;
    double ppi = kNotMeasured;  // post-pacing interval at the stimulus site
    double ppiMinusT = kNotMeasured;
    double sQrs = kNotMeasured;    // last stimulus -> the QRS onset it produced
    double egmQrs = kNotMeasured;  // stimulus site -> following QRS onset, unperturbed
    double sQrsMinusEgmQrs = kNotMeasured;
    double sQrsOverT = kNotMeasured;
    double largestFusionIndex = 0.0;  // over the revolutions of the run
    bool concealedFusion = false;     // captured, and the fusion index 0 in every revolution
    bool terminated = false;
    double measuredCycleLength = kNotMeasured;  // at the stimulus site before the first capture
};

// Measures of the (single) scan step of a train run; `scratch` holds the step while it
// is measured.
TrainMeasures measureTrain(const AnalysisFrame& frame, const RunResults& results, StepActivations& scratch);

}  // namespace quorel
