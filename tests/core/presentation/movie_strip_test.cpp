#include "presentation/movie_strip.h"

#include "presentation/site_colour.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quorel;

namespace {

// The default circuit with one single-stimulus scan step of two revolutions; the strip
// shows site 5 unless a test says otherwise.
struct StripFixture : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    std::unique_ptr<ActivationRaster> raster = createActivationRaster();
    MovieStripPlan plan;

    StripFixture()
    {
        results->scanCount = 1;
        results->shownRevolutionCount = 2;
        m->ecgChannelSite[kMovieStripChannel] = 5;
    }
    // The run's latest activation, which sets the strip's scale.
    void lastActivationAt(double seconds) { results->SiteActivation[1][9][1] = {seconds, 1.0, 0.2}; }
    void plan_(int width, int height = 41, bool whiteAxis = false, bool wide = false, int largeFonts = 0)
    {
        planMovieStrip(*m, *results, *raster, width, height, whiteAxis, wide, largeFonts, plan);
    }
    std::vector<int> tickColumns() const
    {
        std::vector<int> xs;
        for (const MovieStripTick& t : plan.ticks)
            xs.push_back(t.x);
        return xs;
    }
};

}  // namespace

TEST_F(StripFixture, TheScaleSpansTheLatestActivationBelow13SecondsOfEveryReplayedStep)
{
    results->scanCount = 2;
    results->SiteActivation[1][3][2] = {0.8, 1.0, 0.2};
    results->SiteActivation[2][4][1] = {1.2345, 1.0, 0.2};
    results->SiteActivation[2][6][1] = {13.0, 1.0, 0.2};  // beyond the raster
    EXPECT_EQ(movieStripEndMs(*m, *results), 1234);
    plan_(617);
    EXPECT_DOUBLE_EQ(plan.stripMsPerPixel, 2.0);
    m->stimulationMode = 0;  // a train replays step 1 only
    EXPECT_EQ(movieStripEndMs(*m, *results), 800);
}

