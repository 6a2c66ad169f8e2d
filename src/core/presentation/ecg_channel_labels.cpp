#include "presentation/ecg_channel_labels.h"

#include "presentation/site_colour.h"

namespace quorel {

std::string ecgChannelLabelText(const CircuitModel& m, int channel)
{
    if (channel == 0)
        return "QRS";
    return "S-" + std::to_string(m.ecgChannelSite[channel]);
}

int ecgChannelLabelTop(double U, int channel)
{
    if (channel == 0)
        return static_cast<int>(U - 8);
    return static_cast<int>((channel + 1) * U) - 8;
}

int ecgChannelUnderMouse(double U, int Y)
{
    if (!(U > 0.0))
        return 0;
    const int c = static_cast<int>((Y + 8) / U) - 1;
    return c < 1 || c > 16 ? 0 : c;
}

void setEcgChannelSite(CircuitModel& m, int channel, int site)
{
    if (channel < 1 || channel > 16)
        return;
    m.ecgChannelSite[channel] = site;
    m.ecgChannelColour[channel] = siteColour(m, site, true);
}

void recomputeEcgChannelColours(CircuitModel& m)
{
    for (int channel = 1; channel <= 16; ++channel)
        m.ecgChannelColour[channel] = siteColour(m, m.ecgChannelSite[channel], true);
}

void planChannelLabels(const CircuitModel& m, double U, int highlightedChannel, int draggedChannel,
                       int draggedTop, ChannelLabelsPlan& plan)
{
    plan.count = 0;
    for (int channel = 0; channel <= 16; ++channel) {
        if (channel != 0 && channel == draggedChannel)
            continue;
        ChannelLabelDrawing& label = plan.labels[plan.count++];
        label.text = ecgChannelLabelText(m, channel);
        label.top = ecgChannelLabelTop(U, channel);
        label.colour = channel != 0 && channel == highlightedChannel ? kChannelLabelHighlightColour
                                                                     : kChannelLabelColour;
    }
    if (draggedChannel >= 1 && draggedChannel <= 16) {
        ChannelLabelDrawing& label = plan.labels[plan.count++];
        label.text = ecgChannelLabelText(m, draggedChannel);
        label.top = draggedTop;
        label.colour = kChannelLabelHighlightColour;
    }
}

}  // namespace quorel
