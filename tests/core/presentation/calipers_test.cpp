#include "presentation/calipers.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

// A strip 400 x 180 pixels at 5 ms per pixel, started at 300 ms of a step whose
// ScrollBar4 runs to 1000.
struct CaliperFixture : ::testing::Test {
    SessionState session;
    Calipers calipers{session};
    EcgView view{300, 5, 400, 180};

    CaliperFixture() { session.scrollBar4 = {1000, 300}; }
    // A whole measurement: measuring on, first click, a move, second click.
    void measure(int x1, int y1, int x2, int y2)
    {
        calipers.SpeedButton7Click();
        calipers.PaintBox2MouseMove(x1, y1, view);
        calipers.PaintBox2MouseDown(MouseButton::Left, false, x1, y1, view);
        calipers.PaintBox2MouseMove(x2, y2, view);
        calipers.PaintBox2MouseDown(MouseButton::Left, false, x2, y2, view);
    }
    void press(int X, int Y, MouseButton button = MouseButton::Left, bool shift = false)
    {
        calipers.PaintBox2MouseMove(X, Y, view);
        calipers.PaintBox2MouseDown(button, shift, X, Y, view);
    }
};

}  // namespace

TEST_F(CaliperFixture, AMeasurementRightToLeftIsStoredLeftToRight)
{
    calipers.SpeedButton7Click();
    EXPECT_STREQ(calipers.glyph(), "ImageMON");
    calipers.PaintBox2MouseDown(MouseButton::Right, false, 300, 90, view);  // any button measures
    const CaliperUpdate running = calipers.PaintBox2MouseMove(121, 30, view);
    EXPECT_TRUE(running.label163);
    EXPECT_EQ(calipers.label163(), "895ms");
    CaliperOverlay overlay;
    calipers.overlay(view, overlay);
    EXPECT_TRUE(overlay.measuring.firstPoint);
    EXPECT_EQ(overlay.measuring.firstX, 300);
    EXPECT_EQ(overlay.measuring.textX, 210 - 8);  // midpoint 210.5 truncated
    EXPECT_EQ(overlay.measuring.textY, 22);

    const CaliperUpdate done = calipers.PaintBox2MouseDown(MouseButton::Left, false, 120, 45, view);
    EXPECT_TRUE(done.glyph && done.consumed);
    ASSERT_EQ(calipers.caliperCount(), 1);
    const CaliperMark& mark = calipers.mark(0);
    EXPECT_EQ(mark.leftX, 120);
    EXPECT_EQ(mark.rightX, 300);
    EXPECT_DOUBLE_EQ(mark.firstHeight, 0.5);
    EXPECT_DOUBLE_EQ(mark.barHeight, 0.25);
    EXPECT_EQ(mark.intervalMs, 900);
    EXPECT_EQ(calipers.label163(), "900ms");
    EXPECT_FALSE(calipers.measuring());
    EXPECT_FALSE(calipers.firstPointPlaced());
    EXPECT_STREQ(calipers.glyph(), "ImageMOFF");
}

TEST_F(CaliperFixture, CRemovesTheLastMarkUnlessAFirstPointIsPending)
{
    measure(10, 50, 60, 50);
    measure(100, 50, 160, 50);
    ASSERT_EQ(calipers.caliperCount(), 2);

    // Switched off by its button, measuring leaves a pending point that the first C takes.
    calipers.SpeedButton7Click();
    calipers.SpeedButton7Click();
    calipers.SpeedButton9Click();
    EXPECT_EQ(calipers.caliperCount(), 2);
    calipers.SpeedButton9Click();
    EXPECT_EQ(calipers.caliperCount(), 1);
    EXPECT_EQ(calipers.mark(0).rightX, 60);

    // A first point really placed is given up by C, the marks stay.
    calipers.SpeedButton7Click();
    press(200, 50);
    const CaliperUpdate u = calipers.SpeedButton9Click();
    EXPECT_TRUE(u.glyph && u.traces);
    EXPECT_FALSE(calipers.measuring());
    EXPECT_EQ(calipers.caliperCount(), 1);

    calipers.SpeedButton9Click();
    calipers.SpeedButton9Click();
    EXPECT_EQ(calipers.caliperCount(), 0);  // never below 0
}

