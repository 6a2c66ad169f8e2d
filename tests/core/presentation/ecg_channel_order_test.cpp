#include "presentation/ecg_channel_labels.h"
#include "presentation/ecg_channel_order.h"
#include "presentation/site_colour.h"
#include "presentation/site_popup_placement.h"

#include <gtest/gtest.h>

#include <array>

using namespace quorel;

namespace {

constexpr double kU = 10.0;  // a strip 180 pixels high

// Channels 1..16 showing sites 1..16; the result written as the sites of 1..16.
std::array<int, 16> moved(int from, int row)
{
    int sites[kEcgChannelSlots] = {};
    for (int channel = 1; channel <= 16; ++channel)
        sites[channel] = channel;
    moveEcgChannel(sites, from, row);
    std::array<int, 16> out{};
    for (int channel = 1; channel <= 16; ++channel)
        out[channel - 1] = sites[channel];
    return out;
}

}  // namespace

TEST(EcgChannelOrder, DropRowsClampToTheQrsRowAndTheLastRow)
{
    const std::pair<int, int> cases[] = {
        {-30, 0}, {5, 0}, {19, 0}, {20, 1}, {25, 1}, {165, 15}, {169, 15}, {170, 16}, {175, 16}, {900, 16},
    };
    for (auto [Y, row] : cases)
        EXPECT_EQ(ecgDropRow(kU, Y), row) << Y;
}

TEST(EcgChannelOrder, MovingAChannelShiftsTheChannelsBetween)
{
    using Sites = std::array<int, 16>;
    EXPECT_EQ(moved(5, 0), (Sites{5, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));  // on "QRS"
    EXPECT_EQ(moved(5, 16),
              (Sites{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 5}));  // below the last
    EXPECT_EQ(moved(5, 2), (Sites{1, 2, 5, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(moved(5, 8), (Sites{1, 2, 3, 4, 6, 7, 8, 5, 9, 10, 11, 12, 13, 14, 15, 16}));
    const Sites unchanged{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    EXPECT_EQ(moved(5, 4), unchanged);  // just above its own row: it stays
    EXPECT_EQ(moved(5, 5), unchanged);
    EXPECT_EQ(moved(1, 0), unchanged);
    EXPECT_EQ(moved(16, 16), unchanged);
}

TEST(EcgChannelOrder, ChannelUnderTheMouseAndLabelPlaces)
{
    const std::pair<int, int> cases[] = {{0, 0},  {11, 0},   {12, 1},  {21, 1},
                                         {22, 2}, {171, 16}, {172, 0}, {-40, 0}};
    for (auto [Y, channel] : cases)
        EXPECT_EQ(ecgChannelUnderMouse(kU, Y), channel) << Y;
    EXPECT_EQ(ecgChannelLabelTop(kU, 0), 2);
    EXPECT_EQ(ecgChannelLabelTop(kU, 16), 162);
    EXPECT_EQ(ecgChannelLabelTop(10.5, 3), 34);  // trunc(42.0) - 8
}

TEST(EcgChannelOrder, DraggingALabelOntoQrsMakesItTheFirstChannel)
{
    auto m = createModel();
    for (int channel = 1; channel <= 16; ++channel)
        setEcgChannelSite(*m, channel, channel + 2);
    m->stimulusSite = 8;  // channel 6: red once recoloured
    ChannelLabelDrag drag;
    drag.PaintBox3MouseMove(52, kU);
    EXPECT_EQ(drag.highlightedChannel(), 5);
    const LabelUpdate down = drag.PaintBox3MouseDown(MouseButton::Left, 52, kU);
    EXPECT_TRUE(down.labels && down.traces);
    drag.PaintBox3MouseMove(7, kU);
    EXPECT_EQ(drag.highlightedChannel(), 5);  // the highlight stays while dragging
    EXPECT_EQ(drag.draggedTrace().channel, 5);
    EXPECT_EQ(drag.draggedTrace().baselineY, 7);

    ChannelLabelsPlan plan;
    planChannelLabels(*m, kU, drag.highlightedChannel(), drag.draggedChannel(), drag.draggedLabelTop(), plan);
    ASSERT_EQ(plan.count, 17);
    EXPECT_EQ(plan.labels[0].text, "QRS");
    EXPECT_EQ(plan.labels[5].text, "S-8");  // channel 6 follows channel 4 in drawing order
    EXPECT_EQ(plan.labels[16].text, "S-7");
    EXPECT_EQ(plan.labels[16].top, -1);
    EXPECT_EQ(plan.labels[16].colour, kChannelLabelHighlightColour);

    const LabelUpdate up = drag.PaintBox3MouseUp(7, kU, *m);
    EXPECT_TRUE(up.raster && up.comboBoxes && up.labels && up.traces);
    EXPECT_FALSE(drag.labelDragging());
    const int expected[] = {0, 7, 3, 4, 5, 6, 8, 9};
    for (int channel = 1; channel <= 7; ++channel)
        EXPECT_EQ(m->ecgChannelSite[channel], expected[channel]) << channel;
    for (int channel = 1; channel <= 16; ++channel)
        EXPECT_EQ(m->ecgChannelColour[channel], siteColour(*m, m->ecgChannelSite[channel], true)) << channel;
    EXPECT_EQ(m->ecgChannelColour[6], kRed);
}

TEST(EcgChannelOrder, RightClickAsksForASiteAndQrsIsNeverPickedUp)
{
    ChannelLabelDrag drag;
    EXPECT_EQ(drag.PaintBox3MouseDown(MouseButton::Right, 150, kU).sitePopupChannel, 14);
    EXPECT_FALSE(drag.labelDragging());
    EXPECT_EQ(drag.PaintBox3MouseDown(MouseButton::Right, 5, kU).sitePopupChannel, 0);
    drag.PaintBox3MouseDown(MouseButton::Left, 5, kU);
    EXPECT_FALSE(drag.labelDragging());
}

TEST(SitePopupPlacement, BesideTheLabelAndHigherWhenTheTabsFitOneRow)
{
    struct Case {
        int pageControlWidth, tabs, channel;
        double U;
        int left, top;
    };
    const Case cases[] = {
        {500, 12, 5, 10.0, 144, 254},  {744, 12, 5, 10.0, 144, 234}, {743, 12, 5, 10.0, 144, 254},
        {1000, 16, 1, 10.0, 144, 194}, {500, 12, 2, 10.5, 144, 225},
    };
    for (const Case& c : cases) {
        const WindowOrigin o = sitePopupOrigin({100, 50, c.U, c.pageControlWidth, c.tabs}, c.channel);
        EXPECT_EQ(o.left, c.left) << c.pageControlWidth << " " << c.channel;
        EXPECT_EQ(o.top, c.top) << c.pageControlWidth << " " << c.channel;
    }
    EXPECT_EQ(sitePopupPreselection(5, 29), 4);
    EXPECT_EQ(sitePopupPreselection(40, 29), 28);  // a site behind a shrunken circuit
}