TEST_F(StripFixture, TicksMarkTenthsHalfAndWholeSecondsAndTheColumnAfterATickStaysFree)
{
    lastActivationAt(1.0);
    plan_(100);  // 10 ms per pixel
    ASSERT_EQ(tickColumns(), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    const MovieStripTick& second = plan.ticks[0];
    EXPECT_EQ(second.tickClass, TickClass::Second);
    EXPECT_EQ(second.topY, 41 - 7);
    EXPECT_EQ(second.penWidth, 2);
    EXPECT_EQ(second.text, "0.0");
    EXPECT_EQ(second.textX, -8);
    EXPECT_EQ(second.textY, -3);
    EXPECT_EQ(plan.ticks[5].tickClass, TickClass::Half);
    EXPECT_EQ(plan.ticks[5].topY, 41 - 5);
    EXPECT_EQ(plan.ticks[5].penWidth, 2);
    EXPECT_TRUE(plan.ticks[5].text.empty());
    EXPECT_EQ(plan.ticks[1].tickClass, TickClass::Tenth);
    EXPECT_EQ(plan.ticks[1].topY, 41 - 3);
    EXPECT_EQ(plan.ticks[1].penWidth, 1);

    // Half a millisecond per pixel: 100 ms falls in columns 200 and 201, ticked once.
    lastActivationAt(0.2);
    plan_(400);
    EXPECT_EQ(tickColumns(), (std::vector<int>{0, 200}));
}

TEST_F(StripFixture, ACrowdedColumnTakesTheClassOfItsLastHundredAndSecondsAreWrittenWhole)
{
    lastActivationAt(12.0);
    plan_(10);  // 1200 ms per pixel
    ASSERT_EQ(tickColumns(), (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_EQ(plan.ticks[0].tickClass, TickClass::Tenth);  // 0 .. 1199: 1100 decides
    EXPECT_EQ(plan.ticks[1].tickClass, TickClass::Half);   // 2400 .. 3599: 3500

    lastActivationAt(2.5);
    plan_(250);  // 10 ms per pixel
    EXPECT_EQ(plan.ticks[20].x, 200);
    EXPECT_EQ(plan.ticks[20].text, "2.0");
}

TEST_F(StripFixture, SpikesMarkTheStripSitesActivationsWithTheColumnAfterEachLeftFree)
{
    lastActivationAt(1.0);                       // 10 ms per pixel over 100 columns
    raster->cells[kMovieStripChannel][0] = 1;    // a revolution without activation
    raster->cells[kMovieStripChannel][253] = 1;  // column 25
    raster->cells[kMovieStripChannel][261] = 1;  // column 26: right after a spike
    raster->cells[kMovieStripChannel][505] = 1;  // column 50
    plan_(100);
    EXPECT_EQ(plan.spikeColumns, (std::vector<int>{25, 50}));
    EXPECT_EQ(plan.spikeColour, siteColour(*m, 5, true));

    // Site 1 and the closing node are activated at time 0.
    for (int site : {1, m->innerSiteCount + 1}) {
        m->ecgChannelSite[kMovieStripChannel] = site;
        plan_(100);
        EXPECT_EQ(plan.spikeColumns, (std::vector<int>{0, 25, 50})) << site;
    }
}

TEST_F(StripFixture, ASpikeIsCentredOnHalfTheStripHeight)
{
    lastActivationAt(1.0);
    plan_(100, 41);
    EXPECT_EQ(plan.baselineY, 20);
    ASSERT_EQ(plan.spike.count, 3);
    EXPECT_EQ(plan.spike.lines[0].halfHeight, 20);
    EXPECT_EQ(plan.spike.lines[1].halfHeight, 15);
    plan_(100, 41, false, true);
    ASSERT_EQ(plan.spike.count, 7);
    EXPECT_EQ(plan.spike.lines[3].halfHeight, 10);
    EXPECT_EQ(plan.spike.lines[5].halfHeight, 5);
}

TEST_F(StripFixture, CheckBox8WhitensTheAxisAndLargeFontsShrinkItsFont)
{
    plan_(100, 41, false);
    EXPECT_EQ(plan.axisColour, kMovieAxisGrey);
    EXPECT_EQ(plan.fontPoints, 8);
    plan_(100, 41, true, false, 1);
    EXPECT_EQ(plan.axisColour, kMovieAxisWhite);
    EXPECT_EQ(plan.fontPoints, 6);
}

TEST_F(StripFixture, WithoutResultsTheStripHasNoScaleNoTicksNoSpikesAndNoCursor)
{
    results->scanCount = 0;
    raster->cells[kMovieStripChannel][0] = 1;
    m->ecgChannelSite[kMovieStripChannel] = 1;
    plan_(100);
    EXPECT_EQ(plan.stripMsPerPixel, 0.0);
    EXPECT_TRUE(plan.ticks.empty());
    EXPECT_TRUE(plan.spikeColumns.empty());
    EXPECT_EQ(movieCursorX(120, 0.0), -1);
    EXPECT_EQ(movieCursorX(125, 2.5), 50);
    EXPECT_EQ(movieCursorX(124, 2.5), 49);
}

TEST_F(StripFixture, TheStripKeepsItsSiteWhileTheRefilledListOffersIt)
{
    struct Case {
        int site, items, kept;
    };
    const Case cases[] = {{5, 29, 5}, {29, 29, 29}, {30, 29, 1}, {0, 29, 1}, {12, 11, 1}};
    for (const Case& c : cases) {
        m->ecgChannelSite[kMovieStripChannel] = c.site;
        m->siteChooserItemCount = c.items;
        EXPECT_EQ(keepMovieStripSite(*m), c.kept) << c.site;
        EXPECT_EQ(m->ecgChannelSite[kMovieStripChannel], c.kept);
    }
}
