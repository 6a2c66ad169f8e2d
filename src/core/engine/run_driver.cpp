#include "engine/run_driver.h"

#include "engine/event_loop.h"
#include "engine/measures.h"
#include "engine/run_history.h"
#include "engine/step_summary.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

constexpr int kActivationFields[] = {fieldTime, fieldCode, fieldActivationErp, fieldActivationDi,
                                     fieldAntidromic};

// Every step starts from empty activation planes, so that no time, code, ERP or
// antidromic fraction of an earlier step is read or copied as this step's. Field 7
// (the C.V. curve constants) and plane 0 are left alone.
void clearActivationPlanes(CircuitModel& m)
{
    for (int r = 1; r <= kMaxActivationPlane; ++r)
        for (int x = 0; x < kSiteRows; ++x)
            for (int field : kActivationFields)
                m.B[r][x][field] = 0.0;
}

void copyScanStep(RunContext& c, RunResults& results)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    const auto& B = c.model.B;
    const int step = st.scanStep;
    int captures = 0;
    for (int x = 1; x <= L.lastSite; ++x) {
        for (int r = 1; r <= st.shownRevolutionCount; ++r) {
            ActivationRecord& record = results.SiteActivation[step][x][r];
            record.time = B[r][x][fieldTime];
            record.code = B[r][x][fieldCode];
            record.erp = B[r][x][fieldActivationErp];
            // Site 1 is never stimulated itself; a code 3 there is the closing node's,
            // already counted.
            if (record.code == kCodeStimulus && x != 1)
                ++captures;
        }
    }
    for (int r = 1; r <= st.shownRevolutionCount; ++r) {
        results.RevolutionIndices[step][r].fusionIndex = st.fusionIndex[r];
        results.RevolutionIndices[step][r].antidromicFraction = B[r][L.stimulusSite][fieldAntidromic];
    }
    st.captureCodeCount = captures;
    results.captureCodeCount = captures;
}

}  // namespace

int scanStepCount(double estimatedCycleLength, double scanDecrementMs)
{
    const double steps = estimatedCycleLength / (0.001 * scanDecrementMs) + 1;
    if (!(steps < 82.0))   // also a decrement of 0
        return 80;
    if (steps < 1.0)
        return 1;
    return static_cast<int>(steps);
}

double singleStimulusTime(double estimatedCycleLength, int scanStep, double scanDecrementMs)
{
    return 2 * estimatedCycleLength - (scanStep - 1) * 0.001 * scanDecrementMs;
}

long long ticksPerScanStep(int shownRevolutionCount, double estimatedCycleLength, double clockStep)
{
    const double ticks = shownRevolutionCount * estimatedCycleLength / clockStep;
    if (!(ticks >= 0.0))
        return 4;
    return static_cast<long long>(std::min(ticks, 4.0e18)) + 4;
}

const char* runRefusal(const CircuitModel& m)
{
    const int n = m.innerSiteCount;
    if (n < 2 || m.outerSiteCount < 0 || m.delaySegmentCount < 0 || m.deadEnd1SegmentCount < 0 ||
        m.deadEnd2SegmentCount < 0 || m.pathSiteCount < 0)
        return "the circuit has a site count below its minimum";
    const int last = n + m.outerSiteCount + m.pathSiteCount + 1;
    // The kernel reads the site after the last one of every path.
    const int beyond = n + m.outerSiteCount + m.delaySegmentCount + m.deadEnd1SegmentCount +
                       m.deadEnd2SegmentCount + 2;
    if (last > kSiteRows - 2 || beyond > kStateSites - 1)
        return "the circuit has more than 98 sites";
    if (m.connectionSite < 1 || m.connectionSite > last)
        return "the connection site is not a site of the circuit";
    if (m.scarEntrySite < 0 || m.scarEntrySite >= kSiteRows)
        return "the scar entry site is not a site of the circuit";
    if (m.deadEnd1Site < 0 || m.deadEnd1Site >= kStateSites || m.deadEnd2Site < 0 ||
        m.deadEnd2Site >= kStateSites)
        return "a dead-end pathway is connected to a site outside the circuit";
    if (m.stimulusSite < 1 || m.stimulusSite > last)
        return "the stimulus site is not a site of the circuit";
    if (!(m.clockStep > 0.0) || !std::isfinite(m.clockStep))
        return "the scanning clock must be above 0";
    if (!(m.estimatedCycleLength > 0.0) || !std::isfinite(m.estimatedCycleLength))
        return "the estimated VT cycle length must be above 0";
    const int revolutions = m.stimulationMode == 1 ? m.revolutionCount : m.trainStimulusCount + 5;
    if (revolutions < 1 || revolutions > kMaxActivationPlane)
        return "the number of revolutions must be 1 to 39";
    return nullptr;
}

