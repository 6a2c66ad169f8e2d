#pragma once
// The event-driven time loop of a scan step. It evaluates the same siteStep as the
// tick-by-tick loop, in the same order (increasing tick, and within a tick increasing
// site), but only at the (tick, site) pairs at which the step can change something;
// every pair it skips is one at which the kernel would have done nothing. The results,
// the hooks' calls and the run state it leaves are those of the tick loop, to the bit.
//
// After the step of s at tick k: when s activated, every site v whose step reads s is
// predicted again from tick k if v > s (its step at k is still to come and will see
// the activation) and from k + 1 otherwise; when it did not, s alone from k + 1 (an
// arrival exactly on a tick or a stimulus window spanning two ticks gets its second
// chance so). The status-bar time is sent at the ticks at which the tick loop sends it.
// Like the kernel's conduction memo, the predictions take the model's site parameters
// as fixed during a scan step: hooks must not change them then (the window only paints).

#include "engine/arrival_prediction.h"
#include "engine/event_queue.h"
#include "engine/link_lists.h"

#include <memory>

namespace quorel {

// Everything the event loop keeps for a run: about 50 KB, allocated once per run.
struct EventLoop {
    LinkLists links;
    LinkConductionCache conduction;
    EventQueue queue;
    long long siteStepsEvaluated = 0;   // over the run, for the benchmarks
};

inline std::unique_ptr<EventLoop> createEventLoop() { return std::make_unique<EventLoop>(); }

// The link lists of the run; after beginRun, which takes the layout from the model.
void prepareEventLoop(EventLoop& loop, const CircuitLayout& layout);

// The time loop of the current scan step (after beginScanStep); returns early on an
// abort, leaving tick, currentTime and currentSite at the aborting site-step.
void runScanStepEvents(RunContext& c, EventLoop& loop);

}  // namespace quorel
