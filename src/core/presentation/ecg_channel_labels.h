#pragma once
// The ECG channels as the user sees and chooses them: the label texts of PaintBox3
// ("QRS", "S-12"), where each label is written and which channel lies under the mouse,
// and the pen colour that follows a channel's site.

#include "model/circuit_model.h"

#include <string>

namespace quorel {

constexpr Rgb kChannelLabelColour = 0x000000;           // on the system menu colour
constexpr Rgb kChannelLabelHighlightColour = 0xFF0000;  // the highlighted or dragged label

// "QRS" for channel 0, "S-" + the channel's site for channels 1..16 (site 12: "S-12").
std::string ecgChannelLabelText(const CircuitModel& m, int channel);

// The top of a label, written right-aligned in PaintBox3: "QRS" at trunc(U - 8),
// channel k at trunc((k + 1) U) - 8, eight pixels above its trace's baseline.
int ecgChannelLabelTop(double U, int channel);

// The channel whose label band holds mouse height Y: trunc((Y + 8) / U) - 1, or 0 (the
// QRS label, never dragged) outside 1..16.
int ecgChannelUnderMouse(double U, int Y);

// ComboBoxE1..ComboBoxE16 and the site pop-up: channel `channel` (1..16) shows `site`
// and takes the site's highlighted region colour (siteColour(site, 1)). Channel 0
// keeps yellow.
void setEcgChannelSite(CircuitModel& m, int channel, int site);
// ComboBoxECGChange: the list's Tag is the channel, the item index + 1 the site.
inline void ComboBoxECGChange(CircuitModel& m, int tag, int itemIndex)
{
    setEcgChannelSite(m, tag, itemIndex + 1);
}
// The colours of channels 1..16 from their sites, after the sites were reordered or
// the highlighted sites changed.
void recomputeEcgChannelColours(CircuitModel& m);

// The labels of one paint of PaintBox3, in drawing order.
struct ChannelLabelDrawing {
    std::string text;
    int top = 0;
    Rgb colour = kChannelLabelColour;
};
struct ChannelLabelsPlan {
    int count = 0;
    ChannelLabelDrawing labels[kEcgChannelSlots];
};

// drawChannelLabels: "QRS" and channels 1..16, the highlighted channel (1..16; 0 for
// none) in red. While channel `draggedChannel` is dragged, its label is written in red
// at `draggedTop` instead of its own place.
void planChannelLabels(const CircuitModel& m, double U, int highlightedChannel, int draggedChannel,
                       int draggedTop, ChannelLabelsPlan& plan);

}  // namespace quorel
