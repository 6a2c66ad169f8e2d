#pragma once
// The "movie" page (TabSheet1): the circuit as a figure-8 of squares (PaintBox1), the
// strip of one site over the whole run (PaintBoxM, site chosen in ComboBoxMOV) and the
// replay of the run on both.
//
// The replay runs on the window's thread without blocking it: a timer paces the frames
// (kMovieFrameIntervalMs, see presentation/movie_replay.h) and the pauses, and between
// them the window is idle. stopAnimation() ends a replay at once; the window calls it
// before every command that must not overlap with one.
//
// What the page leaves to the window: the scan step each pass shows (onScanStepShown:
// the result sheet and the ECG page follow), the animation time in the status bar
// (onAnimationTime), the capture sound of the stimulus site (onStimulusSiteLit), START
// (startClicked: the Animation command) and whether a run is in progress.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "presentation/circuit_layout.h"
#include "presentation/ecg_raster.h"
#include "presentation/movie_replay.h"
#include "views/picture_export.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace quorel::gui {

class CircuitBox;
class MovieStripBox;
class SiteList;

class MoviePage : public QWidget {
    Q_OBJECT
public:
    MoviePage(CircuitModel& model, RunResults& results, SessionState& session, QWidget* parent = nullptr);
    ~MoviePage() override;

    // --- the operations of the page ---
    // circuitLayout: siteDrawTable for PaintBox1's size (the size it will have when the
    // page is hidden and has not been laid out yet).
    void circuitLayout();
    // drawCircuit: the static picture; every site dark.
    void drawCircuit();
    // runAnimation: starts the replay from step 1 unless one is running.
    void runAnimation();
    // Sets stopRequested and ends a running replay now: the timer stops and the static
    // picture returns. Harmless when no replay runs.
    void stopAnimation();
    // drawMovieStrip: plans PaintBoxM again and repaints it.
    void drawMovieStrip();
    // The page became current: site list, layout, picture, raster and strip.
    void pageEntered();
    // Draws with the smaller fonts of large-font screens.
    void setLargeFonts(bool largeFonts);
    // PaintBoxM's height (a stored setting), within 20..200 pixels; the picture above
    // takes what the strip leaves.
    void setStripHeight(int height);

    // --- state ---
    int movieSpeedMs = kDefaultMovieSpeedMs;  // ScrollBarS
    int stopRequested = 0;
    int animationRunning = 0;
    int squareSizeChanged = 0;
    const SiteDrawTable& siteDrawTable() const { return *table_; }
    const MovieReplay& replay() const { return *replay_; }
    const ActivationRaster& raster() const { return *raster_; }
    int framesShown() const { return framesShown_; }  // frames painted since start-up
    bool replayTimerActive() const;
    MovieSquareSize squareSize() const;
    SquareLook squareLook() const;

    // --- hooks, set by the window ---
    std::function<void(int step)> onScanStepShown;  // ScrollBar2 moved to the step
    std::function<void(int milliseconds)> onAnimationTime;
    std::function<void()> onStimulusSiteLit;
    std::function<bool()> runInProgress;
    // The size of the page while it is hidden (all pages share the page control's area).
    std::function<QSize()> pageSize;
    PictureExport pictureExport;

    // --- the exports of PaintBox1's context menu ---
    QString exportFrame();    // "Export frame…": the picture as shown
    QString exportCircuit();  // "Export circuit…": the static picture

    // --- controls ---
    CircuitBox* PaintBox1 = nullptr;
    MovieStripBox* PaintBoxM = nullptr;
    SiteList* ComboBoxMOV = nullptr;         // the strip's site (channel 17)
    QScrollBar* ScrollBarS = nullptr;        // movieSpeedMs, 1..20
    QLabel* Label198 = nullptr;              // movieSpeedMs
    QLabel* Label200 = nullptr;              // the scan step shown ("page :")
    QCheckBox* CheckBox8 = nullptr;          // white axis of the strip
    QRadioButton* RadioButtonSS1 = nullptr;  // "S"
    QRadioButton* RadioButtonSS2 = nullptr;  // "M"
    QRadioButton* RadioButtonSS3 = nullptr;  // "L"
    QPushButton* SpeedButton11 = nullptr;    // START
    QPushButton* SpeedButton15 = nullptr;    // STOP

    // --- handlers ---
    void SpeedButton15Click();
    void ScrollBarSChange(int position);
    void RadioButtonSS1Click();
    void ComboBoxMOVChange(int itemIndex);
    void CheckBox8Click();

    // Where PaintBox1 lies on a page of this size.
    static QRect paintBox1Rect(QSize page, int stripHeight);
    static constexpr int kDefaultStripHeight = 41;

signals:
    void startClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls(QSize page);
    void replayTick();
    void showStep(int step);
    void showFrame();
    void finishReplay();
    void rebuildRaster(int step);
    int shownStep() const;
    void showPaintBox1Menu(const QPoint& position);

    CircuitModel& model_;
    RunResults& results_;
    SessionState& session_;
    std::unique_ptr<SiteDrawTable> table_;
    std::unique_ptr<MovieReplay> replay_;
    std::unique_ptr<ActivationRaster> raster_;
    QTimer* replayTimer_ = nullptr;
    QLabel* speedCaption_ = nullptr;
    QLabel* pageCaption_ = nullptr;
    int largeFonts_ = 0;
    int framesShown_ = 0;
};

}  // namespace quorel::gui
