// The two time loops on the cases where an off-by-one in the event loop would show:
// the plane limit, stimuli exactly on a tick, circuits only a file or a hand can make,
// and the largest circuit.

#include "event_test_support.h"
#include "support/test_circuits.h"
#include "model/session_state.h"
#include "persistence/circuit_set.h"

#include <filesystem>

using namespace quorel;
using namespace quorel::testing;

namespace {

const std::vector<WarningAnswer> kContinue = {WarningAnswer::Continue};

void expectAgreeOnStimulusSites(CircuitModel& m, const char* name)
{
    for (int mode : {1, 0})
        for (int site = 1; site <= m.totalSiteCount; site += 3) {
            m.stimulationMode = mode;
            m.stimulusSite = site;
            expectEnginesAgree(m, kContinue,
                               std::string(name) + (mode ? ", single" : ", train") + ", stimulus site " +
                                   std::to_string(site));
        }
}

}  // namespace

TEST(EventEngineNamedCases, TrainReachingThePlaneLimit)
{
    for (double clock : {0.001, 1.0 / 2048}) {
        auto m = createModel();
        setAllErp(*m, 0.1);
        m->clockStep = clock;
        m->stimulationMode = 0;
        m->stimulusSite = 5;
        m->trainStimulusCount = 25;
        m->pacingCycleLength = 0.15;
        auto tick = runEngine(*m, EngineKind::Tick, kContinue);
        auto event = runEngine(*m, EngineKind::Event, kContinue);
        const std::vector<int>& counts = tick->hooks.activationCounts.at(0);
        ASSERT_EQ(*std::max_element(counts.begin(), counts.end()), kMaxActivationPlane) << clock;
        expectIdenticalRuns(*tick, *event, "plane limit, Q " + std::to_string(clock));
    }
}

TEST(EventEngineNamedCases, StimulusExactlyOnATickOrWithAWindowSpanningTwoTicks)
{
    // Trains whose first stimulus lies exactly on a tick, just before one, or where two
    // ticks both see it strictly inside their window (tick times k x Q are not evenly
    // spaced: on 0.0007 s ticks 714 and 715 do so, on 0.0031 s ticks 322 and 323). A cycle
    // length of 0.25 s keeps the coupling interval exact.
    for (double clock : {1.0 / 1024, 0.001, 0.0005, 0.0001, 0.0007, 0.0031}) {
        auto m = createModel();
        m->clockStep = clock;
        m->stimulationMode = 0;
        m->estimatedCycleLength = 0.25;
        const double T = m->estimatedCycleLength;
        // The first tick from `from` on whose stimulus time `place` is a coupling interval away from T.
        auto find = [&](long long from, auto place, auto accept) {
            for (long long k = from; k < from + 100000; ++k) {
                const double s = place(k);
                if ((s - T) + T == s && accept(k, s))
                    return s;
            }
            return 0.0;
        };
        const long long from = static_cast<long long>((T + 0.1) / clock);
        auto any = [](long long, double) { return true; };
        const double onTick = find(from, [&](long long k) { return tickTime(k, clock); }, any);
        const double before = find(from, [&](long long k) { return std::nextafter(tickTime(k, clock), 0.0); }, any);
        const double spanning = find(
            from, [&](long long k) { return std::nextafter(tickTime(k, clock), 0.0); },
            [&](long long k, double s) { return tickTime(k + 1, clock) - s < clock; });
        ASSERT_NE(onTick * before, 0.0) << clock;
        if (clock == 0.0007 || clock == 0.0031) {
            ASSERT_NE(spanning, 0.0) << clock;
        }
        if (spanning != 0.0) {
            // A single stimulus at 2T is delivered once: the second tick that sees it
            // inside its window must not report the capture of the first as lost.
            auto single = createModel();
            single->clockStep = clock;
            single->estimatedCycleLength = spanning / 2;
            ASSERT_EQ(singleStimulusTime(single->estimatedCycleLength, 1, single->scanDecrementMs), spanning);
            int capturedThenLost = 0;
            int captures = 0;
            for (int site = 2; site <= single->totalSiteCount; ++site) {
                single->stimulusSite = site;
                auto tick = runEngine(*single, EngineKind::Tick, kContinue);
                auto event = runEngine(*single, EngineKind::Event, kContinue);
                expectIdenticalRuns(*tick, *event, "single stimulus spanning two ticks, site " + std::to_string(site));
                for (int r = 1; r <= single->revolutionCount; ++r)
                    if (tick->results->SiteActivation[1][site][r].code == kCodeStimulus &&
                        tick->results->ScanStepRecords[1].captured == 0.0)
                        ++capturedThenLost;
                captures += tick->results->ScanStepRecords[1].captured == 1.0 ? 1 : 0;
            }
            EXPECT_EQ(capturedThenLost, 0) << clock;
            EXPECT_GT(captures, 0) << clock;
        }
        for (const double stimulus : {onTick, before, spanning}) {
            if (stimulus == 0.0)
                continue;
            m->firstCouplingInterval = stimulus - T;
            for (int site : {5, 21, 25})
                for (double pacing : {0.3, 0.05}) {
                    m->stimulusSite = site;
                    m->pacingCycleLength = pacing;
                    expectEnginesAgree(*m, kContinue,
                                       "train at " + std::to_string(stimulus) + ", Q " + std::to_string(clock) +
                                           ", site " + std::to_string(site));
                }
        }
    }

    // Single stimuli at 2T - (k - 1) x 50 ms with T = 0.25 s: on ticks of the dyadic clocks.
    for (double clock : {1.0 / 1024, 1.0 / 2048}) {
        auto m = createModel();
        m->clockStep = clock;
        m->estimatedCycleLength = 0.25;
        ASSERT_EQ(singleStimulusTime(0.25, 1, 50.0), tickTime(static_cast<long long>(0.5 / clock), clock));
        for (int site : {2, 5, 21})
            for (int answer : {0, 1}) {
                m->stimulusSite = site;
                erp(*m, 7) = answer ? 0.001 : 0.2;   // a refractory warning, answered "start over"
                expectEnginesAgree(*m, {answer ? WarningAnswer::StartOver : WarningAnswer::Continue},
                                   "single stimuli on ticks, site " + std::to_string(site));
            }
    }
}

