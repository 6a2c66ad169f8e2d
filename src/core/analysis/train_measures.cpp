#include "analysis/train_measures.h"

#include <cmath>

namespace quorel {

namespace {

StimulusSchedule trainSchedule(const AnalysisFrame& frame)
{
    const CircuitLayout& L = frame.layout;
    StimulusSchedule s{L.firstCouplingInterval + L.T, L.pacingCycleLength, 0};
    for (int k = 1; k <= L.trainStimulusCount; ++k)
        if (s.timeOf(k) < frame.stepEnd)
            s.count = k;
    return s;
}

// Electrogram to QRS in the tachycardia before the train: the latest activation of the
// stimulus site that belongs to the tachycardia, to the first QRS onset from it on.
double electrogramToQrs(const AnalysisFrame& frame, StepActivations& acts, double before)
{
    const int S = frame.stimulusSite;
    for (int r = acts.count[S]; r >= 1; --r) {
        if (!(acts.time[S][r] < before) || acts.originOf(S, r) != kOriginTachycardia)
            continue;
        const int q = acts.firstFrom(frame.qrsSite, acts.time[S][r]);
        if (q > 0 && acts.originOf(frame.qrsSite, q) == kOriginTachycardia)
            return acts.time[frame.qrsSite][q] - acts.time[S][r];
    }
    return kNotMeasured;
}

}  // namespace

TrainMeasures measureTrain(const AnalysisFrame& frame, const RunResults& results, StepActivations& acts)
{
    TrainMeasures m;
    const StimulusSchedule stimuli = trainSchedule(frame);
    acts.read(frame, stimuli, results, 1);
    const int S = frame.stimulusSite;
    const int qrs = frame.qrsSite;
    m.stimulusCount = stimuli.count;
    m.largestFusionIndex = largestFusionIndex(results, 1, frame.revolutions);

    // Plane of the capture of each stimulus at the stimulus site.
    int capturePlane[kMaxRevolutions + 2] = {};
    for (int r = 1; r <= acts.count[S]; ++r) {
        const int number = acts.code[S][r] == 3 ? acts.originOf(S, r) : 0;
        if (number >= 1 && number <= stimuli.count && capturePlane[number] == 0) {
            capturePlane[number] = r;
            ++m.capturedCount;
            if (m.firstCaptured == 0)
                m.firstCaptured = number;
        }
    }
    const double firstCaptureTime = m.firstCaptured > 0 ? stimuli.timeOf(m.firstCaptured)
                                                        : (stimuli.count > 0 ? stimuli.first : frame.stepEnd);
    m.measuredCycleLength = unperturbedCycleLength(acts, S, firstCaptureTime);
    m.egmQrs = electrogramToQrs(frame, acts, firstCaptureTime);
    if (m.firstCaptured == 0)
        return m;

    m.capturedFromFirst = true;
    int last = 0;
    for (int k = m.firstCaptured; k <= stimuli.count; ++k) {
        if (capturePlane[k] == 0)
            m.capturedFromFirst = false;
        else
            last = k;
    }
    m.lastStimulusTime = stimuli.timeOf(last);
    m.concealedFusion = m.largestFusionIndex == 0.0;
    m.terminated = circulationStopped(frame, acts, stimuli.timeOf(stimuli.count));

    const int lastCapture = capturePlane[last];
    if (lastCapture < acts.count[S]) {
        m.ppi = acts.time[S][lastCapture + 1] - m.lastStimulusTime;
        m.ppiMinusT = m.ppi - frame.T;
    }
    const int lastQrs = acts.firstOf(qrs, last);
    if (lastQrs > 0) {
        m.sQrs = acts.time[qrs][lastQrs] - m.lastStimulusTime;
        m.sQrsOverT = m.sQrs / frame.T;
        if (isMeasured(m.egmQrs))
            m.sQrsMinusEgmQrs = m.sQrs - m.egmQrs;
    }
    const int previousQrs = last > 1 ? acts.firstOf(qrs, last - 1) : 0;
    if (lastQrs > 0 && previousQrs > 0)
        m.pacedQrsInterval = acts.time[qrs][lastQrs] - acts.time[qrs][previousQrs];

    // The tachycardia took the pacing rate: from the first capture on every stimulus
    // captured, the last two each drove their own QRS onset one pacing cycle apart,
    // and the circulation went on after the train, so that its return can be timed.
    m.entrained = m.capturedCount >= 2 && m.capturedFromFirst && isMeasured(m.pacedQrsInterval) &&
        std::abs(m.pacedQrsInterval - frame.layout.pacingCycleLength) <= kQrsFollowsPacingTolerance &&
        isMeasured(m.ppi) && !m.terminated;
    return m;
}

}  // namespace quorel
