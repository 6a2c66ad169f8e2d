#include "engine/run_driver.h"

#include "engine_test_support.h"
#include "text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace quorel;
using quorel::testing::RecordingHooks;
using quorel::testing::setAllErp;

namespace {

struct ProtocolRun {
    std::unique_ptr<CircuitModel> model = createModel();
    std::unique_ptr<RunState> state = createRunState();
    std::unique_ptr<RunResults> results = createRunResults();
    RecordingHooks hooks;

    ProtocolRun() { hooks.state = state.get(); }
    RunOutcome go() { return runProtocol(*model, *state, *results, hooks); }
    const ActivationRecord& at(int step, int site, int revolution) const
    {
        return results->SiteActivation[step][site][revolution];
    }
};

using Texts = std::vector<std::string>;

Texts columns(const HistoryRow& r)
{
    return {r.time, r.mode, r.site, r.revolutions, r.decrement, r.stimuli, r.pacingCycleLength,
            r.couplingInterval};
}

Texts couplingIntervals(const ProtocolRun& run)
{
    Texts out;
    for (int s = 1; s <= run.results->scanCount; ++s)
        out.push_back(fixedText(run.results->ScanStepRecords[s].couplingInterval, 4));
    return out;
}

}  // namespace

TEST(ScanSteps, CountFollowsTheCycleLengthAndTheDecrement)
{
    EXPECT_EQ(scanStepCount(0.251327, 50.0), 6);   // trunc(5.0265 + 1)
    EXPECT_EQ(scanStepCount(0.0809, 1.0), 81);     // 81.9 stays 81
    ASSERT_EQ(0.081 / (0.001 * 1.0) + 1, 82.0);
    EXPECT_EQ(scanStepCount(0.081, 1.0), 80);      // 82.0 and more become 80
    EXPECT_EQ(scanStepCount(0.5, 1.0), 80);
    EXPECT_EQ(scanStepCount(0.5, 0.0), 80);        // no decrement: as many as allowed, no crash
    EXPECT_EQ(singleStimulusTime(0.25, 1, 50.0), 0.5);
    EXPECT_EQ(ticksPerScanStep(5, 0.251327, 0.001), 1260);   // trunc(1256.6) + 4
}

TEST(RunProtocol, DefaultScanNeverStimulatesSiteOne)
{
    ProtocolRun run;
    run.model->parametersChanged = 1;
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    const RunResults& res = *run.results;
    ASSERT_EQ(res.scanCount, 6);
    EXPECT_EQ(res.shownRevolutionCount, 5);
    EXPECT_EQ(couplingIntervals(run),
              (Texts{"0.5027", "0.4527", "0.4027", "0.3527", "0.3027", "0.2527"}));
    EXPECT_EQ(run.hooks.events, (Texts{"start 1", "finish 1", "start 2", "finish 2", "start 3",
                                       "finish 3", "start 4", "finish 4", "start 5", "finish 5",
                                       "start 6", "finish 6", "end"}));
    ASSERT_EQ(run.hooks.steps.size(), 6u);
    EXPECT_EQ(run.hooks.steps[0].LabelRes1,
              "No stimulus capture at coupling interval 0.5027 (0.2513) sec at site1");
    EXPECT_EQ(run.hooks.steps[5].LabelRes1,
              "No stimulus capture at coupling interval 0.2527 (0.0013) sec at site1");
    for (int s = 1; s <= 6; ++s) {
        const ScanStepReport& report = run.hooks.steps[static_cast<size_t>(s - 1)];
        EXPECT_EQ(report.scanStep, s);
        EXPECT_FALSE(report.captured);
        EXPECT_EQ(report.LabelRes2, "");
        EXPECT_EQ(report.currentTime, 1260 * 0.001);   // the last tick of the step
        const ScanStepRecord& record = res.ScanStepRecords[s];
        EXPECT_EQ((std::vector<double>{record.stimulusSite, record.noteFlag, record.captured}),
                  (std::vector<double>{1.0, 1.0, 0.0}));
        for (int x = 1; x <= 29; ++x)
            for (int r = 1; r <= 5; ++r)
                EXPECT_NE(run.at(s, x, r).code, 3.0);
    }
    EXPECT_EQ(res.captureCodeCount, 0);
    EXPECT_EQ(res.captureLamp, 0);

    // The wavefront as worked out by hand: site 2 one segment (0.0126 s) after site 1,
    // site 1 again after one cycle length, mirrored by the closing node.
    const double ct = run.model->innerSpacing / 0.5;
    EXPECT_EQ(run.at(1, 1, 1).time, 0.0);
    EXPECT_EQ(run.at(1, 1, 1).code, 1.0);
    EXPECT_EQ(run.at(1, 1, 1).erp, 0.2);
    EXPECT_NEAR(run.at(1, 2, 1).time, ct, 1e-12);
    EXPECT_EQ(run.at(1, 2, 1).erp, 0.2);
    EXPECT_NEAR(run.at(1, 1, 2).time, 0.2513, 1e-4);
    EXPECT_NEAR(run.at(1, 1, 2).erp, 0.2, 1e-9);
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(run.at(1, 1, r).time, run.at(1, 21, r).time);
        EXPECT_EQ(run.at(1, 1, r).code, run.at(1, 21, r).code);
    }

    ASSERT_EQ(run.hooks.ends.size(), 1u);
    EXPECT_FALSE(run.hooks.ends[0].aborted);
    EXPECT_EQ(run.hooks.ends[0].completedSteps, 6);
    EXPECT_EQ(columns(run.hooks.ends[0].historyRow),
              (Texts{"2026/01/02 03:04:05", "Single", "1", "5", "50", "1", "", ""}));
    EXPECT_EQ(run.state->runInProgress, 0);
    EXPECT_EQ(run.state->runBusy, 0);
    EXPECT_EQ(run.state->runDone, 1);
    EXPECT_EQ(run.model->parametersChanged, 0);
}