void beginRun(RunContext& c, RunResults& results)
{
    RunState& st = c.state;
    st.runInProgress = 1;
    st.runDone = 1;
    st.runBusy = 1;
    c.model.parametersChanged = 0;
    st.warningMode = kWarningsEnabled;
    st.runAborted = 0;
    st.abortAnswer = WarningAnswer::Continue;
    st.layout = layoutOf(c.model);
    const CircuitLayout& L = st.layout;

    // A run starts clean: sites outside the circuit hold no activation that the
    // kernel could read as a neighbour's, and no capture or fusion index of an
    // aborted run carries over.
    std::fill(std::begin(st.siteState), std::end(st.siteState), SiteState{});
    std::fill(std::begin(st.activationCount), std::end(st.activationCount), 0);
    std::fill(std::begin(st.fusionIndex), std::end(st.fusionIndex), 0.0);
    st.candidateSlots = CandidateSlots{};
    st.capturedFlag = 0;
    st.trainStimulusIndex = 0;
    st.captureCodeCount = 0;
    st.stimulusTime = 0.0;
    st.runNote = RunNote::None;
    st.lastShownTenths = 0;
    st.tick = 0;
    st.currentTime = 0.0;
    st.currentSite = 0;
    st.scanStep = 0;
    st.completedSteps = 0;

    if (L.trainMode == 0) {
        st.scanCount = scanStepCount(L.T, L.scanDecrementMs);
        st.shownRevolutionCount = L.revolutionCount;
    } else {
        st.trainStartTime = L.firstCouplingInterval + L.T;
        st.shownRevolutionCount = L.trainStimulusCount + 5;
        st.scanCount = 1;
    }
    results.scanCount = st.scanCount;
    results.shownRevolutionCount = st.shownRevolutionCount;
    results.resultsLoaded = 0;
}

void beginScanStep(RunContext& c, int scanStep)
{
    RunState& st = c.state;
    CircuitModel& m = c.model;
    const CircuitLayout& L = st.layout;
    st.scanStep = scanStep;
    c.hooks.scanStepStarting(scanStep);
    st.stimulusTime =
        L.trainMode == 1 ? st.trainStartTime : singleStimulusTime(L.T, scanStep, L.scanDecrementMs);
    st.stimulusDelivered = 0;

    clearActivationPlanes(m);
    std::fill(std::begin(st.conductionMemo), std::end(st.conductionMemo), ConductionMemo{});
    st.runNote = RunNote::None;   // a step's note speaks of that step alone

    for (int x = 2; x <= L.lastSite; ++x) {
        st.siteState[x] = SiteState{0.0, 0.0, 0.0, di(m, x)};
        st.activationCount[x] = 0;
    }
    // The first revolution starts at site 1 and at the closing node alike, both with
    // site 1's parameters.
    const SiteState start{0.0, kCodeOrthodromic, erp(m, 1), di(m, 1)};
    for (int x : {1, L.closingNode}) {
        st.siteState[x] = start;
        m.B[1][x][fieldTime] = 0.0;
        m.B[1][x][fieldCode] = kCodeOrthodromic;
        m.B[1][x][fieldActivationErp] = erp(m, 1);
        m.B[1][x][fieldActivationDi] = di(m, 1);
        st.activationCount[x] = 1;
    }
    st.trainStimulusIndex = 0;
}

