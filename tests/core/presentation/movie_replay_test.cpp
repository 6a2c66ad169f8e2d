#include "presentation/movie_replay.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quorel;

namespace {

// The default circuit (29 sites) with results of two single-stimulus scan steps of two
// revolutions, nothing activated until a test says so.
struct ReplayFixture : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    MovieGlow glow;
    MovieFrame frame;

    ReplayFixture()
    {
        results->scanCount = 2;
        results->shownRevolutionCount = 2;
    }
    void activate(int step, int site, int revolution, double time, double erp, double code = 1.0)
    {
        results->SiteActivation[step][site][revolution] = {time, code, erp};
    }
    // One frame of step 1 at a with 10 ms frames; the grey of `site`.
    int greyAt(int a, int site, int speed = 10)
    {
        stepMovieFrame(*m, *results, 1, a, speed, glow, frame);
        return frame.grey[site];
    }
};

}  // namespace

TEST_F(ReplayFixture, ASiteActivatedTwiceInOneFrameLightsOnceWithTheFirstActivation)
{
    activate(1, 5, 1, 0.012, 0.200);
    activate(1, 5, 2, 0.015, 0.100);
    EXPECT_EQ(greyAt(0, 5), 0);
    EXPECT_EQ(greyAt(10, 5), 200);
    EXPECT_EQ(glow.siteGlow[5], 190);  // decayed by one frame
    EXPECT_EQ(greyAt(20, 5), 190);
}

TEST_F(ReplayFixture, AGlowingSiteLightsAgainOnlyOnceItsGlowIsSpent)
{
    activate(1, 5, 1, 0.100, 0.050);  // glows 50 ms: frames 100..140
    activate(1, 5, 2, 0.135, 0.120);  // falls in the glow: not shown
    const int expected[] = {50, 40, 30, 20, 10, 0, 0};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(greyAt(100 + 10 * k, 5), expected[k]) << "a = " << 100 + 10 * k;

    glow.clear();
    activate(1, 5, 2, 0.150, 0.120);  // the glow has just run out: lights again
    const int again[] = {50, 40, 30, 20, 10, 120, 110};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(greyAt(100 + 10 * k, 5), again[k]) << "a = " << 100 + 10 * k;
}

TEST_F(ReplayFixture, AnErpOf255MsOrMoreStartsAtFullWhiteAndStaysUntilTheGlowFallsBelow255)
{
    struct Case {
        double erp;
        std::vector<int> greys;  // frames from the activation on
    };
    const Case cases[] = {
        {0.255, {255, 245, 235}},
        {0.254, {254, 244, 234}},
        {0.300, {255, 255, 255, 255, 255, 250, 240}},
        {0.005, {5, 0, 0}},  // less than a frame
    };
    for (const Case& c : cases) {
        glow.clear();
        activate(1, 7, 1, 0.040, c.erp);
        for (size_t k = 0; k < c.greys.size(); ++k)
            EXPECT_EQ(greyAt(40 + 10 * static_cast<int>(k), 7), c.greys[k]) << c.erp << ", frame " << k;
    }
}

TEST_F(ReplayFixture, TheFrameCoversItsStartButNotItsEnd)
{
    activate(1, 3, 1, 0.020, 0.100);
    EXPECT_EQ(greyAt(10, 3), 0);    // 10 <= 20 < 20 fails
    EXPECT_EQ(greyAt(20, 3), 100);  // 20 <= 20 < 30
    glow.clear();
    EXPECT_EQ(greyAt(19, 3, 1), 0);
    EXPECT_EQ(greyAt(20, 3, 1), 100);
}

TEST_F(ReplayFixture, OnlyTheStimulusSiteLightingUpAsksForTheSound)
{
    m->stimulusSite = 5;
    activate(1, 4, 1, 0.030, 0.2);
    greyAt(30, 4);
    EXPECT_FALSE(frame.stimulusSiteLit);
    activate(1, 5, 1, 0.040, 0.2);
    greyAt(40, 5);
    EXPECT_TRUE(frame.stimulusSiteLit);
    greyAt(50, 5);  // still glowing: no second sound
    EXPECT_FALSE(frame.stimulusSiteLit);
}

TEST_F(ReplayFixture, ARevolutionWithoutActivationLightsNothingAtTimeZero)
{
    m->stimulusSite = 5;
    activate(1, 5, 1, 0.0, 0.0, 0.0);  // code 0: not activated
    activate(1, 1, 1, 0.0, 0.2);       // site 1 starts the wavefront at time 0
    greyAt(0, 5);
    EXPECT_FALSE(frame.stimulusSiteLit);
    EXPECT_EQ(frame.grey[5], 0);
    EXPECT_EQ(frame.grey[1], 200);
}

