#include "presentation/ecg_time_axis.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorel;

TEST(EcgTimeAxis, AtTenMsPerPixelOnlyColumnsHoldingAHundredGetATick)
{
    const EcgView view{1230, 10, 300, 200};
    std::vector<EcgTick> ticks;
    ecgTimeAxis(view, ticks);
    for (int x = 0; x < view.width; ++x) {
        const MsRange r = columnMilliseconds(view, x);
        const bool holdsHundred = r.last / 100 * 100 >= r.first;
        const auto it = std::find_if(ticks.begin(), ticks.end(), [x](const EcgTick& t) { return t.x == x; });
        EXPECT_EQ(it != ticks.end(), holdsHundred) << "column " << x;
    }
    // 1230..4229 ms holds 1300, 1400, ..., 4200.
    ASSERT_EQ(ticks.size(), 30u);
    EXPECT_EQ(ticks.front().x, 7);  // 1300 lies in 1300..1309
}

TEST(EcgTimeAxis, TickClassesHeightsAndSecondTexts)
{
    const EcgView view{0, 1, 2600, 200};
    std::vector<EcgTick> ticks;
    ecgTimeAxis(view, ticks);
    struct Case {
        int x;
        TickClass tickClass;
        int topY, penWidth;
    };
    const Case cases[] = {
        {0, TickClass::Second, 187, 2},    {100, TickClass::Tenth, 195, 1}, {500, TickClass::Half, 191, 2},
        {1000, TickClass::Second, 187, 2}, {1500, TickClass::Half, 191, 2}, {2400, TickClass::Tenth, 195, 1},
    };
    for (const Case& c : cases) {
        const auto it =
            std::find_if(ticks.begin(), ticks.end(), [&](const EcgTick& t) { return t.x == c.x; });
        ASSERT_NE(it, ticks.end()) << c.x;
        EXPECT_EQ(it->tickClass, c.tickClass) << c.x;
        EXPECT_EQ(it->topY, c.topY) << c.x;
        EXPECT_EQ(it->penWidth, c.penWidth) << c.x;
    }
    EXPECT_EQ(ticks.size(), 26u);
    const EcgTick& second = ticks[10];
    EXPECT_EQ(second.x, 1000);
    EXPECT_EQ(ecgSecondsText(second.seconds), "1.000");
    EXPECT_EQ(second.textX, 1003);
    EXPECT_EQ(second.textY, 180);
    EXPECT_EQ(ecgSecondsText(ticks[0].seconds), "0.000");
}

TEST(EcgTimeAxis, ColumnTickClassAgreesWithTheAxis)
{
    for (int msPerPixel = 1; msPerPixel <= 10; ++msPerPixel) {
        const EcgView view{37, msPerPixel, 400, 100};
        std::vector<EcgTick> ticks;
        ecgTimeAxis(view, ticks);
        std::size_t next = 0;
        for (int x = 0; x < view.width; ++x) {
            TickClass c{};
            if (!columnTickClass(view, x, c))
                continue;
            ASSERT_LT(next, ticks.size()) << msPerPixel;
            EXPECT_EQ(ticks[next].x, x) << msPerPixel;
            EXPECT_EQ(ticks[next].tickClass, c) << msPerPixel;
            ++next;
        }
        EXPECT_EQ(next, ticks.size()) << msPerPixel;
    }
}
