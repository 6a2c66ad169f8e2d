#include "presentation/ecg_strip_plan.h"

#include <algorithm>

namespace quorel {

bool showsMillisecondZero(const CircuitModel& m, int site)
{
    return site == 1 || site == m.innerSiteCount + 1;
}

namespace {

void planChannel(const CircuitModel& m, const ActivationRaster& raster, const EcgView& view, int channel,
                 EcgChannelTrace& trace)
{
    trace.columnCount = 0;
    const bool hideZero = !showsMillisecondZero(m, trace.site);
    for (int k = 0; k < raster.markCount[channel]; ++k) {
        const int ms = raster.markMs[channel][k];
        if (ms == 0 && hideZero)
            continue;
        const int x = columnOfMillisecond(view, ms);
        if (x < 0 || x > view.width)
            continue;
        // Few marks per channel: keep them sorted and single by insertion.
        int at = trace.columnCount;
        while (at > 0 && trace.columns[at - 1] > x)
            --at;
        if (at > 0 && trace.columns[at - 1] == x)
            continue;
        std::copy_backward(trace.columns + at, trace.columns + trace.columnCount,
                           trace.columns + trace.columnCount + 1);
        trace.columns[at] = x;
        ++trace.columnCount;
    }
}

}  // namespace

void planEcgStrip(const CircuitModel& m, const ActivationRaster& raster, const EcgView& view, bool wideSpikes,
                  bool clearLabelBrush, DraggedTrace dragged, EcgStripPlan& plan)
{
    plan.view = view;
    plan.geometry = ecgStripGeometry(view.height);
    plan.spike = spikeShape(plan.geometry, wideSpikes);
    plan.clearLabelBrush = clearLabelBrush;
    for (int channel = 0; channel < kEcgTraceChannels; ++channel) {
        EcgChannelTrace& trace = plan.channels[channel];
        trace.site = m.ecgChannelSite[channel];
        trace.colour = m.ecgChannelColour[channel];
        trace.baselineY = channel != 0 && channel == dragged.channel ? dragged.baselineY
                                                                     : ecgBaselineY(plan.geometry.U, channel);
        planChannel(m, raster, view, channel, trace);
    }
    ecgTimeAxis(view, plan.ticks);
}

}  // namespace quorel
