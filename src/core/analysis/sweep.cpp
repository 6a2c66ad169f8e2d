#include "analysis/sweep.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

namespace quorel {

namespace {

// The hooks of one worker's runs: count the warnings, answer them, and stop the run
// at the next scan step once the sweep is cancelled.
class SweepHooks : public RunHooks {
public:
    SweepHooks(RunState& state, const SweepOptions& options, SweepControl& control)
        : state_(state), options_(options), control_(control)
    {
    }

    void scanStepStarting(int /*scanStep*/) override
    {
        // The run's own abort path: the step is skipped and the run ends.
        if (control_.cancel.load(std::memory_order_relaxed)) {
            state_.runAborted = 1;
            cancelled = true;
        }
    }
    WarningAnswer runWarning(const RunWarning& /*warning*/) override
    {
        ++warningCount;
        return options_.abortOnWarning ? WarningAnswer::StartOver : WarningAnswer::Continue;
    }
    void runEnded(const RunEndReport& report) override { completedSteps = report.completedSteps; }
    // The history row is not kept; no clock is read.
    std::string historyTimeText() override { return {}; }

    int warningCount = 0;
    int completedSteps = 0;
    bool cancelled = false;

private:
    RunState& state_;
    const SweepOptions& options_;
    SweepControl& control_;
};

struct Worker {
    std::unique_ptr<CircuitModel> model;
    std::unique_ptr<RunState> state;
    std::unique_ptr<RunResults> results;
};

void runSite(Worker& w, const SweepOptions& options, SweepControl& control, SweepSiteResult& row)
{
    CircuitModel& m = *w.model;
    m.stimulusSite = row.site;
    if (runRefusal(m) != nullptr) {
        row.status = SweepSiteStatus::Refused;
        return;
    }
    *w.state = RunState{};
    SweepHooks hooks(*w.state, options, control);
    const RunOutcome outcome = runProtocol(m, *w.state, *w.results, hooks, options.engine);
    row.warningCount = hooks.warningCount;
    row.completedSteps = hooks.completedSteps;
    if (hooks.cancelled) {
        row.status = SweepSiteStatus::Cancelled;
        return;
    }
    row.status = outcome == RunOutcome::Aborted ? SweepSiteStatus::Aborted : SweepSiteStatus::Done;
    row.analysis = analyseRun(m, *w.results, row.completedSteps);
}

}  // namespace

const char* sweepSiteStatusName(SweepSiteStatus status)
{
    switch (status) {
    case SweepSiteStatus::Done:
        return "done";
    case SweepSiteStatus::Aborted:
        return "aborted";
    case SweepSiteStatus::Refused:
        return "refused";
    case SweepSiteStatus::Cancelled:
        break;
    }
    return "cancelled";
}

int sweepWorkerCount(int jobs, int sites)
{
    int workers = jobs > 0 ? jobs : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(workers, 1, std::max(1, sites));
}

std::vector<SweepSiteResult> runSweep(const CircuitModel& model, const SweepOptions& options,
                                      SweepControl& control)
{
    const int total = static_cast<int>(options.sites.size());
    std::vector<SweepSiteResult> rows(options.sites.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].site = options.sites[i];
    if (total == 0)
        return rows;

    std::atomic<int> next{0};
    std::mutex reportMutex;
    auto work = [&] {
        Worker w{std::make_unique<CircuitModel>(model), createRunState(), createRunResults()};
        for (int i = next.fetch_add(1); i < total; i = next.fetch_add(1)) {
            if (control.cancel.load(std::memory_order_relaxed))
                break;  // this and the remaining rows stay Cancelled
            SweepSiteResult& row = rows[static_cast<std::size_t>(i)];
            runSite(w, options, control, row);
            if (row.status == SweepSiteStatus::Cancelled)
                break;
            const int done = control.sitesDone.fetch_add(1) + 1;
            if (control.siteFinished) {
                const std::lock_guard<std::mutex> lock(reportMutex);
                control.siteFinished(row.site, done, total);
            }
        }
    };
    const int workers = sweepWorkerCount(options.jobs, total);
    std::vector<std::thread> threads;
    for (int k = 1; k < workers; ++k)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    return rows;
}

}  // namespace quorel
