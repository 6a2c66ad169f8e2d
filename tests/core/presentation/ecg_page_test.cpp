#include "presentation/ecg_page.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

// The default circuit after a scan of three steps of two revolutions; in step 2 site 3
// fires at 0.9 s and site 4 at 0.42 s, shown on channels 2 and 3. The strip is
// 100 x 180 pixels (U = 10).
struct EcgPageFixture : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    SessionState session;
    EcgPage page{*m, *results, session};

    EcgPageFixture()
    {
        results->scanCount = 3;
        results->shownRevolutionCount = 2;
        results->SiteActivation[2][3][1] = {0.9, 1.0, 0.2};
        results->SiteActivation[2][4][2] = {0.42, 1.0, 0.2};
        for (int channel = 1; channel <= 16; ++channel)
            m->ecgChannelSite[channel] = 1;
        m->ecgChannelSite[2] = 3;
        m->ecgChannelSite[3] = 4;
        session.scrollBar2 = {3, 2};
        page.resize(100, 180);
        page.rebuildRaster(false);
    }
};

}  // namespace

TEST_F(EcgPageFixture, TheRasterFollowsTheStepAndTheScale)
{
    EXPECT_EQ(page.raster().step, 2);
    EXPECT_EQ(page.raster().ecgLastMarkMs, 900);
    EXPECT_EQ(session.scrollBar4.maximum, 400);              // 900 - 5 ms x 100 px
    EXPECT_EQ(page.stripPlan().channels[2].columnCount, 0);  // 900 ms lies beyond the view
    EXPECT_EQ(page.stripPlan().channels[3].columns[0], 84);

    page.ScrollBar4Change(700);
    EXPECT_EQ(page.view().startMs, 400);
    EXPECT_EQ(page.Label199(), "0.400");
    EXPECT_EQ(page.Label205(), "0.900");
    EXPECT_EQ(page.stripPlan().channels[2].columns[0], 100);  // the last mark at the right edge

    const EcgPageUpdate u = page.ScrollBar3Change(8);
    EXPECT_TRUE(u.scrollBar4 && u.traces);
    EXPECT_EQ(session.scrollBar4.maximum, 100);
    EXPECT_EQ(session.scrollBar4.position, 100);
    EXPECT_EQ(page.Label204(), "8");

    page.ScrollBar2Change(3, true);  // during a run: the finished step before it
    EXPECT_EQ(page.raster().step, 2);
    page.ScrollBar2Change(1, false);
    EXPECT_EQ(page.raster().ecgLastMarkMs, 0);
    EXPECT_EQ(session.scrollBar4.maximum, 0);
}

TEST_F(EcgPageFixture, AMeasurementTheCursorTimeAndAChangeOfScale)
{
    page.ScrollBar4Change(100);
    page.SpeedButton7Click();
    EXPECT_TRUE(page.PaintBox2MouseMove(40, 90).statusCursor);
    EXPECT_EQ(page.cursorMs(), 300);
    EXPECT_EQ(ecgCursorTimeText(page.cursorMs()), "0.300");
    page.PaintBox2MouseDown(MouseButton::Left, false, 40, 90);
    page.PaintBox2MouseMove(12, 90);
    const EcgPageUpdate done = page.PaintBox2MouseDown(MouseButton::Left, false, 12, 90);
    EXPECT_TRUE(done.label163 && done.glyph && done.consumed);
    EXPECT_EQ(page.calipers().label163(), "140ms");
    EXPECT_EQ(page.overlay().count, 1);

    m->loadingFile = 1;
    page.ScrollBar3Change(2);
    EXPECT_EQ(session.caliperCount, 1);
    m->loadingFile = 0;
    page.ScrollBar3Change(3);
    EXPECT_EQ(session.caliperCount, 0);
}

