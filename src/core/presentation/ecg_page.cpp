#include "presentation/ecg_page.h"

#include "presentation/ecg_scrolling.h"

#include <algorithm>

namespace quorel {

EcgPageUpdate& EcgPageUpdate::operator|=(const EcgPageUpdate& o)
{
    traces |= o.traces;
    overlay |= o.overlay;
    labels |= o.labels;
    scrollBar4 |= o.scrollBar4;
    viewLabels |= o.viewLabels;
    glyph |= o.glyph;
    label163 |= o.label163;
    comboBoxes |= o.comboBoxes;
    captureLamp |= o.captureLamp;
    statusCursor |= o.statusCursor;
    consumed |= o.consumed;
    if (o.sitePopupChannel != 0)
        sitePopupChannel = o.sitePopupChannel;
    return *this;
}

EcgPage::EcgPage(CircuitModel& model, RunResults& results, SessionState& session)
    : model_(model), results_(results), session_(session), calipers_(session)
{
    stripPlan_.ticks.reserve(256);
}

EcgView EcgPage::view() const
{
    return ecgViewOf(session_, width_, height_);
}

EcgPageUpdate EcgPage::resize(int width, int height)
{
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    setScrollBar4Maximum(session_.scrollBar4, raster_->ecgLastMarkMs, view());
    EcgPageUpdate u;
    u.traces = u.labels = u.scrollBar4 = u.viewLabels = true;
    return u;
}

EcgPageUpdate EcgPage::rebuildRaster(bool runInProgress)
{
    runInProgress_ = runInProgress;
    const int step = ecgRasterStep(model_, results_, session_.scrollBar2.position, runInProgress);
    buildActivationRaster(model_, results_, step, view(), session_.scrollBar4, *raster_);
    EcgPageUpdate u;
    u.traces = u.labels = u.scrollBar4 = u.viewLabels = u.captureLamp = true;
    return u;
}

EcgPageUpdate EcgPage::circuitSetLoaded()
{
    // The file's start is bounded by the file's own raster, not by the one shown before.
    const ScrollBarState loadedStart = session_.scrollBar4;
    const int loading = model_.loadingFile;
    model_.loadingFile = 1;
    EcgPageUpdate u = ScrollBar3Change(session_.scrollBar3.position);
    model_.loadingFile = loading;
    session_.scrollBar4 = loadedStart;
    u |= rebuildRaster(false);
    u.comboBoxes = true;
    return u;
}

EcgPageUpdate EcgPage::pageChanged()
{
    labelDrag_.clearHighlight();
    EcgPageUpdate u = fromCalipers(calipers_.markingModeOff());
    u.labels = true;
    return u;
}

EcgPageUpdate EcgPage::ScrollBar2Change(int position, bool runInProgress)
{
    session_.scrollBar2.position = position;
    labelDrag_.clearHighlight();
    return rebuildRaster(runInProgress);
}

EcgPageUpdate EcgPage::ScrollBar3Change(int position)
{
    labelDrag_.clearHighlight();
    session_.scrollBar3.position = std::clamp(position, kEcgMinMsPerPixel, kEcgMaxMsPerPixel);
    setScrollBar4Maximum(session_.scrollBar4, raster_->ecgLastMarkMs, view());
    EcgPageUpdate u = fromCalipers(calipers_.scaleChanged(model_.loadingFile != 0));
    u.traces = u.labels = u.scrollBar4 = u.viewLabels = true;
    return u;
}

EcgPageUpdate EcgPage::ScrollBar4Change(int position)
{
    session_.scrollBar4.position = std::clamp(position, 0, std::max(0, session_.scrollBar4.maximum));
    EcgPageUpdate u;
    u.traces = u.viewLabels = true;
    return u;
}

EcgPageUpdate EcgPage::CheckBox6Click(bool checked)
{
    session_.ecgFlagSize = checked ? 1 : 0;
    labelDrag_.clearHighlight();
    EcgPageUpdate u;
    u.traces = u.labels = true;
    return u;
}

EcgPageUpdate EcgPage::CheckBox7Click(bool checked)
{
    session_.ecgFlagBClear = checked ? 0 : 1;
    labelDrag_.clearHighlight();
    EcgPageUpdate u;
    u.traces = u.labels = true;
    return u;
}

EcgPageUpdate EcgPage::SpeedButton7Click()
{
    return fromCalipers(calipers_.SpeedButton7Click());
}

EcgPageUpdate EcgPage::SpeedButton8Click()
{
    return fromCalipers(calipers_.SpeedButton8Click());
}

EcgPageUpdate EcgPage::SpeedButton9Click()
{
    return fromCalipers(calipers_.SpeedButton9Click());
}

EcgPageUpdate EcgPage::ComboBoxECGChange(int tag, int itemIndex)
{
    quorel::ComboBoxECGChange(model_, tag, itemIndex);
    return {};
}

EcgPageUpdate EcgPage::PaintBox2MouseMove(int X, int Y)
{
    const EcgView v = view();
    cursorMs_ = ecgCursorMs(v, X);
    EcgPageUpdate u = fromCalipers(calipers_.PaintBox2MouseMove(X, Y, v));
    u.statusCursor = true;
    return u;
}

EcgPageUpdate EcgPage::PaintBox2MouseDown(MouseButton button, bool shiftOrAlt, int X, int Y)
{
    return fromCalipers(calipers_.PaintBox2MouseDown(button, shiftOrAlt, X, Y, view()));
}

EcgPageUpdate EcgPage::PaintBox2MouseUp(MouseButton button)
{
    return fromCalipers(calipers_.PaintBox2MouseUp(button));
}

EcgPageUpdate EcgPage::PaintBox3MouseMove(int Y)
{
    return fromLabels(labelDrag_.PaintBox3MouseMove(Y, U()), runInProgress_);
}

EcgPageUpdate EcgPage::PaintBox3MouseDown(MouseButton button, int Y)
{
    return fromLabels(labelDrag_.PaintBox3MouseDown(button, Y, U()), runInProgress_);
}

EcgPageUpdate EcgPage::PaintBox3MouseUp(int Y)
{
    return fromLabels(labelDrag_.PaintBox3MouseUp(Y, U(), model_), runInProgress_);
}

EcgPageUpdate EcgPage::sitePopupChosen(int channel, int site)
{
    if (channel < 1 || channel > kEcgLastSiteChannel || site < 1)
        return {};
    setEcgChannelSite(model_, channel, site);
    LabelUpdate l;
    l.labels = l.traces = l.raster = l.comboBoxes = true;
    return fromLabels(l, runInProgress_);
}

const EcgStripPlan& EcgPage::stripPlan()
{
    planEcgStrip(model_, *raster_, view(), wideSpikes(), clearLabelBrush(), labelDrag_.draggedTrace(),
                 stripPlan_);
    return stripPlan_;
}

const CaliperOverlay& EcgPage::overlay()
{
    calipers_.overlay(view(), overlay_);
    return overlay_;
}

const ChannelLabelsPlan& EcgPage::labelsPlan()
{
    planChannelLabels(model_, U(), labelDrag_.highlightedChannel(), labelDrag_.draggedChannel(),
                      labelDrag_.draggedLabelTop(), labelsPlan_);
    return labelsPlan_;
}

std::string EcgPage::Label199() const
{
    return Label199Text(view());
}

std::string EcgPage::Label205() const
{
    return Label205Text(view());
}

std::string EcgPage::Label204() const
{
    return std::to_string(view().msPerPixel);
}

std::string EcgPage::Label203() const
{
    return std::to_string(session_.scrollBar2.position);
}

EcgPageUpdate EcgPage::fromCalipers(const CaliperUpdate& c) const
{
    EcgPageUpdate u;
    u.traces = c.traces || c.startMs;
    u.overlay = c.overlay;
    u.glyph = c.glyph;
    u.label163 = c.label163;
    u.scrollBar4 = u.viewLabels = c.startMs;
    u.consumed = c.consumed;
    return u;
}

EcgPageUpdate EcgPage::fromLabels(const LabelUpdate& l, bool runInProgress)
{
    EcgPageUpdate u;
    if (l.raster)
        u |= rebuildRaster(runInProgress);
    u.traces |= l.traces;
    u.labels |= l.labels;
    u.comboBoxes |= l.comboBoxes;
    u.sitePopupChannel = l.sitePopupChannel;
    return u;
}

}  // namespace quorel
