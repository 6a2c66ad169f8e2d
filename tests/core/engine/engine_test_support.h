#pragma once
// Recording fakes and fixtures shared by the engine tests.

#include "engine/kernel.h"
#include "engine/run_driver.h"
#include "model/circuit_construction.h"
#include "model/conduction.h"

#include <functional>
#include <string>
#include <vector>

namespace quorel::testing {

inline void setAllErp(CircuitModel& m, double value)
{
    for (int x = 1; x < kSiteRows; ++x)
        erp(m, x) = value;
    refreshDerivedModel(m);
}

// Records every call in order; answers warnings from a script (Continue when it runs out).
class RecordingHooks : public RunHooks {
public:
    RunState* state = nullptr;   // when set, per-step snapshots of activationCount are kept

    std::vector<std::string> events;   // "start 1", "finish 1", "warning", "end"
    std::vector<int> startedSteps;
    std::vector<ScanStepReport> steps;
    std::vector<double> statusTimes;
    std::vector<int> statusTimeSteps;   // scan step current at each status time
    std::vector<RunWarning> warnings;
    std::vector<WarningAnswer> answers;   // answered in order
    std::vector<RunEndReport> ends;
    std::vector<std::vector<int>> activationCounts;   // per finished step, sites 0..100
    std::function<void(int)> onStepStarting;
    std::function<void(double)> onStatusTime;
    std::function<void()> onStepFinished;
    int currentStep = 0;

    void scanStepStarting(int scanStep) override
    {
        currentStep = scanStep;
        events.push_back("start " + std::to_string(scanStep));
        startedSteps.push_back(scanStep);
        if (onStepStarting)
            onStepStarting(scanStep);
    }
    void scanStepFinished(const ScanStepReport& report) override
    {
        events.push_back("finish " + std::to_string(report.scanStep));
        steps.push_back(report);
        if (state != nullptr)
            activationCounts.emplace_back(std::begin(state->activationCount),
                                          std::end(state->activationCount));
        if (onStepFinished)
            onStepFinished();
    }
    void statusTimeChanged(double currentTime) override
    {
        statusTimes.push_back(currentTime);
        statusTimeSteps.push_back(currentStep);
        if (onStatusTime)
            onStatusTime(currentTime);
    }
    WarningAnswer runWarning(const RunWarning& warning) override
    {
        events.push_back("warning");
        warnings.push_back(warning);
        const std::size_t i = warnings.size() - 1;
        return i < answers.size() ? answers[i] : WarningAnswer::Continue;
    }
    void runEnded(const RunEndReport& report) override
    {
        events.push_back("end");
        ends.push_back(report);
    }
    std::string historyTimeText() override { return "2026/01/02 03:04:05"; }
};

// A model, a run state prepared for scan step 1, and a context for calling the kernel
// operations one at a time.
struct KernelBench {
    std::unique_ptr<CircuitModel> model = createModel();
    std::unique_ptr<RunState> state = createRunState();
    std::unique_ptr<RunResults> results = createRunResults();
    RecordingHooks hooks;
    RunContext context{*model, *state, hooks};

    // Starts a run and its first scan step from the model as it stands.
    void start()
    {
        beginRun(context, *results);
        beginScanStep(context, 1);
    }
    // Places the kernel at a tick and a site, as the time loop does.
    void at(long long tick, int site)
    {
        state->tick = tick;
        state->currentTime = static_cast<double>(tick) * model->clockStep;
        state->currentSite = site;
    }
    SiteState& site(int x) { return state->siteState[x]; }
    // Conduction time of a segment from a source with the given DI.
    double ct(int segment, double sourceDi, double length) const
    {
        double value = 0.0;
        conductionTime(*model, segment, sourceDi, length, value);
        return value;
    }
    // An activation time for `source` whose wavefront, conduction time ct, arrives at
    // exactly `arrival` (the floating-point sum source time + ct equals it).
    static double timeArrivingAt(double arrival, double ct)
    {
        double t = arrival - ct;
        for (int i = 0; i < 64 && t + ct != arrival; ++i)
            t = std::nextafter(t, t + ct < arrival ? 1e9 : -1e9);
        return t;
    }
};

}  // namespace quorel::testing
