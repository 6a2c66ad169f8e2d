#pragma once
// The same protocol from every listed stimulus site: one run per site, spread over
// worker threads. Each worker owns its copy of the model, its run state and its
// results; the workers share only the list of sites to take and the slots of the
// answer, each slot written by the one worker that ran its site. The answer does not
// depend on the number of workers.
//
// Usage from a window (run it on a thread of its own and poll or listen):
//     SweepControl control;                       // lives until the sweep returns
//     control.siteFinished = [&](int site, int done, int total) { post progress };
//     std::vector<SweepSiteResult> rows = runSweep(model, options, control);
//     // control.cancel = true from the window's thread ends it early; the sites not
//     // run are reported as Cancelled.

#include "analysis/run_analysis.h"
#include "engine/run_driver.h"

#include <atomic>
#include <functional>
#include <vector>

namespace quorel {

struct SweepOptions {
    std::vector<int> sites;  // stimulus sites, each 1..totalSiteCount
    int jobs = 0;            // worker threads; 0: one per core
    EngineKind engine = EngineKind::Event;
    bool abortOnWarning = false;  // answer a run-time warning "start over" instead of "continue"
};

enum class SweepSiteStatus {
    Done,
    Aborted,    // a run-time warning ended the run (abortOnWarning); measures of the steps done
    Refused,    // the engine cannot run this stimulus site
    Cancelled,  // not run: the sweep was cancelled first
};
const char* sweepSiteStatusName(SweepSiteStatus status);

struct SweepSiteResult {
    int site = 0;
    SweepSiteStatus status = SweepSiteStatus::Cancelled;
    int warningCount = 0;  // run-time warnings the run raised
    int completedSteps = 0;
    RunAnalysis analysis;
};

struct SweepControl {
    std::atomic<bool> cancel{false};  // set from any thread; checked before every scan step
    std::atomic<int> sitesDone{0};
    // Called by the worker that finished a site, one call at a time.
    std::function<void(int site, int done, int total)> siteFinished;
};

// Worker threads for `jobs` (0: one per core) and `sites` sites: at least 1, at most one per site.
int sweepWorkerCount(int jobs, int sites);

// One row per entry of options.sites, in that order. `model` is read, never written,
// and must stay unchanged until the sweep returns.
std::vector<SweepSiteResult> runSweep(const CircuitModel& model, const SweepOptions& options,
                                      SweepControl& control);

}  // namespace quorel
