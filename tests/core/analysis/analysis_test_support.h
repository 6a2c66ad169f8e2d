#pragma once
// Circuits built for the analysis tests and a run straight through the engine.

#include "analysis/run_analysis.h"
#include "engine/run_driver.h"

#include <memory>

namespace quorel::testing {

// The default circuit (20 inner sites, 8 outer, common pathway 10..20, scar entry at 26,
// every C.V. 0.5 m/s and ERP 0.2 s, T = 0.2513 s) with a train of `stimuli` stimuli at
// `site`, 30 ms faster than the tachycardia.
inline std::unique_ptr<CircuitModel> trainCircuit(int site, int stimuli = 25)
{
    auto m = createModel();
    m->stimulationMode = 0;
    m->trainStimulusCount = stimuli;
    m->pacingCycleLength = 0.23;
    m->firstCouplingInterval = 0.2;
    m->stimulusSite = site;
    return m;
}

struct AnalysedRun {
    std::unique_ptr<RunResults> results = createRunResults();
    RunOutcome outcome = RunOutcome::Refused;
    RunAnalysis analysis;
};

// Runs the model's protocol (warnings answered "continue") and analyses the results.
inline std::unique_ptr<AnalysedRun> runAndAnalyse(CircuitModel& m, RunHooks* hooks = nullptr)
{
    auto run = std::make_unique<AnalysedRun>();
    auto state = createRunState();
    RunHooks quiet;
    run->outcome = runProtocol(m, *state, *run->results, hooks ? *hooks : quiet);
    run->analysis = analyseRun(m, *run->results, state->completedSteps);
    return run;
}

}  // namespace quorel::testing
