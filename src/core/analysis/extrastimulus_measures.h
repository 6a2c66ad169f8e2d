#pragma once
// What a single extrastimulus did to the tachycardia, per scan step: the coupling
// interval, capture, the return cycle at the stimulus site, reset and termination.

#include "analysis/step_activations.h"

namespace quorel {

struct ExtrastimulusMeasures {
    int scanStep = 0;
    double stimulusTime = 0.0;  // s from the start of the step: the coupling interval of the step message
    double couplingInterval = kNotMeasured;     // stimulus - last activation of the stimulus site before it
    bool captured = false;                      // the stimulus activated its site
    double returnCycle = kNotMeasured;          // stimulus -> next activation of the stimulus site
    double returnMinusT = kNotMeasured;         // returnCycle - T
    bool returnFromStimulus = false;            // the returning wavefront descends from the stimulus
    bool reset = false;                         // advanced the tachycardia: less than compensatory pause
    bool terminated = false;                    // the circulation stopped after the stimulus
    double largestFusionIndex = 0.0;            // over the revolutions of the step
    double measuredCycleLength = kNotMeasured;  // at the stimulus site before the stimulus
};

// Measures of scan step `step` of a single-stimulus run; `scratch` holds the step while
// it is measured.
ExtrastimulusMeasures measureExtrastimulus(const AnalysisFrame& frame, const RunResults& results, int step,
                                           StepActivations& scratch);

}  // namespace quorel
