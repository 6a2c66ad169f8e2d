#pragma once
// The "ECG" page (TabSheet3) without a window: one object that owns the activation
// raster, the calipers and the channel-label drag, answers every control of the page
// and hands the widgets plain drawing data. The page's widgets forward their events
// with pixel positions and modifiers, then redraw what the returned EcgPageUpdate
// names and copy texts and positions back:
//
//     EcgPage page(model, results, session);          // once, with the main window
//     page.resize(PaintBox2->width(), PaintBox2->height());
//     page.rebuildRaster(runInProgress);               // end of a run, after a load,
//                                                      // on entering the page
//     PaintBox2 paint:  page.stripPlan(), page.overlay()
//     PaintBox3 paint:  page.labelsPlan()
//     mouse / controls: EcgPageUpdate u = page.PaintBox2MouseMove(X, Y); ...
//
// The raster is never rebuilt by a paint: only by the events that change what it
// shows (rebuildRaster, ScrollBar2Change, a channel reordered or given another site).
// After a circuit set is loaded: circuitSetLoaded() (the file's scale with its marks,
// the raster of its step). On every page change of the window: pageChanged().
//
// The status bar on this page: while the mouse moves over the strip it shows
// ecgCursorTimeText(cursorMs()) (three decimals) at the time's place; a full repaint
// of the status bar shows ecgStartMs (view().startMs) in seconds with four decimals.
// Label163 keeps its design caption while calipers().label163() is empty.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "presentation/calipers.h"
#include "presentation/ecg_channel_labels.h"
#include "presentation/ecg_channel_order.h"
#include "presentation/ecg_raster.h"
#include "presentation/ecg_strip_plan.h"

#include <memory>
#include <string>

namespace quorel {

// What the widgets redraw or copy back after an event.
struct EcgPageUpdate {
    bool traces = false;        // PaintBox2: traces, axis and overlay
    bool overlay = false;       // PaintBox2: only the calipers changed
    bool labels = false;        // PaintBox3
    bool scrollBar4 = false;    // ScrollBar4's maximum or position -> session.scrollBar4
    bool viewLabels = false;    // Label199, Label205, Label204, Label203
    bool glyph = false;         // SpeedButton7 -> calipers().glyph()
    bool label163 = false;      // Label163 -> calipers().label163()
    bool comboBoxes = false;    // ComboBoxE1..E16 -> the channels' sites
    bool captureLamp = false;   // the status bar's capture lamp (results.captureLamp)
    bool statusCursor = false;  // the status bar's time -> ecgCursorTimeText(cursorMs())
    bool consumed = false;      // a strip press was used by the calipers: no context menu
    int sitePopupChannel = 0;   // 1..16: open the site pop-up for this channel

    EcgPageUpdate& operator|=(const EcgPageUpdate& o);
};

class EcgPage {
public:
    EcgPage(CircuitModel& model, RunResults& results, SessionState& session);

    // The size of PaintBox2 after a layout; PaintBox3 shares its rows.
    EcgPageUpdate resize(int width, int height);
    // buildActivationRaster for the step ScrollBar2 selects (the previous one while a
    // run is in progress), then ScrollBar4's maximum.
    EcgPageUpdate rebuildRaster(bool runInProgress);
    // A circuit set was loaded into the model and the session: its scale is applied with
    // the marks the file holds (they were measured at that scale), measuring stops and
    // the raster is built for its step.
    EcgPageUpdate circuitSetLoaded();
    // The window's page changed: the marking mode goes off (a pending first point is
    // given up, the marks stay) and no label is highlighted.
    EcgPageUpdate pageChanged();

    // Controls of the page.
    EcgPageUpdate ScrollBar2Change(int position, bool runInProgress);  // scan step
    EcgPageUpdate ScrollBar3Change(int position);                      // "scale"
    EcgPageUpdate ScrollBar4Change(int position);                      // start
    EcgPageUpdate CheckBox6Click(bool checked);                        // wide spikes
    EcgPageUpdate CheckBox7Click(bool checked);                        // texts on grey
    EcgPageUpdate SpeedButton7Click();                                 // measure on/off
    EcgPageUpdate SpeedButton8Click();                                 // "AC"
    EcgPageUpdate SpeedButton9Click();                                 // "C"
    // ComboBoxE1..ComboBoxE16 ("ECG set" page): the raster follows when the ECG page
    // is entered again (rebuildRaster).
    EcgPageUpdate ComboBoxECGChange(int tag, int itemIndex);

    // PaintBox2, the strip: X, Y in its pixels.
    EcgPageUpdate PaintBox2MouseMove(int X, int Y);
    EcgPageUpdate PaintBox2MouseDown(MouseButton button, bool shiftOrAlt, int X, int Y);
    EcgPageUpdate PaintBox2MouseUp(MouseButton button);
    // PaintBox3, the channel labels: Y in its pixels.
    EcgPageUpdate PaintBox3MouseMove(int Y);
    EcgPageUpdate PaintBox3MouseDown(MouseButton button, int Y);
    EcgPageUpdate PaintBox3MouseUp(int Y);
    // The site pop-up returned `site` for `channel`.
    EcgPageUpdate sitePopupChosen(int channel, int site);

    // What the widgets show.
    EcgView view() const;
    double U() const { return ecgStripGeometry(height_).U; }
    const EcgStripPlan& stripPlan();  // planned on each call; storage reused
    const CaliperOverlay& overlay();
    const ChannelLabelsPlan& labelsPlan();
    const ActivationRaster& raster() const { return *raster_; }
    const Calipers& calipers() const { return calipers_; }
    const ChannelLabelDrag& labelDrag() const { return labelDrag_; }
    int cursorMs() const { return cursorMs_; }
    bool wideSpikes() const { return session_.ecgFlagSize != 0; }
    bool clearLabelBrush() const { return session_.ecgFlagBClear != 0; }
    // ScrollBar2, Label203 and Label206 ("page") only for single stimuli.
    bool scanStepControlsVisible() const { return model_.stimulationMode != 0; }
    std::string Label199() const;  // start, s
    std::string Label205() const;  // end, s
    std::string Label204() const;  // ms per pixel
    std::string Label203() const;  // scan step

private:
    EcgPageUpdate fromCalipers(const CaliperUpdate& c) const;
    EcgPageUpdate fromLabels(const LabelUpdate& l, bool runInProgress);

    CircuitModel& model_;
    RunResults& results_;
    SessionState& session_;
    std::unique_ptr<ActivationRaster> raster_ = createActivationRaster();
    Calipers calipers_;
    ChannelLabelDrag labelDrag_;
    EcgStripPlan stripPlan_;
    CaliperOverlay overlay_;
    ChannelLabelsPlan labelsPlan_;
    int width_ = 0;
    int height_ = 0;
    int cursorMs_ = 0;
    bool runInProgress_ = false;  // as given to the last rebuild
};

}  // namespace quorel
