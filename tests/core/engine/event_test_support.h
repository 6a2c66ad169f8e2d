#pragma once
// Runs one model through both time loops and compares everything a run leaves behind,
// bit for bit; and a generator of random circuits and protocols within the entry limits.

#include "engine/arrival_prediction.h"
#include "engine_test_support.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace quorel::testing {

// Everything observable after a run.
struct EngineRun {
    RunOutcome outcome = RunOutcome::Refused;
    std::unique_ptr<CircuitModel> model;
    std::unique_ptr<RunState> state = createRunState();
    std::unique_ptr<RunResults> results = createRunResults();
    RecordingHooks hooks;
    std::vector<std::pair<long long, int>> statusTickAndSite;   // the state seen by each status call
};

inline std::unique_ptr<EngineRun> runEngine(const CircuitModel& model, EngineKind engine,
                                            const std::vector<WarningAnswer>& answers)
{
    auto run = std::make_unique<EngineRun>();
    run->model = std::make_unique<CircuitModel>(model);
    run->hooks.state = run->state.get();
    run->hooks.answers = answers;
    EngineRun* r = run.get();
    run->hooks.onStatusTime = [r](double) { r->statusTickAndSite.emplace_back(r->state->tick, r->state->currentSite); };
    run->outcome = runProtocol(*run->model, *run->state, *run->results, run->hooks, engine);
    return run;
}

template <typename T>
bool sameBits(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// The first element of two equally shaped double arrays whose bits differ, or -1.
inline long firstDifference(const double* a, const double* b, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (std::memcmp(a + i, b + i, sizeof(double)) != 0)
            return static_cast<long>(i);
    return -1;
}

// Adds a failure naming the first differing element of `what` and returns false.
template <typename Array>
bool expectSameArray(const Array& tick, const Array& event, const char* what, const std::string& label)
{
    constexpr std::size_t bytes = sizeof(Array);   // arrays of doubles or of records of doubles
    static_assert(bytes % sizeof(double) == 0);
    const long i = firstDifference(reinterpret_cast<const double*>(&tick),
                                   reinterpret_cast<const double*>(&event), bytes / sizeof(double));
    if (i < 0)
        return true;
    ADD_FAILURE() << label << ": " << what << " differs at flat index " << i << ": tick "
                  << reinterpret_cast<const double*>(&tick)[i] << ", event "
                  << reinterpret_cast<const double*>(&event)[i];
    return false;
}

inline bool sameReport(const ScanStepReport& a, const ScanStepReport& b)
{
    return a.scanStep == b.scanStep && a.scanCount == b.scanCount && sameBits(a.currentTime, b.currentTime) &&
           a.captured == b.captured && a.captureCodeCount == b.captureCodeCount && a.runNote == b.runNote &&
           a.LabelRes1 == b.LabelRes1 && a.LabelRes2 == b.LabelRes2 && a.captureLamp == b.captureLamp;
}

inline bool sameWarning(const RunWarning& a, const RunWarning& b)
{
    return a.kind == b.kind && a.source == b.source && a.target == b.target &&
           sameBits(a.conductionTime, b.conductionTime) && sameBits(a.clockStep, b.clockStep) &&
           a.scanStep == b.scanStep && a.tick == b.tick;
}

inline bool sameEnd(const RunEndReport& a, const RunEndReport& b)
{
    const HistoryRow &x = a.historyRow, &y = b.historyRow;
    return a.aborted == b.aborted && a.abortAnswer == b.abortAnswer && a.completedSteps == b.completedSteps &&
           a.scanCount == b.scanCount && sameBits(a.currentTime, b.currentTime) && x.time == y.time &&
           x.mode == y.mode && x.site == y.site && x.revolutions == y.revolutions &&
           x.decrement == y.decrement && x.stimuli == y.stimuli &&
           x.pacingCycleLength == y.pacingCycleLength && x.couplingInterval == y.couplingInterval;
}

template <typename T, typename Same>
bool sameSequence(const std::vector<T>& a, const std::vector<T>& b, Same same)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i]))
            return false;
    return true;
}