TEST_F(ReplayFixture, TheLastFrameOfAStepIsTheLastOneStartingAtOrBeforeItsLatestActivation)
{
    activate(1, 5, 2, 0.4567, 0.2);
    activate(1, 9, 1, 0.3, 0.2);
    EXPECT_EQ(movieStepEndMs(*m, *results, 1), 456);
    EXPECT_EQ(movieStepEndMs(*m, *results, 2), 0);
    EXPECT_EQ(movieStepEndMs(*m, *results, 3), 0);  // not held
}

TEST_F(ReplayFixture, SingleStimuliReplayEveryStepAndTrainsASingleOne)
{
    results->scanCount = 6;
    EXPECT_EQ(movieStepCount(*m, *results), 6);
    m->stimulationMode = 0;
    EXPECT_EQ(movieStepCount(*m, *results), 1);
    results->scanCount = 0;
    EXPECT_EQ(movieStepCount(*m, *results), 0);
}

namespace {

// The cues of a replay until `count` have come, frames written as their times.
std::vector<std::string> cues(MovieReplay& replay, const CircuitModel& m, const RunResults& r, int speed,
                              int count)
{
    std::vector<std::string> out;
    for (int k = 0; k < count; ++k) {
        const MovieCue c = replay.next(m, r, speed);
        switch (c.kind) {
        case MovieCueKind::Step:
            out.push_back("step " + std::to_string(c.step));
            break;
        case MovieCueKind::Frame:
            out.push_back(std::to_string(c.timeMs));
            break;
        case MovieCueKind::Pause:
            out.push_back("pause " + std::to_string(c.waitMs));
            break;
        case MovieCueKind::StaticPicture:
            out.push_back("static");
            break;
        }
    }
    return out;
}

}  // namespace

TEST_F(ReplayFixture, AReplayRunsThroughTheStepsThenPausesShowsTheCircuitPausesAndStartsAgain)
{
    activate(1, 5, 1, 0.025, 0.3);
    activate(2, 5, 1, 0.012, 0.3);
    MovieReplay replay;
    replay.start(*m, *results);
    const std::vector<std::string> expected = {"step 1", "0",          "10",     "20",         "step 2", "0",
                                               "10",     "pause 1000", "static", "pause 1000", "step 1", "0"};
    EXPECT_EQ(cues(replay, *m, *results, 10, 12), expected);
}

TEST_F(ReplayFixture, TheGlowCarriesIntoTheNextStepAndIsClearedWithTheStaticPicture)
{
    activate(1, 5, 1, 0.015, 0.3);
    MovieReplay replay;
    replay.start(*m, *results);
    cues(replay, *m, *results, 10, 4);  // step 1: frames 0, 10 (lit), step 2
    EXPECT_EQ(replay.glow().siteGlow[5], 290);
    cues(replay, *m, *results, 10, 1);  // step 2, frame 0: still glowing
    EXPECT_EQ(replay.frame().grey[5], 255);
    cues(replay, *m, *results, 10, 2);  // pause, static picture
    EXPECT_EQ(replay.glow().siteGlow[5], 0);
}

TEST_F(ReplayFixture, TrainsReplayOneStepAndASpeedChangeActsAtTheNextFrame)
{
    m->stimulationMode = 0;
    activate(1, 5, 1, 0.030, 0.2);
    activate(2, 5, 1, 9.0, 0.2);  // a step a train does not have
    MovieReplay replay;
    replay.start(*m, *results);
    EXPECT_EQ(replay.stepCount(), 1);
    EXPECT_EQ(cues(replay, *m, *results, 10, 3), (std::vector<std::string>{"step 1", "0", "10"}));
    EXPECT_EQ(cues(replay, *m, *results, 20, 5),
              (std::vector<std::string>{"20", "pause 1000", "static", "pause 1000", "step 1"}));
}

TEST_F(ReplayFixture, WithoutResultsTheReplayOnlyPausesAndShowsTheCircuit)
{
    results->scanCount = 0;
    MovieReplay replay;
    replay.start(*m, *results);
    EXPECT_EQ(cues(replay, *m, *results, 10, 4),
              (std::vector<std::string>{"pause 1000", "static", "pause 1000", "pause 1000"}));
}
