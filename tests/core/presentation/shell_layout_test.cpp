#include "presentation/shell_layout.h"

#include <gtest/gtest.h>

using namespace quorel;

TEST(ShellLayout, AnchorsControlsToTheRightAndBottomEdges)
{
    ShellLayoutInput in;
    in.windowWidth = 515;
    in.pageControlWidth = 507;
    in.pageControlHeight = 368;
    in.statusBarWidth = 507;
    in.tabRows = 2;
    const ShellLayout start = computeShellLayout(in);
    EXPECT_EQ(start.SpeedButton10Left, 318);
    EXPECT_EQ(start.SpeedButton5Left, 362);
    EXPECT_EQ(start.SpeedButton3Left, 406);
    EXPECT_EQ(start.SGRESWidth, 499);
    EXPECT_EQ(start.SGRESHeight, 257);
    EXPECT_EQ(start.ScrollBar1Left, 351);
    EXPECT_EQ(start.LabelRevLeft, 477);
    EXPECT_EQ(start.ListView1Height, 128);
    EXPECT_EQ(start.PaintBox2Width, 452);
    EXPECT_EQ(start.PaintBoxMWidth, 414);
    EXPECT_EQ(start.ScrollBar4Width, 360);
    EXPECT_EQ(start.statusBarWidth, 507);
    EXPECT_EQ(start.firstStatusPanelWidth, 364);

    // Widening by 300 moves the right-hand controls by 300 and keeps the tool buttons
    // apart; one row of tabs fewer gives the result grid 20 pixels more.
    in.windowWidth += 300;
    in.pageControlWidth += 300;
    in.statusBarWidth += 300;
    in.tabRows = 1;
    const ShellLayout wide = computeShellLayout(in);
    EXPECT_EQ(wide.SpeedButton3Left - start.SpeedButton3Left, 300);
    EXPECT_EQ(wide.SpeedButton3Left - wide.SpeedButton5Left, 44);
    EXPECT_EQ(wide.SpeedButton5Left - wide.SpeedButton10Left, 44);
    EXPECT_EQ(wide.SGRESWidth, 799);
    EXPECT_EQ(wide.SGRESHeight, 277);
    EXPECT_EQ(wide.ScrollBar4Width, 660);
    EXPECT_EQ(wide.firstStatusPanelWidth, 664);
}

TEST(ShellLayout, StartSizeIsTheSmallestSize)
{
    EXPECT_EQ(kStartClientWidth + kDesignFrameWidth, kMinimumWindowWidth);
    EXPECT_EQ(kStartClientHeight + kDesignFrameHeight, kMinimumWindowHeight);
}

TEST(WindowPlacement, CentresWithIntegerHalves)
{
    struct Case {
        int left, top, width, height, ownWidth, ownHeight, expectLeft, expectTop;
    };
    const Case cases[] = {
        {0, 0, 800, 600, 515, 478, 143, 61},       // default size on an 800 x 600 screen
        {0, 0, 801, 601, 515, 479, 143, 61},       // odd sizes lose the half pixel on both sides
        {0, 0, 1920, 1080, 515, 478, 703, 301},
        {100, 50, 515, 478, 300, 200, 207, 189},   // the About box over the main window
        {-40, 10, 515, 478, 600, 500, -83, -1},     // a box larger than its owner
    };
    for (const Case& c : cases) {
        const WindowOrigin o = centredIn(c.left, c.top, c.width, c.height, c.ownWidth, c.ownHeight);
        EXPECT_EQ(o.left, c.expectLeft) << c.width << "x" << c.height;
        EXPECT_EQ(o.top, c.expectTop) << c.width << "x" << c.height;
    }
}

TEST(WindowPlacement, PleaseWaitWindowHasTwoPlacements)
{
    const auto centred = pleaseWaitOrigin(1, 100, 50, 515, 478, 195, 81);
    ASSERT_TRUE(centred.has_value());
    EXPECT_EQ(centred->left, 260);
    EXPECT_EQ(centred->top, 249);

    const auto calculating = pleaseWaitOrigin(2, 100, 50, 515, 478, 195, 81);
    ASSERT_TRUE(calculating.has_value());
    EXPECT_EQ(calculating->left, 357);
    EXPECT_EQ(calculating->top, 80);

    for (int mode : {0, 3, -1})
        EXPECT_FALSE(pleaseWaitOrigin(mode, 100, 50, 515, 478, 195, 81).has_value()) << mode;
}

TEST(TabStrip, WrapsFixedWidthTabsIntoRowsWithTheCurrentRowAtTheBottom)
{
    // Twelve pages at the starting width: eight in a row of 63 pixels each, two rows.
    TabStripLayout strip = layoutTabStrip(12, 0, 507, 62, 20);
    EXPECT_EQ(strip.tabsPerRow, 8);
    EXPECT_EQ(strip.rows, 2);
    EXPECT_EQ(strip.height(), 40);
    ASSERT_EQ(strip.tabs.size(), 12u);
    EXPECT_EQ(strip.tabs[0].top, 20);   // the current row touches the page
    EXPECT_EQ(strip.tabs[7].left, 441);
    EXPECT_EQ(strip.tabs[7].right, 504);
    EXPECT_EQ(strip.tabs[8].top, 0);
    EXPECT_EQ(strip.tabs[8].left, 0);
    EXPECT_EQ(strip.tabs[11].right, 252);

    strip = layoutTabStrip(12, 9, 507, 62, 20);
    EXPECT_EQ(strip.tabs[9].top, 20);
    EXPECT_EQ(strip.tabs[0].top, 0);

    // Three rows keep their cyclic order: the row after the current one goes on top.
    strip = layoutTabStrip(20, 3, 500, 62, 20);
    EXPECT_EQ(strip.rows, 3);
    EXPECT_EQ(strip.tabs[3].top, 40);
    EXPECT_EQ(strip.tabs[8].top, 0);
    EXPECT_EQ(strip.tabs[16].top, 20);

    strip = layoutTabStrip(12, 0, 800, 62, 20);   // one row keeps the plain width
    EXPECT_EQ(strip.rows, 1);
    EXPECT_EQ(strip.tabs[11].top, 0);
    EXPECT_EQ(strip.tabs[11].right, 744);

    strip = layoutTabStrip(3, 1, 30, 62, 20);   // narrower than a tab: one tab per row
    EXPECT_EQ(strip.rows, 3);
    EXPECT_EQ(strip.tabs[1].top, 40);
    EXPECT_EQ(strip.tabs[1].width(), 62);

    strip = layoutTabStrip(0, -1, 507, 62, 20);
    EXPECT_TRUE(strip.tabs.empty());
    EXPECT_EQ(strip.height(), 0);
}
