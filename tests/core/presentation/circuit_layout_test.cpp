#include "presentation/circuit_layout.h"

#include "presentation/site_colour.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

// A circuit of n inner and m outer sites with connection site c; the paths as given.
std::unique_ptr<CircuitModel> circuit(int n, int c, int m, int delay = 0, int deadEnd1 = 0,
                                      int deadEnd1Site = 2, int deadEnd2 = 0, int deadEnd2Site = 3)
{
    auto model = createModel();
    model->equalSegments = 0;
    model->innerSiteCount = n;
    model->connectionSite = c;
    model->outerSiteCount = m;
    model->scarEntrySite = n + 2;
    model->hasDelayPath = delay > 0;
    model->delaySegmentCount = delay;
    model->hasDeadEnd1 = deadEnd1 > 0;
    model->deadEnd1SegmentCount = deadEnd1;
    model->deadEnd1Site = deadEnd1Site;
    model->hasDeadEnd2 = deadEnd2 > 0;
    model->deadEnd2SegmentCount = deadEnd2;
    model->deadEnd2Site = deadEnd2Site;
    refreshDerivedModel(*model);
    return model;
}

struct Point {
    int x, y;
};

// 400 x 320: Xc = 200, XL = 50, XR = 350, YT = 80, YB = 240.
SiteDrawTable laidOut(const CircuitModel& m, int W = 400, int H = 320)
{
    SiteDrawTable table;
    circuitLayout(m, W, H, table);
    return table;
}

}  // namespace

TEST(CircuitLayout, DefaultCircuitFollowsTheFigureEightByWholeNumberDivisions)
{
    const auto m = circuit(20, 10, 8);
    const SiteDrawTable t = laidOut(*m);
    ASSERT_EQ(t.siteCount, 29);
    // q = 3, r = 1: three sites along the top, four down the left side (160/3 steps,
    // product first), two back along the bottom; then the middle line in 160/11 steps.
    const Point expected[] = {
        {0, 0},     {200, 80},  {150, 80},  {100, 80},  {50, 80},   {50, 133},  {50, 186},  {50, 240},
        {100, 240}, {150, 240}, {200, 240}, {200, 226}, {200, 211}, {200, 197}, {200, 182}, {200, 168},
        {200, 153}, {200, 139}, {200, 124}, {200, 110}, {200, 95},  {200, 80},  {250, 80},  {300, 80},
        {350, 80},  {350, 133}, {350, 186}, {350, 240}, {300, 240}, {250, 240},
    };
    for (int site = 1; site <= 29; ++site) {
        EXPECT_EQ(t.sites[site].x, expected[site].x) << "site " << site;
        EXPECT_EQ(t.sites[site].y, expected[site].y) << "site " << site;
        EXPECT_EQ(t.sites[site].colour, siteColour(*m, site, true)) << "site " << site;
    }
    EXPECT_EQ(t.width, 400);
    EXPECT_EQ(t.height, 320);
}

TEST(CircuitLayout, OuterLoopSharesItsSitesBetweenTopRightSideAndBottom)
{
    struct Case {
        int m, top, right, bottom;
    };
    const Case cases[] = {{9, 2, 5, 2}, {10, 3, 4, 3}, {11, 3, 5, 3},
                          {7, 2, 3, 2}, {12, 3, 6, 3}, {42, 13, 16, 13}};
    for (const Case& c : cases) {
        const auto model = circuit(40, 38, c.m);
        const SiteDrawTable t = laidOut(*model);
        int site = 42;
        for (int k = 0; k < c.top; ++k, ++site) {
            EXPECT_EQ(t.sites[site].y, 80) << "m = " << c.m << ", site " << site;
            EXPECT_GT(t.sites[site].x, 200) << "m = " << c.m;
            EXPECT_LT(t.sites[site].x, 350) << "m = " << c.m;
        }
        for (int k = 0; k < c.right; ++k, ++site)
            EXPECT_EQ(t.sites[site].x, 350) << "m = " << c.m << ", site " << site;
        EXPECT_EQ(t.sites[site - 1].y, 240) << "m = " << c.m;  // the right side ends at the bottom
        for (int k = 0; k < c.bottom; ++k, ++site) {
            EXPECT_EQ(t.sites[site].y, 240) << "m = " << c.m << ", site " << site;
            EXPECT_LT(t.sites[site].x, 350) << "m = " << c.m;
        }
        EXPECT_EQ(site, 42 + c.m);
    }
}

TEST(CircuitLayout, OneSiteOnTheMiddleLineSitsHalfwayAndOneSiteOnASideAtTheTop)
{
    // 330 pixels high: YT = 82, YB = 247, halfway 247 - 165/2 = 165.
    const auto m = circuit(11, 10, 7);
    const SiteDrawTable t = laidOut(*m, 400, 330);
    EXPECT_EQ(t.sites[10].y, 247);  // the connection site
    EXPECT_EQ(t.sites[11].x, 200);
    EXPECT_EQ(t.sites[11].y, 165);
    EXPECT_EQ(t.sites[12].y, 82);  // the closing node over site 1
    EXPECT_EQ(t.sites[12].x, t.sites[1].x);
    EXPECT_EQ(t.sites[12].y, t.sites[1].y);
}

