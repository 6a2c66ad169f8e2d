#include "analysis/extrastimulus_measures.h"

namespace quorel {

ExtrastimulusMeasures measureExtrastimulus(const AnalysisFrame& frame, const RunResults& results, int step,
                                           StepActivations& acts)
{
    ExtrastimulusMeasures m;
    m.scanStep = step;
    m.stimulusTime = results.ScanStepRecords[step].couplingInterval;
    const StimulusSchedule stimulus{m.stimulusTime, 0.0, 1};
    acts.read(frame, stimulus, results, step);
    const int S = frame.stimulusSite;

    m.largestFusionIndex = largestFusionIndex(results, step, frame.revolutions);
    m.measuredCycleLength = unperturbedCycleLength(acts, S, m.stimulusTime);
    if (const int before = acts.lastBefore(S, m.stimulusTime); before > 0)
        m.couplingInterval = m.stimulusTime - acts.time[S][before];

    const int capture = acts.firstOf(S, 1);
    m.captured = capture > 0 && acts.code[S][capture] == 3;
    if (!m.captured)
        return m;
    m.terminated = circulationStopped(frame, acts, m.stimulusTime);
    if (capture < acts.count[S]) {
        m.returnCycle = acts.time[S][capture + 1] - m.stimulusTime;
        m.returnMinusT = m.returnCycle - frame.T;
        m.returnFromStimulus = acts.originOf(S, capture + 1) == 1;
    }
    // A pause shorter than the compensatory 2 T after the activation before the
    // stimulus, brought by the stimulus's own wavefront: an extrastimulus that only
    // collided near its site lets the next front of the old circulation arrive early
    // at a site that recovered in time, and has not reset anything.
    m.reset = m.returnFromStimulus && isMeasured(m.couplingInterval) &&
        m.couplingInterval + m.returnCycle < 2.0 * frame.T;
    return m;
}

}  // namespace quorel
