#include "presentation/ecg_channel_order.h"

#include "presentation/ecg_channel_labels.h"

namespace quorel {

int ecgDropRow(double U, int Y)
{
    if (!(U > 0.0))
        return 0;
    const int q = static_cast<int>(Y / U) - 1;
    if (q < 1)
        return 0;
    return q > 15 ? 16 : q;
}

int moveEcgChannel(int (&channelSite)[kEcgChannelSlots], int from, int row)
{
    if (from < 1 || from > 16 || row < 0 || row > 16)
        return from;
    const int site = channelSite[from];
    if (row < from) {
        for (int k = from; k > row + 1; --k)
            channelSite[k] = channelSite[k - 1];
        channelSite[row + 1] = site;
        return row + 1;
    }
    if (row > from) {
        for (int k = from; k < row; ++k)
            channelSite[k] = channelSite[k + 1];
        channelSite[row] = site;
        return row;
    }
    return from;
}

LabelUpdate ChannelLabelDrag::PaintBox3MouseMove(int Y, double U)
{
    LabelUpdate u;
    mouseY_ = Y;
    if (labelDragging_) {
        u.labels = u.traces = true;
        return u;
    }
    const int channel = ecgChannelUnderMouse(U, Y);
    u.labels = channel != highlightedChannel_;
    highlightedChannel_ = channel;
    return u;
}

LabelUpdate ChannelLabelDrag::PaintBox3MouseDown(MouseButton button, int Y, double U)
{
    LabelUpdate u;
    const int channel = ecgChannelUnderMouse(U, Y);
    if (channel < 1 || labelDragging_)
        return u;
    mouseY_ = Y;
    if (button == MouseButton::Left) {
        labelDragging_ = true;
        draggedChannel_ = channel;
        u.labels = u.traces = true;
    } else if (button == MouseButton::Right) {
        u.sitePopupChannel = channel;
    }
    return u;
}

LabelUpdate ChannelLabelDrag::PaintBox3MouseUp(int Y, double U, CircuitModel& m)
{
    LabelUpdate u;
    if (!labelDragging_)
        return u;
    labelDragging_ = false;
    mouseY_ = Y;
    moveEcgChannel(m.ecgChannelSite, draggedChannel_, ecgDropRow(U, Y));
    draggedChannel_ = 0;
    recomputeEcgChannelColours(m);
    u.labels = u.traces = u.raster = u.comboBoxes = true;
    return u;
}

}  // namespace quorel