TEST(EventEngineNamedCases, NoOuterLoop)
{
    auto m = createModel();
    m->equalSegments = 0;
    m->outerSiteCount = 0;
    m->hasDelayPath = 1;
    m->delaySegmentCount = 2;
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 2;
    m->deadEnd1Site = 1;   // hangs from the closing node, which is also the last outer site
    m->scarEntrySite = 21;
    refreshDerivedModel(*m);
    ASSERT_EQ(layoutOf(*m).lastOuterSite, layoutOf(*m).closingNode);
    expectAgreeOnStimulusSites(*m, "no outer loop");
}

TEST(EventEngineNamedCases, SecondPathwayWithoutTheFirstLoadedFromAFile)
{
    auto written = createModel();
    written->hasDeadEnd2 = 1;
    written->deadEnd2SegmentCount = 3;
    written->deadEnd2Site = 7;
    refreshDerivedModel(*written);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quorel_event_second_pathway";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "second.cir").string();
    auto results = createRunResults();
    SessionState session;
    ASSERT_TRUE(saveCircuitSet(path, *written, *results, session).ok());

    auto m = createModel();
    const LoadReport report = loadCircuitSet(path, *m, *results, session);
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(report.loaded);
    ASSERT_EQ(m->deadEnd1SegmentCount, 0);
    ASSERT_EQ(m->deadEnd2SegmentCount, 3);
    ASSERT_EQ(m->totalSiteCount, 32);
    expectAgreeOnStimulusSites(*m, "second pathway without the first");
}

TEST(EventEngineNamedCases, LargestCircuit)
{
    auto m = quorel::testing::largeProtocol();
    m->clockStep = 0.001;   // the differential runs stay quick; the benchmark takes 0.0001 s
    refreshDerivedModel(*m);
    ASSERT_EQ(m->totalSiteCount, 98);
    ASSERT_EQ(scanStepCount(m->estimatedCycleLength, m->scanDecrementMs), 51);
    expectEnginesAgree(*m, kContinue, "98 sites, single stimuli");
    m->stimulationMode = 0;
    m->trainStimulusCount = 25;
    m->pacingCycleLength = 0.4;
    m->stimulusSite = 95;   // on the second pathway
    expectEnginesAgree(*m, kContinue, "98 sites, train");
}
