#pragma once
// Reordering the ECG channels by dragging their labels on PaintBox3, and the right
// click that asks for another site. The widget forwards PaintBox3's mouse events with
// the mouse height Y (PaintBox3's pixels, which share PaintBox2's rows) and U of the
// strip, and reads back what to redraw:
//
//     LabelUpdate u = labels.PaintBox3MouseUp(Y, U, model);
//     if (u.comboBoxes) ComboBoxE1..E16 -> model.ecgChannelSite[1..16]
//     if (u.raster)     rebuild the activation raster (the channels moved)
//     if (u.traces)     redraw the strip; a dragged trace follows draggedTrace()
//     if (u.labels)     planChannelLabels(..., highlightedChannel(), draggedChannel(), draggedLabelTop())
//     if (u.sitePopupChannel) open the site pop-up for that channel (site_popup_placement.h)

#include "model/circuit_model.h"
#include "presentation/calipers.h"
#include "presentation/ecg_strip_plan.h"

namespace quorel {

// The channel a label dropped at height Y lands on: trunc(Y / U) - 1, 0 above the
// first site channel (the "QRS" row) and 16 below the last.
int ecgDropRow(double U, int Y);

// Moves the site of channel `from` (1..16) to the drop row `row` (0..16): dropped
// higher, the channels row + 1 .. from - 1 move down one place and the site goes to
// row + 1; dropped lower, the channels from + 1 .. row move up one place and the site
// goes to row. Returns the channel the site now occupies.
int moveEcgChannel(int (&channelSite)[kEcgChannelSlots], int from, int row);

struct LabelUpdate {
    bool labels = false;       // PaintBox3 is to be redrawn
    bool traces = false;       // PaintBox2 is to be redrawn
    bool raster = false;       // the raster is to be rebuilt first
    bool comboBoxes = false;   // ComboBoxE1..E16 are to show the channels' sites
    int sitePopupChannel = 0;  // 1..16: open the site pop-up for this channel
};

class ChannelLabelDrag {
public:
    // Highlights the channel under the mouse unless a label is being dragged; a dragged
    // label and its trace follow the mouse.
    LabelUpdate PaintBox3MouseMove(int Y, double U);
    // Left button on channels 1..16 picks the label up; right button asks for a site.
    LabelUpdate PaintBox3MouseDown(MouseButton button, int Y, double U);
    // Drops a dragged label: the channels are reordered and recoloured.
    LabelUpdate PaintBox3MouseUp(int Y, double U, CircuitModel& m);
    // Most actions on the page redraw the labels without a highlight.
    void clearHighlight() { highlightedChannel_ = 0; }

    bool labelDragging() const { return labelDragging_; }
    int draggedChannel() const { return labelDragging_ ? draggedChannel_ : 0; }
    int highlightedChannel() const { return highlightedChannel_; }
    int draggedLabelTop() const { return mouseY_ - 8; }
    // The dragged channel's trace runs at the mouse height.
    DraggedTrace draggedTrace() const { return {draggedChannel(), mouseY_}; }

private:
    bool labelDragging_ = false;
    int draggedChannel_ = 0;
    int highlightedChannel_ = 0;
    int mouseY_ = 0;
};

}  // namespace quorel