void updateStatusTime(RunContext& c)
{
    RunState& st = c.state;
    const long long tenths = static_cast<long long>(10 * st.currentTime);
    if (tenths != st.lastShownTenths) {
        st.lastShownTenths = tenths;
        c.hooks.statusTimeChanged(st.currentTime);
    }
}

void runScanStepTicks(RunContext& c)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    const long long lastTick = ticksPerScanStep(st.shownRevolutionCount, L.T, L.clockStep);
    for (long long tick = 1; tick <= lastTick; ++tick) {
        st.tick = tick;
        st.currentTime = static_cast<double>(tick) * L.clockStep;
        updateStatusTime(c);
        for (int s = 2; s <= L.lastSite; ++s) {
            siteStep(c, s);
            if (st.runAborted != 0)
                return;
        }
    }
}

void finishScanStep(RunContext& c, RunResults& results)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    computeStepMeasures(c);
    copyScanStep(c, results);
    ResultMessages messages = summariseScanStep(st, results);
    st.completedSteps = st.scanStep;

    ScanStepReport report;
    report.scanStep = st.scanStep;
    report.scanCount = st.scanCount;
    report.currentTime = st.currentTime;
    report.captured = L.trainMode == 0 ? st.capturedFlag == 1 : st.captureCodeCount > 0;
    report.captureCodeCount = st.captureCodeCount;
    report.runNote = st.runNote;
    report.LabelRes1 = std::move(messages.LabelRes1);
    report.LabelRes2 = std::move(messages.LabelRes2);
    report.captureLamp = results.captureLamp;
    c.hooks.scanStepFinished(report);

    for (int r = 1; r <= st.shownRevolutionCount; ++r) {
        st.fusionIndex[r] = 0.0;
        c.model.B[r][L.stimulusSite][fieldAntidromic] = 0.0;
    }
    st.capturedFlag = 0;
}

RunOutcome endRun(RunContext& c)
{
    RunState& st = c.state;
    RunEndReport report;
    report.aborted = st.runAborted != 0;
    report.abortAnswer = st.abortAnswer;
    report.completedSteps = st.completedSteps;
    report.scanCount = st.scanCount;
    report.currentTime = st.currentTime;
    st.runInProgress = 0;
    st.runAborted = 0;
    st.warningMode = kWarningsEnabled;
    report.historyRow = makeHistoryRow(c.model, c.hooks.historyTimeText());
    c.hooks.runEnded(report);
    st.runBusy = 0;
    return report.aborted ? RunOutcome::Aborted : RunOutcome::Completed;
}

RunOutcome runProtocol(CircuitModel& m, RunState& state, RunResults& results, RunHooks& hooks,
                       EngineKind engine)
{
    if (state.runBusy != 0)
        return RunOutcome::Busy;
    if (runRefusal(m) != nullptr)
        return RunOutcome::Refused;
    std::unique_ptr<EventLoop> events;   // once per run, never inside a scan step
    if (engine == EngineKind::Event)
        events = createEventLoop();
    RunContext c{m, state, hooks};
    beginRun(c, results);
    if (events)
        prepareEventLoop(*events, state.layout);
    for (int step = 1; step <= state.scanCount; ++step) {
        beginScanStep(c, step);
        if (events)
            runScanStepEvents(c, *events);
        else
            runScanStepTicks(c);
        if (state.runAborted != 0)
            break;   // the interrupted step is neither copied nor summarised
        finishScanStep(c, results);
    }
    return endRun(c);
}

}  // namespace quorel