// Compares two runs of the same model; every difference is a test failure naming
// `label`. Returns true when they agree.
inline bool expectIdenticalRuns(const EngineRun& tick, const EngineRun& event, const std::string& label)
{
    bool same = true;
    auto check = [&](bool ok, const char* what) {
        if (!ok) {
            ADD_FAILURE() << label << ": " << what << " differs";
            same = false;
        }
    };
    check(tick.outcome == event.outcome, "the outcome");

    const RunResults &a = *tick.results, &b = *event.results;
    same &= expectSameArray(a.SiteActivation, b.SiteActivation, "SiteActivation", label);
    same &= expectSameArray(a.RevolutionIndices, b.RevolutionIndices, "RevolutionIndices", label);
    same &= expectSameArray(a.ScanStepRecords, b.ScanStepRecords, "ScanStepRecords", label);
    check(a.shownRevolutionCount == b.shownRevolutionCount && a.scanCount == b.scanCount &&
              a.captureCodeCount == b.captureCodeCount && a.captureLamp == b.captureLamp &&
              a.resultsLoaded == b.resultsLoaded,
          "the result counts");
    same &= expectSameArray(tick.model->B, event.model->B, "B", label);

    const RunState &s = *tick.state, &t = *event.state;
    same &= expectSameArray(s.siteState, t.siteState, "SiteState", label);
    same &= expectSameArray(s.fusionIndex, t.fusionIndex, "fusionIndex", label);
    check(std::equal(std::begin(s.activationCount), std::end(s.activationCount), std::begin(t.activationCount)),
          "activationCount");
    check(s.scanCount == t.scanCount && s.scanStep == t.scanStep && s.completedSteps == t.completedSteps &&
              s.shownRevolutionCount == t.shownRevolutionCount,
          "the step counts");
    check(sameBits(s.stimulusTime, t.stimulusTime) && s.trainStimulusIndex == t.trainStimulusIndex &&
              s.capturedFlag == t.capturedFlag && s.captureCodeCount == t.captureCodeCount &&
              sameBits(s.trainStartTime, t.trainStartTime),
          "the stimulus schedule");
    check(s.tick == t.tick && sameBits(s.currentTime, t.currentTime) && s.currentSite == t.currentSite &&
              s.lastShownTenths == t.lastShownTenths,
          "tick, currentTime or currentSite");
    check(s.runNote == t.runNote && s.warningMode == t.warningMode && s.runAborted == t.runAborted &&
              s.abortAnswer == t.abortAnswer && s.runBusy == t.runBusy && s.runInProgress == t.runInProgress,
          "the run flags");

    const RecordingHooks &h = tick.hooks, &k = event.hooks;
    check(h.events == k.events, "the order of the hook calls");
    check(sameSequence(h.statusTimes, k.statusTimes, sameBits<double>) && h.statusTimeSteps == k.statusTimeSteps,
          "the status-bar times");
    check(tick.statusTickAndSite == event.statusTickAndSite, "the tick and site seen by the status-bar calls");
    check(sameSequence(h.warnings, k.warnings, sameWarning), "the warnings (kind, sites, step, tick)");
    check(sameSequence(h.steps, k.steps, sameReport), "the step reports");
    check(h.activationCounts == k.activationCounts, "the activation counts after each step");
    check(sameSequence(h.ends, k.ends, sameEnd), "the end report");
    return same;
}

inline bool expectEnginesAgree(const CircuitModel& model, const std::vector<WarningAnswer>& answers,
                               const std::string& label)
{
    auto tick = runEngine(model, EngineKind::Tick, answers);
    auto event = runEngine(model, EngineKind::Event, answers);
    return expectIdenticalRuns(*tick, *event, label);
}

