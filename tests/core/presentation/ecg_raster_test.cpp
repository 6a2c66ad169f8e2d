#include "presentation/ecg_raster.h"
#include "presentation/ecg_strip_plan.h"

#include "model/circuit_construction.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorel;

namespace {

// The default circuit (29 sites, closing node 21) with one single-stimulus scan step of
// two revolutions, nothing activated until a test says so; channel k shows site k + 1.
struct RasterFixture : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    std::unique_ptr<ActivationRaster> raster = createActivationRaster();
    ScrollBarState scrollBar4;
    EcgView view{0, 5, 100, 180};

    RasterFixture()
    {
        results->scanCount = 1;
        results->shownRevolutionCount = 2;
        for (int channel = 1; channel <= 16; ++channel)
            m->ecgChannelSite[channel] = channel + 1;
        m->ecgChannelSite[17] = 1;
    }
    void activate(int site, int revolution, double time, double code = 1.0)
    {
        results->SiteActivation[1][site][revolution] = {time, code, 0.2};
    }
    void build(int step = 1) { buildActivationRaster(*m, *results, step, view, scrollBar4, *raster); }
};

}  // namespace

TEST_F(RasterFixture, OnlyTimesFromZeroToJustBefore13SecondsAreMarked)
{
    struct Case {
        double time;
        int markedMs;  // -1: no mark
    };
    const Case cases[] = {
        {0.0, 0},   {0.0127, 12},  {12.9999, 12999}, {13.0, -1},
        {13.5, -1}, {-0.0005, -1}, {-2.0, -1},       {1e300, -1},
    };
    results->shownRevolutionCount = 1;
    for (const Case& c : cases) {
        activate(5, 1, c.time);  // site 5 is channel 4
        build();
        EXPECT_EQ(raster->markCount[4], c.markedMs >= 0 ? 1 : 0) << c.time;
        if (c.markedMs >= 0) {
            EXPECT_EQ(raster->cells[4][c.markedMs], 1) << c.time;
        }
        EXPECT_EQ(raster->ecgLastMarkMs, std::max(0, c.markedMs)) << c.time;
    }
}

TEST_F(RasterFixture, MarksOutsideTheRasterDoNotExtendScrollBar4)
{
    view.width = 100;  // 5 ms per pixel: the view spans 500 ms
    activate(5, 1, 1.2);
    activate(6, 1, 13.0);
    activate(7, 2, -0.5);
    scrollBar4.position = 5000;
    build();
    EXPECT_EQ(raster->ecgLastMarkMs, 1200);
    EXPECT_EQ(scrollBar4.maximum, 700);
    EXPECT_EQ(scrollBar4.position, 700);  // clamped to the new maximum

    activate(5, 1, 0.3);  // the whole step fits the view
    build();
    EXPECT_EQ(scrollBar4.maximum, 0);
    EXPECT_EQ(scrollBar4.position, 0);
}

TEST_F(RasterFixture, MillisecondZeroShowsOnlyOnSiteOneAndTheClosingNode)
{
    // Site 1 and the closing node start the wavefront at 0; every other record of a
    // revolution without activation also holds 0.
    m->ecgChannelSite[3] = m->innerSiteCount + 1;
    for (int site = 1; site <= m->totalSiteCount; ++site)
        activate(site, 2, 0.0, 0.0);
    activate(1, 1, 0.0);
    activate(21, 1, 0.0);
    activate(5, 1, 0.0031);  // a real activation in the same first column
    build();
    EcgStripPlan plan;
    planEcgStrip(*m, *raster, view, false, true, {}, plan);
    for (int channel = 0; channel <= 16; ++channel) {
        const int site = m->ecgChannelSite[channel];
        const bool shown = site == 1 || site == 21 || site == 5;
        ASSERT_EQ(plan.channels[channel].columnCount, shown ? 1 : 0) << "channel " << channel;
        if (shown) {
            EXPECT_EQ(plan.channels[channel].columns[0], 0);
        }
    }
    EXPECT_EQ(raster->cells[2][0], 1);  // the raster itself keeps the record's millisecond
}

TEST_F(RasterFixture, CaptureLampFollowsTheShownStepOnly)
{
    results->scanCount = 2;
    activate(29, 2, 0.4, 3.0);  // a capture at the last site of step 1
    build(1);
    EXPECT_EQ(raster->captureLamp, 1);
    EXPECT_EQ(results->captureLamp, 1);
    build(2);
    EXPECT_EQ(raster->captureLamp, 0);
    EXPECT_EQ(results->captureLamp, 0);
    activate(30, 1, 0.4, 3.0);  // behind the circuit's last site: not looked at
    activate(29, 2, 0.4, 1.0);
    build(1);
    EXPECT_EQ(raster->captureLamp, 0);
}

TEST_F(RasterFixture, ChannelZeroIsTheQrsReferenceSite)
{
    m->hasDelayPath = 1;
    m->delaySegmentCount = 3;
    rebuildCircuit(*m);
    results->shownRevolutionCount = 1;
    activate(m->qrsSite, 1, 0.25);
    activate(1, 1, 0.0);
    build();
    EXPECT_EQ(m->ecgChannelSite[0], m->qrsSite);
    EXPECT_EQ(raster->cells[0][250], 1);
    EXPECT_EQ(raster->cells[0][0], 0);
}

TEST(EcgRasterStep, StepFollowsScrollBar2AndSkipsTheStepBeingComputed)
{
    auto m = createModel();
    auto results = createRunResults();
    results->scanCount = 6;
    struct Case {
        int mode, position;
        bool running;
        int step;
    };
    const Case cases[] = {
        {1, 4, false, 4}, {1, 4, true, 3},  {1, 1, true, 0}, {1, 7, false, 6},
        {1, 0, false, 0}, {0, 4, false, 1}, {0, 1, true, 1},
    };
    for (const Case& c : cases) {
        m->stimulationMode = c.mode;
        EXPECT_EQ(ecgRasterStep(*m, *results, c.position, c.running), c.step)
            << c.mode << " " << c.position << " " << c.running;
    }
    results->scanCount = 0;
    m->stimulationMode = 0;
    EXPECT_EQ(ecgRasterStep(*m, *results, 1, false), 0);  // nothing run yet
}
