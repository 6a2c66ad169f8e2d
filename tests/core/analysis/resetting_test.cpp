// Single extrastimuli: the measures per scan step, the resetting curve against the
// step messages, its pattern, and termination.
#include "analysis_test_support.h"

#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quorel {
namespace {

using testing::runAndAnalyse;

class MessageRecorder : public RunHooks {
public:
    std::vector<std::string> messages;  // LabelRes1 of every step
    void scanStepFinished(const ScanStepReport& report) override { messages.push_back(report.LabelRes1); }
};

// "Stimulus capture at coupling interval 0.5027 (0.2513) sec at site5" -> "0.5027".
std::string messageCouplingInterval(const std::string& message)
{
    const std::string marker = "coupling interval ";
    const auto at = message.find(marker) + marker.size();
    return message.substr(at, message.find(' ', at) - at);
}

struct ScanCase {
    const char* name;
    double sf;  // S.F. of every segment
    double decrementMs;
    ResettingPattern pattern;
    int points;
};

class ScanOnTheDefaultCircuit : public ::testing::TestWithParam<ScanCase> { };

TEST_P(ScanOnTheDefaultCircuit, GivesAResettingCurveWhosePointsAreTheCapturedSteps)
{
    const ScanCase c = GetParam();
    auto m = createModel();
    for (int x = 1; x <= m->totalSiteCount; ++x)
        sf(*m, x) = c.sf;
    refreshDerivedModel(*m);
    m->stimulusSite = 5;
    m->scanDecrementMs = c.decrementMs;
    MessageRecorder hooks;
    const auto run = runAndAnalyse(*m, &hooks);
    const RunAnalysis& a = run->analysis;
    ASSERT_EQ(a.steps.size(), hooks.messages.size());

    std::vector<int> capturedSteps;
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        const ExtrastimulusMeasures& s = a.steps[i];
        const std::string& message = hooks.messages[i];
        SCOPED_TRACE(message);
        EXPECT_EQ(fixedText(s.stimulusTime, 4), messageCouplingInterval(message));
        EXPECT_EQ(s.captured, message.rfind("Stimulus capture", 0) == 0);
        // The coupling interval at the site: from its last activation before the stimulus.
        const int before = static_cast<int>(
            std::floor((s.stimulusTime - 4 * m->innerSpacing / 0.5) / m->estimatedCycleLength));
        if (c.sf == 0.0) {
            EXPECT_NEAR(s.couplingInterval,
                        s.stimulusTime - 4 * m->innerSpacing / 0.5 - before * m->estimatedCycleLength, 1e-9);
        }
        if (s.captured)
            capturedSteps.push_back(s.scanStep);
        else
            EXPECT_TRUE(std::isnan(s.returnCycle));
    }
    ASSERT_EQ(static_cast<int>(a.curve.points.size()), c.points);
    for (const ResettingPoint& p : a.curve.points) {
        const ExtrastimulusMeasures& s = a.steps[static_cast<std::size_t>(p.scanStep - 1)];
        EXPECT_TRUE(s.captured);
        EXPECT_EQ(p.stimulusTime, s.stimulusTime);
        EXPECT_EQ(p.couplingInterval, s.couplingInterval);
        EXPECT_EQ(p.returnCycle, s.returnCycle);
        // Inside the circuit every capture sends its front once round: a reset.
        EXPECT_TRUE(p.reset);
        EXPECT_LT(p.couplingInterval + p.returnCycle, 2 * m->estimatedCycleLength);
    }
    EXPECT_EQ(static_cast<int>(capturedSteps.size()), c.points);
    for (std::size_t i = 1; i < a.curve.points.size(); ++i)
        EXPECT_GT(a.curve.points[i - 1].couplingInterval, a.curve.points[i].couplingInterval);
    EXPECT_EQ(a.curve.pattern, c.pattern) << resettingPatternName(a.curve.pattern);
}