TEST_F(EcgPageFixture, ReorderingAndThePopUpRebuildTheRaster)
{
    // The label of channel 2 (site 3) dropped on "QRS" becomes channel 1.
    page.PaintBox3MouseDown(MouseButton::Left, 25);
    EXPECT_EQ(page.PaintBox3MouseMove(9).traces, true);
    EXPECT_EQ(page.stripPlan().channels[2].baselineY, 9);  // its trace follows the mouse
    const EcgPageUpdate up = page.PaintBox3MouseUp(9);
    EXPECT_TRUE(up.comboBoxes && up.traces && up.labels);
    EXPECT_EQ(m->ecgChannelSite[1], 3);
    EXPECT_EQ(page.raster().cells[1][900], 1);
    EXPECT_EQ(page.raster().cells[2][900], 0);
    EXPECT_EQ(page.stripPlan().channels[2].baselineY, 30);

    const EcgPageUpdate popup = page.PaintBox3MouseDown(MouseButton::Right, 45);
    ASSERT_EQ(popup.sitePopupChannel, 4);
    page.sitePopupChosen(popup.sitePopupChannel, 4);
    EXPECT_EQ(page.labelsPlan().labels[4].text, "S-4");
    EXPECT_EQ(page.raster().cells[4][420], 1);
}

TEST_F(EcgPageFixture, APageChangeEndsMeasuringButKeepsTheMarks)
{
    page.SpeedButton7Click();
    page.PaintBox2MouseDown(MouseButton::Left, false, 10, 90);
    page.PaintBox2MouseDown(MouseButton::Left, false, 30, 90);
    page.SpeedButton7Click();
    page.PaintBox2MouseDown(MouseButton::Left, false, 50, 90);  // a first point pending
    page.PaintBox3MouseMove(45);
    ASSERT_EQ(page.labelDrag().highlightedChannel(), 4);

    const EcgPageUpdate u = page.pageChanged();
    EXPECT_TRUE(u.glyph && u.labels);
    EXPECT_FALSE(page.calipers().measuring());
    EXPECT_EQ(page.labelDrag().highlightedChannel(), 0);
    // The pending point is gone: "C" now removes the stored mark.
    page.SpeedButton9Click();
    EXPECT_EQ(session.caliperCount, 0);
}

TEST_F(EcgPageFixture, ALoadedSetKeepsItsMarksAtItsScaleAndShowsItsStep)
{
    // What a file brought: one mark measured at 2 ms per pixel, step 3, a start past the end.
    session.caliperCount = 1;
    session.caliperMarks[0] = {10, 0.5, 40, 0.5, 60};
    session.scrollBar3.position = 2;
    session.scrollBar2.position = 3;
    session.scrollBar4 = {5000, 5000};
    results->SiteActivation[3][3][1] = {0.7, 1.0, 0.2};
    page.SpeedButton7Click();

    const EcgPageUpdate u = page.circuitSetLoaded();
    EXPECT_TRUE(u.traces && u.labels && u.scrollBar4 && u.viewLabels && u.glyph && u.comboBoxes);
    EXPECT_EQ(session.caliperCount, 1);
    EXPECT_FALSE(page.calipers().measuring());
    EXPECT_EQ(m->loadingFile, 0);
    EXPECT_EQ(page.view().msPerPixel, 2);
    EXPECT_EQ(page.raster().step, 3);
    EXPECT_EQ(page.raster().ecgLastMarkMs, 700);
    EXPECT_EQ(session.scrollBar4.maximum, 500);  // 700 - 2 ms x 100 px
    EXPECT_EQ(session.scrollBar4.position, 500);
}

TEST_F(EcgPageFixture, ALoadedStartIsKeptWhenTheStripShownBeforeWasEmpty)
{
    // Step 1 has no marks: before the load ScrollBar4 cannot move at all.
    page.ScrollBar2Change(1, false);
    ASSERT_EQ(session.scrollBar4.maximum, 0);
    session.scrollBar2.position = 2;  // the file: step 2 at 1 ms per pixel, from 0.3 s
    session.scrollBar3.position = 1;
    session.scrollBar4 = {800, 300};
    page.circuitSetLoaded();
    EXPECT_EQ(session.scrollBar4.maximum, 800);  // 900 - 1 ms x 100 px
    EXPECT_EQ(session.scrollBar4.position, 300);
    EXPECT_EQ(page.Label199(), "0.300");
}