TEST_F(CaliperFixture, MeasuringStopsOnceMoreThanEighteenMarksExist)
{
    for (int k = 0; k < 19; ++k)
        measure(10 + k, 50, 200 + k, 50);
    EXPECT_EQ(calipers.caliperCount(), 19);  // the 19th was measured with 18 in place

    // The button arms measuring, but the next move over the strip switches it off.
    calipers.SpeedButton7Click();
    const CaliperUpdate u = calipers.PaintBox2MouseMove(5, 170, view);
    EXPECT_FALSE(calipers.measuring());
    EXPECT_TRUE(u.glyph);
    calipers.PaintBox2MouseDown(MouseButton::Left, false, 5, 170, view);
    calipers.PaintBox2MouseMove(300, 170, view);
    calipers.PaintBox2MouseDown(MouseButton::Left, false, 300, 170, view);
    EXPECT_EQ(calipers.caliperCount(), 19);
}

TEST_F(CaliperFixture, ClicksWithoutMovesNeverStoreMoreThanTwentyMarks)
{
    for (int k = 0; k < 24; ++k) {
        calipers.SpeedButton7Click();
        calipers.PaintBox2MouseDown(MouseButton::Left, false, 10, 50, view);
        calipers.PaintBox2MouseDown(MouseButton::Left, false, 30 + k, 50, view);
    }
    EXPECT_EQ(calipers.caliperCount(), kMaxCaliperMarks);
    EXPECT_EQ(calipers.mark(19).rightX, 49);
}

