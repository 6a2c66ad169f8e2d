#include "presentation/status_bar.h"

#include <gtest/gtest.h>

using namespace quorel;

TEST(StatusBarGeometry, PlacesFollowTheBarWidth)
{
    const StatusBarGeometry first = statusBarGeometry(kInitialStatusBarWidth);
    EXPECT_EQ(first.panelWidths[0], 365);
    EXPECT_EQ(first.panelWidths[1], 46);
    EXPECT_EQ(first.panelWidths[2], 25);
    EXPECT_EQ(first.panelWidths[3], 45);
    EXPECT_EQ(first.checkLamp.x, 368);
    EXPECT_EQ(first.captureLamp.x, 413);
    EXPECT_EQ(first.time.x, 443);
    EXPECT_EQ(first.timeClear.left, 439);
    EXPECT_EQ(first.timeClear.right, 495);

    for (int W : {507, 508, 640, 1280}) {
        SCOPED_TRACE(W);
        const StatusBarGeometry g = statusBarGeometry(W);
        EXPECT_EQ(g.panelWidths[0], W - 143);
        EXPECT_EQ(g.hint.x, 4);
        EXPECT_EQ(g.hint.y, 4);
        EXPECT_EQ(g.checkLamp.y, 3);
        EXPECT_EQ(g.captureLamp.y, 3);
        EXPECT_EQ(g.time.y, 4);
        // The check lamp sits in the second panel, the capture lamp in the third and
        // the time in the fourth; the cleared rectangle holds the whole time text.
        const int p2 = g.panelWidths[0], p3 = p2 + 46, p4 = p3 + 25, end = p4 + 45;
        EXPECT_GE(g.checkLamp.x, p2);
        EXPECT_LT(g.checkLamp.x, p3);
        EXPECT_GE(g.captureLamp.x, p3);
        EXPECT_LT(g.captureLamp.x, p4);
        EXPECT_GE(g.time.x, p4);
        EXPECT_LT(g.time.x, end);
        EXPECT_LE(g.timeClear.left, g.time.x);
        EXPECT_EQ(g.timeClear.height(), 18);
        EXPECT_EQ(g.timeClear.width(), 56);
    }
    EXPECT_EQ(statusBarGeometry(100).panelWidths[0], 0);
}

TEST(StatusBarGeometry, AWideTimeWidensItsPanelAndMovesTheLampsLeft)
{
    // Up to the design's room nothing moves; beyond it everything right-anchored gives way.
    const struct {
        int textWidth;
        int extra;
    } cases[] = {{0, 0}, {50, 0}, {51, 1}, {62, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textWidth);
        const StatusBarGeometry g = statusBarGeometry(640, c.textWidth);
        EXPECT_EQ(g.panelWidths[0], 640 - 143 - c.extra);
        EXPECT_EQ(g.panelWidths[3], 45 + c.extra);
        EXPECT_EQ(g.checkLamp.x, 640 - 140 - c.extra);
        EXPECT_EQ(g.captureLamp.x, 640 - 95 - c.extra);
        EXPECT_EQ(g.time.x, 640 - 65 - c.extra);
        EXPECT_EQ(g.timeClear.right, 640 - 13);
        EXPECT_GE(g.timeClear.right - g.time.x, c.textWidth);   // the whole text fits
        int total = 0;
        for (int width : g.panelWidths)
            total += width;
        EXPECT_EQ(total, 640 - 143 + 45 + 46 + 25);
    }
}

TEST(StatusBarGeometry, LampBitmapsFollowTheCheckAndTheLastStep)
{
    EXPECT_STREQ(checkLampImage(LampState::Blue), "ImageB");
    EXPECT_STREQ(checkLampImage(LampState::Yellow), "ImageY");
    EXPECT_STREQ(checkLampImage(LampState::Red), "ImageR");
    EXPECT_STREQ(captureLampImage(1), "ImageCB");
    EXPECT_STREQ(captureLampImage(0), "ImageCR");
}

TEST(StatusBarTime, EachPageShowsItsOwnClockInSeconds)
{
    const StatusTimes times{0.4567, 1234.0, 250.0};
    EXPECT_EQ(statusBarTimeText(statusBarSeconds(StatusTimePage::Ecg, times)), "1.2340");
    EXPECT_EQ(statusBarTimeText(statusBarSeconds(StatusTimePage::Movie, times)), "0.2500");
    EXPECT_EQ(statusBarTimeText(statusBarSeconds(StatusTimePage::Other, times)), "0.4567");
    EXPECT_EQ(statusBarTimeText(0.0), "0.0000");
    EXPECT_EQ(statusBarTimeText(0.56789), "0.5679");
    EXPECT_EQ(statusBarTimeText(12.5), "12.5000");
}