// Random numbers from the engine std::mt19937_64 alone, so that a case number names
// the same case with every standard library.
class CaseRandom {
public:
    explicit CaseRandom(std::uint64_t seed) : engine_(seed) {}
    double uniform(double lo, double hi)
    {
        return lo + (hi - lo) * static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    int integer(int lo, int hi)   // lo..hi inclusive
    {
        return lo + static_cast<int>(engine_() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }

private:
    std::mt19937_64 engine_;
};

struct RandomCase {
    std::unique_ptr<CircuitModel> model;
    std::vector<WarningAnswer> answers;
    std::string description;
};

// Site-steps of the tick loop for the model as it stands.
inline double tickLoopSiteSteps(const CircuitModel& m)
{
    const bool single = m.stimulationMode == 1;
    const int revolutions = single ? m.revolutionCount : m.trainStimulusCount + 5;
    const int steps = single ? scanStepCount(m.estimatedCycleLength, m.scanDecrementMs) : 1;
    return static_cast<double>(steps) *
           static_cast<double>(ticksPerScanStep(revolutions, m.estimatedCycleLength, m.clockStep)) *
           (m.totalSiteCount - 1);
}

// A circuit and protocol within the entry limits (a second pathway without the
// first, which only a file can hold, now and then as well), with revolutions and
// scan steps cut until the tick loop needs at most `budget` site-steps.
inline RandomCase randomCase(CaseRandom& r, double clockStep, bool single, double budget)
{
    for (;;) {
        auto m = createModel();
        CircuitModel& c = *m;
        c.innerSiteCount = r.integer(11, 40);
        c.connectionSite = r.integer(9, std::min(c.innerSiteCount - 2, 38));
        c.equalSegments = r.chance(0.3) ? 1 : 0;
        c.outerSiteCount = c.equalSegments ? c.connectionSite - 2 : r.integer(7, 42);
        c.outerInnerRatio = c.equalSegments ? 1.0 : r.uniform(0.3, 3.0);
        c.circuitRadius = r.uniform(0.01, 0.04);
        const int outerEnd = c.innerSiteCount + c.outerSiteCount + 1;
        c.scarEntrySite = r.integer(c.innerSiteCount + 2, outerEnd);
        if ((c.hasDelayPath = r.chance(0.4) ? 1 : 0)) {
            c.delaySegmentCount = r.integer(1, 5);
            c.delayDistanceCm = r.uniform(0.1, 5.0);
        }
        if ((c.hasDeadEnd1 = r.chance(0.4) ? 1 : 0)) {
            c.deadEnd1SegmentCount = r.integer(1, 5);
            c.deadEnd1Site = r.integer(1, outerEnd);
            c.deadEnd1DistanceCm = r.uniform(0.1, 5.0);
        }
        if ((c.hasDeadEnd2 = r.chance(c.hasDeadEnd1 ? 0.5 : 0.1) ? 1 : 0)) {
            c.deadEnd2SegmentCount = r.integer(1, 5);
            c.deadEnd2Site = c.hasDeadEnd1 && r.chance(0.15) ? c.deadEnd1Site : r.integer(1, outerEnd);
            c.deadEnd2DistanceCm = r.uniform(0.1, 5.0);
        }
        const bool shortErps = r.chance(0.2);
        const bool decremental = r.chance(0.4);
        for (int x = 1; x < kSiteRows; ++x) {
            cv(c, x) = r.uniform(0.15, 0.95);
            erp(c, x) = shortErps && r.chance(0.2) ? r.uniform(0.001, 0.03) : r.uniform(0.06, 0.3);
            sf(c, x) = decremental ? r.uniform(0.0, 0.9) : 0.0;
        }
        if (r.chance(0.05))
            erp(c, r.integer(1, 98)) = 0.99;   // at or above the cycle length: degenerate curve constants
        c.clockStep = clockStep;
        c.stimulationMode = single ? 1 : 0;
        c.revolutionCount = r.integer(1, 30);
        c.scanDecrementMs = r.chance(0.5) ? r.integer(1, 100) : r.uniform(1.0, 100.0);
        c.trainStimulusCount = r.integer(1, 25);
        c.pacingCycleLength = r.chance(0.1) ? r.uniform(0.001, 0.05) : r.uniform(0.05, 0.99);
        c.firstCouplingInterval = r.uniform(0.001, 1.0);
        refreshDerivedModel(c);
        c.stimulusSite = r.integer(1, c.totalSiteCount);

        while (tickLoopSiteSteps(c) > budget) {
            if (single && c.revolutionCount > 1)
                c.revolutionCount = std::max(1, c.revolutionCount * 2 / 3);
            else if (single && c.scanDecrementMs < 100.0)
                c.scanDecrementMs = std::min(100.0, c.scanDecrementMs * 1.5);
            else if (!single && c.trainStimulusCount > 1)
                c.trainStimulusCount = std::max(1, c.trainStimulusCount * 2 / 3);
            else
                break;
        }
        if (tickLoopSiteSteps(c) > budget)
            continue;   // a circuit too slow for this clock: draw another

        RandomCase out;
        const double answer = r.uniform(0.0, 1.0);
        out.answers = {answer < 0.5    ? WarningAnswer::Continue
                       : answer < 0.75 ? WarningAnswer::StartOver
                                       : WarningAnswer::ResetInterval};
        std::ostringstream d;
        d << "n " << c.innerSiteCount << ", m " << c.outerSiteCount << ", J " << c.connectionSite << ", P "
          << c.scarEntrySite << ", D " << c.delaySegmentCount << ", E1 " << c.deadEnd1SegmentCount << " at "
          << c.deadEnd1Site << ", E2 " << c.deadEnd2SegmentCount << " at " << c.deadEnd2Site << ", radius "
          << c.circuitRadius << ", Q " << c.clockStep << ", stimulus site " << c.stimulusSite
          << (single ? ", single, revolutions " : ", train, stimuli ")
          << (single ? c.revolutionCount : c.trainStimulusCount) << ", decrement " << c.scanDecrementMs
          << ", S1-S1 " << c.pacingCycleLength << ", R-S1 " << c.firstCouplingInterval << ", answer "
          << static_cast<int>(out.answers[0]);
        out.description = d.str();
        out.model = std::move(m);
        return out;
    }
}

}  // namespace quorel::testing
