#pragma once
// The propagation kernel: what happens at one site in one clock tick. A time loop
// (the tick-by-tick loop of the run driver, or any loop that picks the (tick, site)
// pairs that can matter) sets tick, currentTime and currentSite and calls siteStep.
// Nothing here allocates, formats text or calls a hook except a firing warning.

#include "engine/run_hooks.h"
#include "engine/run_state.h"
#include "model/circuit_model.h"

#include <cmath>

namespace quorel {

// Everything a site-step reads and writes.
struct RunContext {
    CircuitModel& model;   // B: plane 0 and the curve constants read, planes 1..39 written
    RunState& state;
    RunHooks& hooks;
};

// One source evaluated for the current site (the slot ConductionRequest).
struct ConductionRequest {
    int segment = 0;          // row whose sf, cvOffset and N1 apply
    int source = 0;
    double sourceDi = 0.0;    // diastolic interval of the source
    double length = 0.0;      // m
};

// Velocity factor of segment X after a diastolic interval: the C.V. curve (m/s).
inline double velocityFactor(const CircuitModel& m, int segment, double di)
{
    return 1.0 - std::exp(-N1(m, segment) * (sf(m, segment) * di + cvOffset(m, segment)));
}

// Conduction time of a segment: length / v. False, with no time, when v is not above
// 0 (degenerate curve constants): such a segment conducts nothing and warns of nothing.
inline bool conductionTime(const CircuitModel& m, int segment, double sourceDi, double length,
                           double& ct)
{
    const double v = velocityFactor(m, segment, sourceDi);
    if (!(v > 0.0))
        return false;
    ct = length / v;
    return true;
}

// Arrival time of the request's wavefront at currentSite when it falls in the current
// tick (both ends included) and the site is excitable; 0 otherwise. Raises the two
// run-time warnings while they are enabled.
double computeArrival(RunContext& c, const ConductionRequest& request);

// Candidates of codes 1, 2, 5, 7 (loop sites 2..n + m + 1) and 1, 2 (paths).
void propagateLoopSite(RunContext& c, int s);
void propagateDelaySite(RunContext& c, int s);
void propagateDeadEndSite(RunContext& c, int s);

// Candidates of codes 6 and 3, then the winner: the earliest arrival, ties to the
// lower code. Returns the winning code, 0 when there is no candidate.
int selectActivation(RunContext& c, int s);
void applyActivation(RunContext& c, int s);
void advanceTrain(RunState& state);
void recordActivation(RunContext& c, int s);
// ERP of activation r of site s; updates refractoryEnd (and for r > 1 the diastolic
// interval) of the site. r may exceed the last plane: the state still follows the law.
double computeRefractoryPeriod(RunContext& c, int s, int r);

// One site at the current tick: dispatch, propagate, select, apply, advance the train,
// record, clear the slots. Returns true when the site was activated. Stops at once
// when a warning aborts the run (state.runAborted).
bool siteStep(RunContext& c, int s);

}  // namespace quorel