// Without decremental conduction a front returns after exactly one revolution whatever
// its coupling; with S.F. 0.5 an earlier front conducts more slowly.
INSTANTIATE_TEST_SUITE_P(Circuits, ScanOnTheDefaultCircuit,
                         ::testing::Values(ScanCase{"Uniform", 0.0, 50.0, ResettingPattern::Flat, 2},
                                           ScanCase{"Decremental", 0.5, 10.0, ResettingPattern::Increasing,
                                                    6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Termination, IsTheCircuitFallingSilentAfterTheStimulus)
{
    // Decremental conduction everywhere, stimuli at site 13 in 10 ms steps: one early
    // extrastimulus resets the tachycardia and its front then blocks at site 13.
    auto m = createModel();
    for (int x = 1; x <= m->totalSiteCount; ++x)
        sf(*m, x) = 0.5;
    refreshDerivedModel(*m);
    m->stimulusSite = 13;
    m->scanDecrementMs = 10.0;
    m->revolutionCount = 8;
    const auto run = runAndAnalyse(*m);
    const double T = m->estimatedCycleLength;
    const double stepEnd = (static_cast<int>(8 * T / m->clockStep) + 4) * m->clockStep;
    int terminated = 0;
    for (const ExtrastimulusMeasures& s : run->analysis.steps) {
        SCOPED_TRACE(s.scanStep);
        // The last activation of any site of the circuit in the step.
        double last = 0.0;
        for (int x = 1; x <= m->innerSiteCount + m->outerSiteCount + 1; ++x)
            for (int r = 1; r <= 8; ++r)
                if (run->results->SiteActivation[s.scanStep][x][r].code != 0.0)
                    last = std::max(last, run->results->SiteActivation[s.scanStep][x][r].time);
        EXPECT_EQ(s.terminated, last < stepEnd - 1.5 * T);
        terminated += s.terminated ? 1 : 0;
        if (s.terminated) {
            EXPECT_TRUE(s.captured);
            EXPECT_GT(last, s.stimulusTime);  // the stimulus's front ran before it stopped
        }
    }
    EXPECT_EQ(terminated, 1);
}

struct PatternCase {
    const char* name;
    std::vector<double> returns;  // at coupling intervals 0.30, 0.29, 0.28, ...
    ResettingPattern pattern;
};

class ResettingPatterns : public ::testing::TestWithParam<PatternCase> { };

TEST_P(ResettingPatterns, FollowTheSlopeOfEachSegment)
{
    const PatternCase c = GetParam();
    std::vector<ResettingPoint> points;
    for (std::size_t i = 0; i < c.returns.size(); ++i)
        points.push_back(
            {static_cast<int>(i) + 1, 0.0, 0.30 - 0.01 * static_cast<double>(i), c.returns[i], true});
    EXPECT_EQ(classifyResettingCurve(points), c.pattern)
        << resettingPatternName(classifyResettingCurve(points));
}

// A 10 ms shortening flattens at changes up to 1 ms.
INSTANTIATE_TEST_SUITE_P(
    Curves, ResettingPatterns,
    ::testing::Values(PatternCase{"OnePoint", {0.25}, ResettingPattern::TooFewPoints},
                      PatternCase{"Flat", {0.25, 0.2509, 0.2501, 0.25}, ResettingPattern::Flat},
                      PatternCase{"Increasing", {0.25, 0.252, 0.256, 0.262}, ResettingPattern::Increasing},
                      PatternCase{"Decreasing", {0.26, 0.255, 0.25}, ResettingPattern::Decreasing},
                      PatternCase{"Mixed", {0.25, 0.25, 0.2505, 0.253, 0.258}, ResettingPattern::Mixed},
                      PatternCase{"IncreasingThenFlat", {0.25, 0.255, 0.255}, ResettingPattern::Undefined},
                      PatternCase{"UpAndDown", {0.25, 0.255, 0.25}, ResettingPattern::Undefined}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResettingCurve, KeepsTheCapturedStepsAndClassifiesOnlyTheResets)
{
    std::vector<ExtrastimulusMeasures> steps(4);
    const double coupling[] = {0.22, 0.21, 0.20, 0.19};
    const double returns[] = {0.25, 0.25, 0.30, 0.25};
    for (int i = 0; i < 4; ++i) {
        steps[i].scanStep = i + 1;
        steps[i].captured = i != 3;  // the last one did not capture
        steps[i].couplingInterval = coupling[i];
        steps[i].returnCycle = returns[i];
        steps[i].reset = i != 2;  // the third came back on the old circulation
    }
    const ResettingCurve curve = resettingCurve(steps);
    ASSERT_EQ(curve.points.size(), 3u);
    EXPECT_FALSE(curve.points[2].reset);
    EXPECT_EQ(curve.pattern, ResettingPattern::Flat);
}

}  // namespace
}  // namespace quorel
