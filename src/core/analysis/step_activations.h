#pragma once
// The activations of one scan step read back from the result arrays, site by site,
// each with the wavefront it belongs to. Every measure of resetting and entrainment
// is computed from these after a run, never inside the time loop, so that both time
// loops and a set loaded from a file give the same figures.
//
// The wavefront of an activation is found by walking back through the activation
// codes: a code 1 came from the preceding site of its loop or path, a code 2 from the
// following one, a code 5, 6 or 7 from the site the kernel takes it from; each step
// back goes to the latest activation of that source before this one. The walk ends at
// the start of the tachycardia (site 1 at time 0) or at a stimulus capture.

#include "engine/run_results.h"
#include "engine/run_state.h"
#include "model/circuit_model.h"

#include <cmath>
#include <limits>

namespace quorel {

// A measure that could not be taken (no capture, no later activation recorded, ...).
inline constexpr double kNotMeasured = std::numeric_limits<double>::quiet_NaN();
inline bool isMeasured(double value)
{
    return !std::isnan(value);
}

// What the analysis of a run needs to know besides the result arrays.
struct AnalysisFrame {
    CircuitLayout layout;  // circuit and protocol of the run
    int stimulusSite = 0;
    int qrsSite = 0;       // the last delay site, or site 1 without a delay path
    int revolutions = 0;   // activations recorded per site and scan step
    double T = 0.0;        // estimatedCycleLength, s
    double Q = 0.0;        // clockStep, s
    double stepEnd = 0.0;  // time of the last tick of a scan step, s
};

// The frame of the results of `model`: its layout, with the stimulus site of the
// results' first step record when the run completed that step (`completedSteps` >= 1).
AnalysisFrame analysisFrameOf(const CircuitModel& model, const RunResults& results, int completedSteps);

// Wavefront of an activation.
constexpr int kOriginUnknown = -1;     // a source's record ended before it (or no source)
constexpr int kOriginTachycardia = 0;  // the circulation that started at site 1 at time 0
// 1, 2, ...: the stimulus of that number (a single extrastimulus is number 1).

// The stimuli that fell due in a scan step: a single extrastimulus, or a train.
struct StimulusSchedule {
    double first = 0.0;     // time of stimulus 1, s
    double interval = 0.0;  // pacing cycle length of a train, s (0 for one stimulus)
    int count = 0;          // stimuli due before the end of the step
    double timeOf(int number) const { return first + (number - 1) * interval; }
    // Number of the stimulus due at `t` (a capture takes the stimulus time), 0 when none.
    int numberAt(double t) const;
};

// One scan step read back from the results. The wavefront of an activation is traced
// when it is first asked for and kept.
class StepActivations {
public:
    // Reads scan step `step` of the results; `frame` must outlive the object's use.
    void read(const AnalysisFrame& frame, const StimulusSchedule& stimuli, const RunResults& results,
              int step);

    int count[kMaxResultSites + 1] = {};  // activations recorded per site
    double time[kMaxResultSites + 1][kMaxRevolutions + 1];
    int code[kMaxResultSites + 1][kMaxRevolutions + 1];
    double erp[kMaxResultSites + 1][kMaxRevolutions + 1];
    int revolutions = 0;  // planes per site; a site with this many may have had more

    bool full(int site) const { return count[site] >= revolutions; }
    // Plane of the latest activation of `site` strictly before `t`, 0 when none.
    int lastBefore(int site, double t) const;
    // Plane of the first activation of `site` with time >= `t`, 0 when none recorded.
    int firstFrom(int site, double t) const;
    // The wavefront of activation `plane` of `site`.
    int originOf(int site, int plane);
    // Plane of the first activation of `site` belonging to `origin`, 0 when none.
    int firstOf(int site, int origin);

private:
    struct Cause {
        int origin;       // the wavefront when the walk ends here
        int site, plane;  // else the activation it came from
    };
    Cause causeOf(int site, int plane) const;

    static constexpr int kUnresolved = -2;
    const AnalysisFrame* frame_ = nullptr;
    StimulusSchedule stimuli_;
    int origin_[kMaxResultSites + 1][kMaxRevolutions + 1];
    struct Pending {
        int site, plane;
    };
    Pending walk_[(kMaxResultSites + 1) * (kMaxRevolutions + 1)];
};

// The circulation has stopped: site 1, through which every revolution of either loop
// passes, holds all its activations of the step (its record is not full), was last
// activated more than 1.5 T before the end of the step, and at least 2 T of the step
// followed `lastStimulusTime`. False when the step is too short to tell.
bool circulationStopped(const AnalysisFrame& frame, const StepActivations& acts, double lastStimulusTime);

// The largest fusion index of the revolutions of a scan step.
double largestFusionIndex(const RunResults& results, int step, int revolutions);

// Cycle length of the unperturbed tachycardia at `site`: the interval between its last
// two activations before `before` that both belong to the tachycardia.
double unperturbedCycleLength(StepActivations& acts, int site, double before);

}  // namespace quorel
