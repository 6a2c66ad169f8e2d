#pragma once
// The "ECG" page (TabSheet3): the channel labels PaintBox3 beside the strip PaintBox2,
// ScrollBar4 (start) between Label199 and Label205, ScrollBar3 ("scale", Label204),
// ScrollBar2 ("page", Label203), CheckBox6 and CheckBox7, and the calipers' buttons
// SpeedButton7 (measure on/off), SpeedButton8 "AC", SpeedButton9 "C" with the "RR:"
// readout Label163. Every rule is the core's (EcgPage, which this page owns): the
// widgets forward their events and apply the answer (apply()).
//
// The window calls:
//   rebuildRaster()      at the end of every run, when the page becomes active, and
//                        after channel 17 (the movie's site) changed;
//   circuitSetLoaded()   after a circuit set was loaded into the model and session;
//   pageChanged()        on every page change (measuring off, no highlight);
//   coloursChanged()     when the channels' colours may have changed (stimulus site);
//   syncControls()       when the session's scroll-bar states were changed elsewhere.
// The strip's context menu offers "Export strip…" (ecg_strip_export.h).

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "presentation/ecg_page.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;

namespace quorel::gui {

class ChannelLabelBox;
class EcgStripBox;

class EcgPageView : public QWidget {
    Q_OBJECT
public:
    EcgPageView(CircuitModel& model, RunResults& results, SessionState& session, QWidget* parent = nullptr);
    ~EcgPageView() override;

    EcgPage& page() { return *page_; }
    const EcgPage& page() const { return *page_; }

    void rebuildRaster();
    void circuitSetLoaded();
    void pageChanged();
    void coloursChanged();
    void syncControls();
    // PaintBox2's size when the page fills `pageSize`: a page that is not on screen is
    // laid out at that size first (it is laid out again whenever it is shown).
    QSize stripSizeIn(QSize pageSize);
    // Arial bold 8 instead of 10 points in the strip and the labels.
    void setLargeFonts(bool largeFonts);
    // Redraws what the core's answer names and copies texts and positions back.
    void apply(const EcgPageUpdate& u);

    // "Export strip…": asks for a file and writes the labels and the strip as shown.
    void exportStripInteractively();

    // --- the window's side; a null hook does nothing ---
    std::function<bool()> runInProgress;
    // The site pop-up for channel 1..16: the site picked, 0 when none was.
    std::function<int(int channel)> selectSiteFromPopup;
    // The time under the mouse, painted at once in the status bar ("0.125").
    std::function<void(const QString& text)> showCursorTime;
    // ecgStartMs, the time the status bar shows on this page when it repaints.
    std::function<void(int startMs)> startChanged;
    std::function<void()> captureLampChanged;
    // ScrollBar2 moved: ScrollBar1 of the result page follows.
    std::function<void(int step)> scanStepChanged;
    // The channels' sites changed here: ComboBoxE1..E16 follow.
    std::function<void()> channelSitesChanged;
    // The file to export to; null: the save dialog. An empty answer exports nothing.
    std::function<QString()> chooseExportPath;
    // "Cannot write [path]"; null: a message box captioned "Error".
    std::function<void(const QString& text)> showError;

    ChannelLabelBox* PaintBox3 = nullptr;
    EcgStripBox* PaintBox2 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;     // scan step ("page")
    QScrollBar* ScrollBar3 = nullptr;     // ms per pixel ("scale")
    QScrollBar* ScrollBar4 = nullptr;     // start of the view
    QLabel* Label199 = nullptr;           // start, s
    QLabel* Label205 = nullptr;           // end, s
    QLabel* Label204 = nullptr;           // ms per pixel
    QLabel* Label203 = nullptr;           // scan step
    QLabel* Label206 = nullptr;           // "page"
    QLabel* Label163 = nullptr;           // the caliper interval, "240ms"
    QCheckBox* CheckBox6 = nullptr;       // wide spikes
    QCheckBox* CheckBox7 = nullptr;       // texts on a grey box
    QToolButton* SpeedButton7 = nullptr;  // measure on/off (ImageMON / ImageMOFF)
    QToolButton* SpeedButton8 = nullptr;  // "AC": every mark removed
    QToolButton* SpeedButton9 = nullptr;  // "C": the last mark removed
    QMenu* stripMenu = nullptr;           // "Export strip…"

private:
    bool running() const { return runInProgress && runInProgress(); }
    void showViewLabels();
    void openSitePopup(int channel);
    void reportError(const QString& text);

    SessionState& session_;
    std::unique_ptr<EcgPage> page_;
    int heldStartMs_ = -1;
    QString exportFolder_;
};

}  // namespace quorel::gui