TEST(CircuitLayout, PathsRunFromTheCentreInSeventhsOfTheRightRectangle)
{
    // Delay path of 3, first dead-end pathway of 4 at site 15 (on the middle line), second
    // of 2 at site 3 (on the left rectangle). s = 150/7 = 21.43 pixels.
    const auto m = circuit(20, 10, 8, 3, 4, 15, 2, 3);
    const SiteDrawTable t = laidOut(*m);
    ASSERT_EQ(t.siteCount, 38);
    const Point delay[] = {{200, 40}, {221, 40}, {242, 40}};
    const Point deadEnd1[] = {{221, 168}, {242, 168}, {264, 168}, {285, 168}};  // level with site 15
    const Point deadEnd2[] = {{178, 280}, {157, 280}};                          // 7H/8, leftwards
    int site = 30;
    for (const Point& p : delay) {
        EXPECT_EQ(t.sites[site].x, p.x) << site;
        EXPECT_EQ(t.sites[site].y, p.y) << site;
        ++site;
    }
    EXPECT_EQ(t.sites[15].y, 168);
    for (const Point& p : deadEnd1) {
        EXPECT_EQ(t.sites[site].x, p.x) << site;
        EXPECT_EQ(t.sites[site].y, p.y) << site;
        ++site;
    }
    for (const Point& p : deadEnd2) {
        EXPECT_EQ(t.sites[site].x, p.x) << site;
        EXPECT_EQ(t.sites[site].y, p.y) << site;
        ++site;
    }
}

TEST(CircuitLayout, ADeadEndPathwayAtTheConnectionSiteOrSiteOneHangsBelowTheFigure)
{
    // Only sites strictly between the connection site and the closing node count as the
    // middle line; site 1 is held as n + 1.
    for (int connection : {10, 21, 25}) {
        const auto m = circuit(20, 10, 8, 0, 1, connection);
        EXPECT_EQ(laidOut(*m).sites[30].y, 280) << connection;
    }
    const auto onLine = circuit(20, 10, 8, 0, 1, 20);
    EXPECT_EQ(laidOut(*onLine).sites[30].y, 95);
}

TEST(SquareLooks, SidesAndFontsOfTheThreeSizesOfEachPicture)
{
    struct Case {
        SquareLook look;
        int side, points;
    };
    const Case cases[] = {
        {movieSquareLook(MovieSquareSize::S, 0), 25, 15},
        {movieSquareLook(MovieSquareSize::M, 0), 33, 20},
        {movieSquareLook(MovieSquareSize::L, 0), 49, 30},
        {movieSquareLook(MovieSquareSize::S, 1), 25, 12},
        {movieSquareLook(MovieSquareSize::M, 1), 33, 16},
        {movieSquareLook(MovieSquareSize::L, 1), 49, 24},
        {schemeSquareLook(SchemeSquareSize::Small, 0), 17, 10},
        {schemeSquareLook(SchemeSquareSize::Medium, 0), 25, 15},
        {schemeSquareLook(SchemeSquareSize::Large, 0), 33, 20},
        {schemeSquareLook(SchemeSquareSize::Small, 1), 17, 8},
        {schemeSquareLook(SchemeSquareSize::Medium, 1), 25, 12},
        {schemeSquareLook(SchemeSquareSize::Large, 1), 33, 16},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.look.side, c.side);
        EXPECT_EQ(c.look.fontPoints, c.points);
    }
}

TEST(SquareLooks, AnOddSquareLeansRightAndDownAndItsNumberStartsTwoPixelsIn)
{
    const PixelRect r = siteSquare(100, 50, 25);
    EXPECT_EQ(r.left, 88);
    EXPECT_EQ(r.top, 38);
    EXPECT_EQ(r.right, 113);  // exclusive: 25 pixels
    EXPECT_EQ(r.bottom, 63);
    const PixelPoint number = siteNumberOrigin(100, 50, 25);
    EXPECT_EQ(number.x, 90);
    EXPECT_EQ(number.y, 38);
}

TEST(SchemeScaling, PositionsShrinkByTheRatioOfThePictures)
{
    EXPECT_EQ(scaledCoordinate(200, 400, 280), 140);
    EXPECT_EQ(scaledCoordinate(133, 400, 280), 93);  // 133 / 1.4285 = 93.1
    EXPECT_EQ(scaledCoordinate(100, 400, 400), 100);
    EXPECT_EQ(scaledCoordinate(100, 0, 280), 0);
    EXPECT_EQ(scaledCoordinate(100, 400, 0), 0);
}