TEST(CaliperHitTest, LinesAndBarHaveTwoPixelBands)
{
    const CaliperMark mark{100.0, 0.3, 200.0, 0.5, 500};  // bar at y = 90 on a strip 180 high
    struct Case {
        int X, Y;
        CaliperPart part;
    };
    const Case cases[] = {
        {98, 10, CaliperPart::None},  {99, 10, CaliperPart::LeftLine},   {101, 90, CaliperPart::LeftLine},
        {102, 90, CaliperPart::Bar},  {102, 10, CaliperPart::None},      {150, 89, CaliperPart::Bar},
        {150, 91, CaliperPart::Bar},  {150, 88, CaliperPart::None},      {150, 92, CaliperPart::None},
        {198, 90, CaliperPart::Bar},  {199, 90, CaliperPart::RightLine}, {201, 10, CaliperPart::RightLine},
        {202, 90, CaliperPart::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hitCaliperMark(mark, c.X, c.Y, 180), c.part) << c.X << "," << c.Y;
    // Lines closer than the band: the left line wins.
    EXPECT_EQ(hitCaliperMark({100.0, 0.0, 102.0, 0.5, 10}, 101, 90, 180), CaliperPart::LeftLine);
}

TEST_F(CaliperFixture, DraggingALinePastTheOtherSwapsThem)
{
    measure(100, 90, 200, 90);
    calipers.PaintBox2MouseMove(101, 30, view);
    EXPECT_EQ(calipers.hoverPart(), CaliperPart::LeftLine);
    calipers.PaintBox2MouseDown(MouseButton::Left, false, 101, 30, view);
    EXPECT_TRUE(calipers.dragging());

    const CaliperUpdate u = calipers.PaintBox2MouseMove(250, 45, view);
    EXPECT_TRUE(u.label163 && u.overlay);
    EXPECT_FALSE(u.startMs);  // only the bar pages
    const CaliperMark& mark = calipers.mark(0);
    EXPECT_EQ(mark.leftX, 200);
    EXPECT_EQ(mark.rightX, 250);
    EXPECT_DOUBLE_EQ(mark.barHeight, 0.25);
    EXPECT_EQ(mark.intervalMs, 250);
    EXPECT_EQ(calipers.label163(), "250ms");
    EXPECT_EQ(calipers.dragPart(), CaliperPart::RightLine);

    calipers.PaintBox2MouseMove(270, 45, view);  // the grabbed line is now the right one
    EXPECT_EQ(mark.leftX, 200);
    EXPECT_EQ(mark.rightX, 270);
    CaliperOverlay overlay;
    calipers.overlay(view, overlay);
    EXPECT_EQ(overlay.marks[0].colour, kCaliperDragColour);

    calipers.PaintBox2MouseUp(MouseButton::Left);
    EXPECT_FALSE(calipers.dragging());
    calipers.PaintBox2MouseMove(300, 45, view);
    EXPECT_EQ(mark.rightX, 270);
}

TEST_F(CaliperFixture, ABarHeldAtAnEdgePagesTheStripWithinItsRange)
{
    measure(100, 90, 200, 90);
    press(150, 90);  // the bar: the lines are 50 pixels either side of the mouse
    struct Case {
        int X;
        int startBefore, startAfter;
        bool paged;
    };
    const Case cases[] = {
        {20, 300, 300, false},  {19, 300, 200, true},  {19, 50, 0, true},      {19, 0, 0, false},
        {380, 300, 300, false}, {381, 300, 400, true}, {381, 950, 1000, true}, {381, 1000, 1000, false},
    };
    for (const Case& c : cases) {
        session.scrollBar4.position = c.startBefore;
        const CaliperUpdate u = calipers.PaintBox2MouseMove(c.X, 60, view);
        EXPECT_EQ(session.scrollBar4.position, c.startAfter) << c.X << " from " << c.startBefore;
        EXPECT_EQ(u.startMs, c.paged) << c.X << " from " << c.startBefore;
        EXPECT_EQ(calipers.mark(0).leftX, c.X - 50);
        EXPECT_EQ(calipers.mark(0).rightX, c.X + 50);
        EXPECT_EQ(calipers.mark(0).intervalMs, 500);
    }
}

TEST_F(CaliperFixture, ShiftOrAltClickDeletesOnlyTheMarkUnderTheMouse)
{
    measure(10, 90, 60, 90);
    measure(100, 90, 160, 90);
    measure(200, 90, 260, 90);
    calipers.PaintBox2MouseMove(100, 20, view);
    calipers.PaintBox2MouseMove(300, 20, view);  // away again: nothing highlighted
    EXPECT_FALSE(calipers.PaintBox2MouseDown(MouseButton::Left, true, 300, 20, view).consumed);
    EXPECT_EQ(calipers.caliperCount(), 3);

    press(130, 90, MouseButton::Left, true);  // Shift on the middle bar
    ASSERT_EQ(calipers.caliperCount(), 2);
    EXPECT_EQ(calipers.mark(0).leftX, 10);
    EXPECT_EQ(calipers.mark(1).leftX, 200);
    EXPECT_FALSE(calipers.dragging());
}

TEST_F(CaliperFixture, RightClickPicksUpAMarkAndPutsItDown)
{
    measure(100, 90, 200, 90);
    EXPECT_FALSE(calipers.PaintBox2MouseDown(MouseButton::Right, false, 300, 20, view).consumed);
    EXPECT_FALSE(calipers.dragging());  // nothing under the mouse: free for a context menu

    press(199, 20, MouseButton::Right);
    calipers.PaintBox2MouseUp(MouseButton::Right);
    EXPECT_TRUE(calipers.dragging());
    calipers.PaintBox2MouseMove(230, 20, view);
    EXPECT_EQ(calipers.mark(0).rightX, 230);
    calipers.PaintBox2MouseDown(MouseButton::Right, false, 230, 20, view);
    EXPECT_FALSE(calipers.dragging());
    calipers.PaintBox2MouseMove(260, 20, view);
    EXPECT_EQ(calipers.mark(0).rightX, 230);
}

TEST_F(CaliperFixture, AllClearAndAChangeOfScale)
{
    measure(10, 90, 60, 90);
    measure(100, 90, 160, 90);
    calipers.scaleChanged(true);  // a file being loaded brings its marks with its scale
    EXPECT_EQ(calipers.caliperCount(), 2);
    calipers.SpeedButton7Click();
    calipers.scaleChanged(false);
    EXPECT_EQ(calipers.caliperCount(), 0);
    EXPECT_FALSE(calipers.measuring());

    measure(10, 90, 60, 90);
    calipers.SpeedButton7Click();
    calipers.SpeedButton8Click();
    EXPECT_EQ(calipers.caliperCount(), 0);
    EXPECT_FALSE(calipers.measuring());
}