TEST(RunProtocol, StatusTimeIsSentOnlyWhenItsTenthsChange)
{
    ProtocolRun run;
    run.go();
    const auto& times = run.hooks.statusTimes;
    ASSERT_EQ(times.size(), 12u + 5 * 13);   // 0.1 .. 1.2, then each later step from 0.0010
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_NE(static_cast<int>(10 * times[i]), static_cast<int>(10 * times[i - 1])) << i;
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(static_cast<int>(10 * times[static_cast<size_t>(k)]), k + 1);
    for (int s = 2; s <= 6; ++s) {
        const auto first = std::find(run.hooks.statusTimeSteps.begin(), run.hooks.statusTimeSteps.end(), s);
        ASSERT_NE(first, run.hooks.statusTimeSteps.end());
        EXPECT_EQ(times[static_cast<size_t>(first - run.hooks.statusTimeSteps.begin())], 0.001);
    }
}

TEST(RunProtocol, CaptureAtAnInnerSiteIsSummarisedAndMeasured)
{
    ProtocolRun run;
    run.model->stimulusSite = 5;
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    // Site 5 is excitable again 0.0513 s + 0.2 s after its last activation: at 2T
    // (0.5027 s) and at 0.2527 s, but not at the four coupling intervals between.
    std::vector<double> captured;
    for (int s = 1; s <= 6; ++s)
        captured.push_back(run.results->ScanStepRecords[s].captured);
    EXPECT_EQ(captured, (std::vector<double>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(run.hooks.steps[0].LabelRes1,
              "Stimulus capture at coupling interval 0.5027 (0.2513) sec at site5");
    EXPECT_TRUE(run.hooks.steps[0].captured);
    EXPECT_EQ(run.hooks.steps[0].captureLamp, 1);
    EXPECT_EQ(run.hooks.steps[0].captureCodeCount, 1);
    EXPECT_EQ(run.hooks.steps[1].LabelRes1,
              "No stimulus capture at coupling interval 0.4527 (0.2013) sec at site5");
    EXPECT_EQ(run.hooks.steps[1].captureLamp, 0);

    // The third activation of site 5 is the stimulus, at the moment the circulating
    // front leaves site 1; the two fronts meet halfway, two segments below site 5.
    const double T = run.model->estimatedCycleLength;
    EXPECT_EQ(run.at(1, 5, 3).code, 3.0);
    EXPECT_EQ(run.at(1, 5, 3).time, 2 * T);
    EXPECT_NEAR(run.results->RevolutionIndices[1][3].antidromicFraction, 0.1, 1e-9);
    for (int r : {1, 2, 4, 5})
        EXPECT_EQ(run.results->RevolutionIndices[1][r].antidromicFraction, 0.0);
    for (int r = 1; r <= 5; ++r)   // nothing measured in a step without capture
        EXPECT_EQ(run.results->RevolutionIndices[2][r].antidromicFraction, 0.0);
}

TEST(RunProtocol, FusionIsMeasuredInStepsWithoutCapture)
{
    ProtocolRun run;   // stimulus at site 1: never delivered
    for (int x = 22; x <= 29; ++x)
        run.model->B[0][x][fieldCv] = 0.3;   // a slow outer loop
    run.model->scarEntrySite = 29;
    refreshDerivedModel(*run.model);
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    // The inner front reaches site 10 first and enters site 29 retrogradely; it meets
    // the outer front 0.6 of a segment before site 28: 0.6 / 8 of the outer loop.
    for (int s = 1; s <= run.results->scanCount; ++s) {
        EXPECT_EQ(run.results->ScanStepRecords[s].captured, 0.0);
        for (int r = 1; r <= 5; ++r) {
            EXPECT_NEAR(run.results->RevolutionIndices[s][r].fusionIndex, 0.075, 1e-9) << s << " " << r;
            EXPECT_EQ(run.results->RevolutionIndices[s][r].antidromicFraction, 0.0);
        }
    }
}

TEST(RunProtocol, DelayAndDeadEndSitesAreBothPropagated)
{
    ProtocolRun run;
    CircuitModel& m = *run.model;
    m.hasDelayPath = 1;
    m.delaySegmentCount = 2;      // sites 30, 31: 1 cm each, 0.02 s at 0.5 m/s
    m.hasDeadEnd1 = 1;
    m.deadEnd1Site = 5;
    m.deadEnd1SegmentCount = 2;   // sites 32, 33, from site 5
    refreshDerivedModel(m);
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    const double ct = m.innerSpacing / 0.5;
    const struct {
        int site;
        double time;
    } expected[] = {{30, 0.02}, {31, 0.04}, {32, 4 * ct + 0.02}, {33, 4 * ct + 0.04}};
    for (const auto& e : expected) {
        EXPECT_EQ(run.at(1, e.site, 1).code, 1.0) << e.site;
        EXPECT_NEAR(run.at(1, e.site, 1).time, e.time, 1e-12) << e.site;
    }
}

TEST(RunProtocol, StepsShowNothingOfEarlierSteps)
{
    // Stimuli at site 9 with ERPs of 0.22 s end the tachycardia in some steps, so that
    // sites record fewer activations than in the steps before.
    ProtocolRun run;
    setAllErp(*run.model, 0.22);
    run.model->stimulusSite = 9;
    run.model->scanDecrementMs = 20.0;
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    const int shown = run.results->shownRevolutionCount;
    int revolutionsRecordedBefore = 0;
    for (int s = 1; s <= run.results->scanCount; ++s) {
        const std::vector<int>& count = run.hooks.activationCounts[static_cast<size_t>(s - 1)];
        for (int x = 1; x <= run.model->totalSiteCount; ++x) {
            for (int r = count[static_cast<size_t>(x)] + 1; r <= shown; ++r) {
                const ActivationRecord& a = run.at(s, x, r);
                EXPECT_EQ(a.time, 0.0);
                EXPECT_EQ(a.code, 0.0);
                EXPECT_EQ(a.erp, 0.0);
                for (int p = 1; p < s; ++p)
                    if (run.at(p, x, r).code != 0.0) {
                        ++revolutionsRecordedBefore;
                        break;
                    }
            }
        }
    }
    EXPECT_GT(revolutionsRecordedBefore, 0);   // the case the test is about did occur
}

TEST(BeginScanStep, ClearsTheActivationFieldsOfEveryPlaneButKeepsTheCurveConstants)
{
    quorel::testing::KernelBench b;
    CircuitModel& m = *b.model;
    const double n1 = N1(m, 3);
    const double offset = cvOffset(m, 3);
    b.start();
    for (int r = 1; r <= kMaxActivationPlane; ++r)
        for (int x = 0; x < kSiteRows; ++x)
            for (int f : {0, 1, 2, 3, 4, 5, 6, 8})
                m.B[r][x][f] = 7.0;
    const double plane0 = m.B[0][3][fieldErp];
    b.state->runNote = RunNote::AntidromicPastSite1;
    beginScanStep(b.context, 2);
    EXPECT_EQ(b.state->runNote, RunNote::None);
    for (int r = 1; r <= kMaxActivationPlane; ++r) {
        for (int x = 0; x < kSiteRows; ++x) {
            const bool start = r == 1 && (x == 1 || x == 21);
            for (int f : {1, 2, 5, 6, 8})
                if (!start || f == 8) {
                    EXPECT_EQ(m.B[r][x][f], 0.0);
                }
            for (int f : {0, 3, 4})
                EXPECT_EQ(m.B[r][x][f], 7.0);
        }
    }
    EXPECT_EQ(m.B[1][1][fieldCode], 1.0);
    EXPECT_EQ(m.B[1][21][fieldActivationErp], erp(m, 1));
    EXPECT_EQ(N1(m, 3), n1);
    EXPECT_EQ(cvOffset(m, 3), offset);
    EXPECT_EQ(m.B[0][3][fieldErp], plane0);
}

TEST(RunProtocol, AbortedRunKeepsCompletedStepsAndTheRestOfTheArrays)
{
    for (WarningAnswer answer : {WarningAnswer::StartOver, WarningAnswer::ResetInterval}) {
        ProtocolRun run;
        for (int s = 1; s <= 6; ++s) {
            run.results->SiteActivation[s][2][1].time = 90.0 + s;
            run.results->ScanStepRecords[s].couplingInterval = 90.0 + s;
        }
        // From step 3 on site 5's entered ERP is shorter than the conduction time into it.
        run.hooks.onStepStarting = [&](int step) {
            if (step == 3)
                erp(*run.model, 5) = 0.001;
        };
        run.hooks.answers = {answer};
        ASSERT_EQ(run.go(), RunOutcome::Aborted);
        EXPECT_EQ(run.hooks.events,
                  (Texts{"start 1", "finish 1", "start 2", "finish 2", "start 3", "warning", "end"}));
        EXPECT_EQ(run.hooks.warnings[0].scanStep, 3);
        EXPECT_EQ(run.hooks.warnings[0].target, 5);
        EXPECT_EQ(run.results->scanCount, 6);
        for (int s : {1, 2}) {
            EXPECT_NEAR(run.at(s, 2, 1).time, run.model->innerSpacing / 0.5, 1e-12);
            EXPECT_LT(run.results->ScanStepRecords[s].couplingInterval, 1.0);
        }
        for (int s : {3, 4, 5, 6}) {
            EXPECT_EQ(run.at(s, 2, 1).time, 90.0 + s);
            EXPECT_EQ(run.results->ScanStepRecords[s].couplingInterval, 90.0 + s);
        }
        const RunEndReport& end = run.hooks.ends.at(0);
        EXPECT_TRUE(end.aborted);
        EXPECT_EQ(end.abortAnswer, answer);
        EXPECT_EQ(end.completedSteps, 2);
        EXPECT_EQ(end.historyRow.mode, "Single");
        EXPECT_EQ(run.state->runAborted, 0);
        EXPECT_EQ(run.state->warningMode, kWarningsEnabled);
        EXPECT_EQ(run.state->runBusy, 0);
        EXPECT_EQ(run.state->runInProgress, 0);
    }
}

TEST(RunProtocol, AbortAfterACaptureLeavesNoCaptureToTheNextRun)
{
    ProtocolRun run;
    run.model->stimulusSite = 5;
    // Abort late in step 1, after the capture at 0.5027 s: site 10's next ERP becomes tiny.
    run.hooks.onStatusTime = [&](double t) {
        if (t >= 0.6 && t < 0.7)
            maxErp(*run.model, 10) = 0.001;
    };
    run.hooks.answers = {WarningAnswer::StartOver};
    const double savedMaxErp = maxErp(*run.model, 10);
    ASSERT_EQ(run.go(), RunOutcome::Aborted);
    ASSERT_EQ(run.state->capturedFlag, 1);   // the flag as the aborted step left it

    maxErp(*run.model, 10) = savedMaxErp;
    run.hooks.onStatusTime = nullptr;
    run.model->stimulusSite = 1;
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    EXPECT_EQ(run.results->ScanStepRecords[1].captured, 0.0);
    EXPECT_EQ(run.hooks.steps.back().LabelRes1.rfind("No stimulus capture", 0), 0u);
}

TEST(RunProtocol, ContinueSilencesBothKindsForTheRestOfTheRun)
{
    // Segment 2 conducts in 0.0035 s with Q = 0.005 s (conduction warning), and site 7's
    // entered ERP of 0.001 s is below every conduction time into it (refractory warning).
    auto circuit = [](CircuitModel& m, bool fastSegment) {
        m.clockStep = 0.005;
        m.circuitRadius = 0.01;
        setAllErp(m, 0.08);
        erp(m, 7) = 0.001;
        if (fastSegment)
            cv(m, 2) = 0.9;
        refreshDerivedModel(m);
    };
    ProtocolRun refractoryOnly;
    circuit(*refractoryOnly.model, false);
    ASSERT_EQ(refractoryOnly.go(), RunOutcome::Completed);
    ASSERT_EQ(refractoryOnly.hooks.warnings.size(), 1u);
    EXPECT_EQ(refractoryOnly.hooks.warnings[0].kind, WarningKind::Refractory);
    EXPECT_EQ(refractoryOnly.hooks.warnings[0].target, 7);

    ProtocolRun both;
    circuit(*both.model, true);
    ASSERT_EQ(both.go(), RunOutcome::Completed);
    ASSERT_EQ(both.hooks.warnings.size(), 1u);   // the refractory one never shows
    EXPECT_EQ(both.hooks.warnings[0].kind, WarningKind::Conduction);
    EXPECT_EQ(both.hooks.warnings[0].source, 2);
    EXPECT_EQ(both.hooks.warnings[0].target, 3);
    EXPECT_EQ(both.hooks.warnings[0].scanStep, 1);
    EXPECT_GT(both.results->scanCount, 1);

    // The next run warns again.
    ASSERT_EQ(both.go(), RunOutcome::Completed);
    EXPECT_EQ(both.hooks.warnings.size(), 2u);
}

TEST(RunProtocol, TrainIsOneStepWithItsOwnSummaryAndHistoryRow)
{
    ProtocolRun run;
    run.model->stimulationMode = 0;
    run.model->stimulusSite = 5;
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    EXPECT_EQ(run.results->scanCount, 1);
    EXPECT_EQ(run.results->shownRevolutionCount, 10);
    ASSERT_EQ(run.hooks.steps.size(), 1u);
    const ScanStepReport& step = run.hooks.steps[0];
    EXPECT_EQ(step.currentTime, 2517 * 0.001);   // trunc(10 T / Q) + 4 ticks
    EXPECT_EQ(step.LabelRes1, "Stimulus capture " + std::to_string(step.captureCodeCount) +
                                  " / 5 times at site5");
    EXPECT_GE(step.captureCodeCount, 1);
    EXPECT_EQ(step.LabelRes2, " coupling interval of first beat = 0.2000 sec");
    const ScanStepRecord& record = run.results->ScanStepRecords[1];
    EXPECT_EQ(record.couplingInterval, 0.2);
    EXPECT_EQ(record.stimulusSite, 5.0);
    EXPECT_EQ(record.noteFlag, 1.0);
    EXPECT_EQ(record.captured, 1.0);
    // All five stimuli fell due (the last at 0.2 + T + 4 x 0.3 s) and the train ended.
    EXPECT_EQ(run.state->trainStimulusIndex, 5);
    EXPECT_EQ(run.state->stimulusTime, 0.0);
    EXPECT_EQ(columns(run.hooks.ends.at(0).historyRow),
              (Texts{"2026/01/02 03:04:05", "Train", "5", "10", "", "5", "0.3000", "0.2000"}));
}

TEST(RunProtocol, CaptureAtTheClosingNodeCountsOnceThoughSiteOneMirrorsIt)
{
    ProtocolRun run;
    run.model->stimulationMode = 0;
    run.model->stimulusSite = 21;
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    int atClosingNode = 0;
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(run.at(1, 1, r).code, run.at(1, 21, r).code);
        atClosingNode += run.at(1, 21, r).code == 3.0 ? 1 : 0;
    }
    ASSERT_GE(atClosingNode, 1);
    EXPECT_EQ(run.results->captureCodeCount, atClosingNode);
    EXPECT_EQ(run.hooks.steps.at(0).LabelRes1,
              "Stimulus capture " + std::to_string(atClosingNode) + " / 5 times at site21");
}

TEST(RunProtocol, LongFastTrainReachesThePlaneLimitAndGoesOn)
{
    ProtocolRun run;
    setAllErp(*run.model, 0.1);
    run.model->stimulationMode = 0;
    run.model->stimulusSite = 5;
    run.model->trainStimulusCount = 25;   // 30 revolutions
    run.model->pacingCycleLength = 0.15;
    bool stateWentPastPlane39 = false;
    run.hooks.onStepFinished = [&] {
        for (int x = 1; x <= run.model->totalSiteCount; ++x)
            if (run.state->siteState[x].activationTime > run.model->B[39][x][fieldTime])
                stateWentPastPlane39 = true;
    };
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    const std::vector<int>& count = run.hooks.activationCounts.at(0);
    EXPECT_EQ(*std::max_element(count.begin(), count.end()), 39);
    EXPECT_TRUE(stateWentPastPlane39);
    EXPECT_EQ(run.results->captureCodeCount, 25);
    for (int x = 1; x <= run.model->totalSiteCount; ++x)
        for (int r = 1; r <= 30; ++r) {
            EXPECT_NE(run.at(1, x, r).code, 0.0);
            EXPECT_TRUE(std::isfinite(run.at(1, x, r).erp));
        }
}

TEST(RunProtocol, DegenerateSegmentLeavesNoNaNInTheResults)
{
    ProtocolRun run;
    run.model->stimulusSite = 5;
    N1(*run.model, 3) = 0.0;   // segment 3 conducts nothing
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    EXPECT_TRUE(run.hooks.warnings.empty());
    for (int s = 1; s <= run.results->scanCount; ++s)
        for (int r = 1; r <= 5; ++r) {
            EXPECT_TRUE(std::isfinite(run.results->RevolutionIndices[s][r].fusionIndex));
            EXPECT_TRUE(std::isfinite(run.results->RevolutionIndices[s][r].antidromicFraction));
            for (int x = 1; x <= 29; ++x) {
                EXPECT_TRUE(std::isfinite(run.at(s, x, r).time));
                EXPECT_TRUE(std::isfinite(run.at(s, x, r).erp));
            }
        }
    EXPECT_EQ(run.at(1, 4, 1).code, 2.0);   // site 4 is reached the other way round
}

TEST(RunProtocol, RefusesRunsItCannotHoldAndNestedRuns)
{
    struct Case {
        const char* name;
        std::function<void(CircuitModel&)> spoil;
    };
    const Case cases[] = {
        {"stimulus site 0", [](CircuitModel& m) { m.stimulusSite = 0; }},
        {"stimulus site past the circuit", [](CircuitModel& m) { m.stimulusSite = 30; }},
        {"40 revolutions", [](CircuitModel& m) { m.revolutionCount = 40; }},
        {"train of 35 stimuli", [](CircuitModel& m) { m.stimulationMode = 0; m.trainStimulusCount = 35; }},
        {"clock 0", [](CircuitModel& m) { m.clockStep = 0.0; }},
        {"99 sites", [](CircuitModel& m) { m.outerSiteCount = 78; m.totalSiteCount = 99; }},
    };
    for (const Case& c : cases) {
        ProtocolRun run;
        c.spoil(*run.model);
        run.results->SiteActivation[1][2][1].time = 42.0;
        EXPECT_NE(runRefusal(*run.model), nullptr) << c.name;
        EXPECT_EQ(run.go(), RunOutcome::Refused) << c.name;
        EXPECT_TRUE(run.hooks.events.empty()) << c.name;
        EXPECT_EQ(run.results->SiteActivation[1][2][1].time, 42.0) << c.name;
        EXPECT_EQ(run.state->runBusy, 0) << c.name;
    }
    EXPECT_EQ(runRefusal(*createModel()), nullptr);

    // A command arriving through the hooks while a run is going starts nothing.
    ProtocolRun run;
    std::vector<RunOutcome> nested;
    run.hooks.onStepFinished = [&] {
        nested.push_back(runProtocol(*run.model, *run.state, *run.results, run.hooks));
    };
    ASSERT_EQ(run.go(), RunOutcome::Completed);
    EXPECT_EQ(nested, std::vector<RunOutcome>(6, RunOutcome::Busy));
    EXPECT_EQ(run.hooks.ends.size(), 1u);
}
