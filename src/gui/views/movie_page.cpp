#include "views/movie_page.h"

#include "presentation/movie_strip.h"
#include "views/circuit_pictures.h"
#include "views/site_list.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace quorel::gui {

namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The page's margins and the row of controls under the strip.
constexpr int kMargin = 4;
constexpr int kControlRowHeight = 24;
// The strip leaves room on its right for ComboBoxMOV and CheckBox8: the page is 8 pixels
// narrower than the page control, whose width less 93 the strip takes.
constexpr int kStripRightRoom = 85;

}  // namespace

MoviePage::MoviePage(CircuitModel& model, RunResults& results, SessionState& session, QWidget* parent)
    : QWidget(parent),
      model_(model),
      results_(results),
      session_(session),
      table_(std::make_unique<SiteDrawTable>()),
      replay_(std::make_unique<MovieReplay>()),
      raster_(createActivationRaster())
{
    setObjectName("MoviePage");

    PaintBox1 = named(new CircuitBox(*table_, this), "PaintBox1");
    PaintBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PaintBox1, &QWidget::customContextMenuRequested, this, &MoviePage::showPaintBox1Menu);
    connect(PaintBox1, &CircuitBox::resized, this, [this] {
        circuitLayout();
        PaintBox1->update();
    });

    PaintBoxM = named(new MovieStripBox(this), "PaintBoxM");
    PaintBoxM->resize(PaintBoxM->width(), kDefaultStripHeight);
    connect(PaintBoxM, &MovieStripBox::resized, this, &MoviePage::drawMovieStrip);

    ComboBoxMOV = named(new SiteList(this), "ComboBoxMOV");
    ComboBoxMOV->setCircuitModel(&model_);
    connect(ComboBoxMOV, &SiteList::siteChanged, this, [this](int site) { ComboBoxMOVChange(site - 1); });

    CheckBox8 = named(new QCheckBox(QStringLiteral("white axis"), this), "CheckBox8");
    connect(CheckBox8, &QCheckBox::toggled, this, [this] { CheckBox8Click(); });

    SpeedButton11 = named(new QPushButton(QStringLiteral("START"), this), "SpeedButton11");
    SpeedButton15 = named(new QPushButton(QStringLiteral("STOP"), this), "SpeedButton15");
    for (QPushButton* b : {SpeedButton11, SpeedButton15})
        b->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton11, &QPushButton::clicked, this, &MoviePage::startClicked);
    connect(SpeedButton15, &QPushButton::clicked, this, &MoviePage::SpeedButton15Click);

    speedCaption_ = new QLabel(QStringLiteral("speed"), this);
    ScrollBarS = named(new QScrollBar(Qt::Horizontal, this), "ScrollBarS");
    ScrollBarS->setRange(kMinMovieSpeedMs, kMaxMovieSpeedMs);
    ScrollBarS->setValue(kDefaultMovieSpeedMs);
    ScrollBarS->setToolTip(QStringLiteral("simulated milliseconds per frame"));
    connect(ScrollBarS, &QScrollBar::valueChanged, this, &MoviePage::ScrollBarSChange);
    Label198 = named(new QLabel(QString::number(kDefaultMovieSpeedMs), this), "Label198");

    pageCaption_ = new QLabel(QStringLiteral("page :"), this);
    Label200 = named(new QLabel(this), "Label200");

    RadioButtonSS1 = named(new QRadioButton(QStringLiteral("S"), this), "RadioButtonSS1");
    RadioButtonSS2 = named(new QRadioButton(QStringLiteral("M"), this), "RadioButtonSS2");
    RadioButtonSS3 = named(new QRadioButton(QStringLiteral("L"), this), "RadioButtonSS3");
    RadioButtonSS1->setChecked(true);
    for (QRadioButton* b : {RadioButtonSS1, RadioButtonSS2, RadioButtonSS3})
        connect(b, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RadioButtonSS1Click();
        });
    PaintBox1->setLook(squareLook());

    replayTimer_ = new QTimer(this);
    replayTimer_->setObjectName("MovieTimer");
    replayTimer_->setTimerType(Qt::PreciseTimer);
    connect(replayTimer_, &QTimer::timeout, this, &MoviePage::replayTick);

    placeControls(size());
}

MoviePage::~MoviePage() = default;

QRect MoviePage::paintBox1Rect(QSize page, int stripHeight)
{
    const int stripTop = page.height() - kMargin - kControlRowHeight - kMargin - stripHeight;
    return QRect(kMargin, kMargin, std::max(1, page.width() - 2 * kMargin),
                 std::max(1, stripTop - 2 * kMargin));
}

void MoviePage::placeControls(QSize page)
{
    const int W = page.width();
    const int H = page.height();
    const int stripHeight = PaintBoxM->height();
    const QRect picture = paintBox1Rect(page, stripHeight);
    PaintBox1->setGeometry(picture);

    const int stripTop = picture.bottom() + 1 + kMargin;
    PaintBoxM->setGeometry(kMargin, stripTop, std::max(1, W - kStripRightRoom), stripHeight);
    const int column = W - kStripRightRoom + kMargin;
    ComboBoxMOV->setGeometry(column, stripTop, kStripRightRoom - 2 * kMargin, 22);
    CheckBox8->setGeometry(column, stripTop + 23, kStripRightRoom - kMargin, 18);

    const int row = H - kMargin - kControlRowHeight;
    SpeedButton11->setGeometry(kMargin, row, 56, kControlRowHeight);
    SpeedButton15->setGeometry(64, row, 56, kControlRowHeight);
    speedCaption_->setGeometry(128, row, 38, kControlRowHeight);
    ScrollBarS->setGeometry(166, row + 3, 100, 17);
    Label198->setGeometry(272, row, 26, kControlRowHeight);
    pageCaption_->setGeometry(302, row, 40, kControlRowHeight);
    Label200->setGeometry(342, row, 28, kControlRowHeight);
    RadioButtonSS1->setGeometry(374, row, 38, kControlRowHeight);
    RadioButtonSS2->setGeometry(412, row, 38, kControlRowHeight);
    RadioButtonSS3->setGeometry(450, row, 38, kControlRowHeight);
}

void MoviePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls(size());
}

MovieSquareSize MoviePage::squareSize() const
{
    if (RadioButtonSS3->isChecked())
        return MovieSquareSize::L;
    if (RadioButtonSS2->isChecked())
        return MovieSquareSize::M;
    return MovieSquareSize::S;
}

SquareLook MoviePage::squareLook() const
{
    return movieSquareLook(squareSize(), largeFonts_);
}

void MoviePage::setLargeFonts(bool largeFonts)
{
    largeFonts_ = largeFonts ? 1 : 0;
    PaintBox1->setLook(squareLook());
    drawMovieStrip();
}

void MoviePage::setStripHeight(int height)
{
    PaintBoxM->resize(PaintBoxM->width(), std::clamp(height, 20, 200));
    placeControls(size());
}

void MoviePage::circuitLayout()
{
    QSize box = PaintBox1->size();
    if (!isVisible() && pageSize)
        box = paintBox1Rect(pageSize(), PaintBoxM->height()).size();
    quorel::circuitLayout(model_, box.width(), box.height(), *table_);
}

void MoviePage::drawCircuit()
{
    replay_->clearGlow();
    PaintBox1->showFrame(nullptr);
}

bool MoviePage::replayTimerActive() const
{
    return replayTimer_->isActive();
}

int MoviePage::shownStep() const
{
    const bool running = runInProgress && runInProgress();
    return ecgRasterStep(model_, results_, session_.scrollBar2.position, running);
}

void MoviePage::rebuildRaster(int step)
{
    // The strip's own raster: the ECG page keeps its scroll position, so the ECG view's
    // scroll bar is not moved from here.
    ScrollBarState unused = session_.scrollBar4;
    buildActivationRaster(model_, results_, step, EcgView{}, unused, *raster_);
}

void MoviePage::drawMovieStrip()
{
    planMovieStrip(model_, results_, *raster_, PaintBoxM->width(), PaintBoxM->height(),
                   CheckBox8->isChecked(), session_.ecgFlagSize != 0, largeFonts_, PaintBoxM->plan());
    PaintBoxM->update();
}

void MoviePage::pageEntered()
{
    if (ComboBoxMOV->count() != model_.siteChooserItemCount)
        ComboBoxMOV->setSiteCount(model_.siteChooserItemCount);
    ComboBoxMOV->setSite(keepMovieStripSite(model_));
    ComboBoxMOV->update();
    circuitLayout();
    if (!animationRunning)
        drawCircuit();
    rebuildRaster(shownStep());
    drawMovieStrip();
}

void MoviePage::runAnimation()
{
    if (animationRunning)
        return;
    animationRunning = 1;
    drawCircuit();
    stopRequested = 0;
    replay_->start(model_, results_);
    replayTick();
}

void MoviePage::stopAnimation()
{
    stopRequested = 1;
    if (animationRunning)
        finishReplay();
}

void MoviePage::finishReplay()
{
    replayTimer_->stop();
    animationRunning = 0;
    drawCircuit();
    PaintBoxM->setCursorX(-1);
}

void MoviePage::replayTick()
{
    // Anything the steps call may ask the replay to stop; it ends before the next frame.
    while (animationRunning && stopRequested == 0) {
        const MovieCue cue = replay_->next(model_, results_, movieSpeedMs);
        int waitMs = 0;
        switch (cue.kind) {
        case MovieCueKind::Step:
            showStep(cue.step);
            continue;
        case MovieCueKind::StaticPicture:
            drawCircuit();
            continue;
        case MovieCueKind::Frame:
            showFrame();
            waitMs = kMovieFrameIntervalMs;
            break;
        case MovieCueKind::Pause:
            waitMs = cue.waitMs;
            break;
        }
        if (stopRequested != 0)
            break;
        // A steady pace: the frame timer keeps running; a pause sets it once.
        if (!replayTimer_->isActive() || replayTimer_->interval() != waitMs)
            replayTimer_->start(waitMs);
        return;
    }
    if (animationRunning)
        finishReplay();
}

void MoviePage::showStep(int step)
{
    session_.scrollBar2.position = step;
    if (onScanStepShown)
        onScanStepShown(step);
    rebuildRaster(step);
    drawMovieStrip();
    Label200->setText(QString::number(step));
}

void MoviePage::showFrame()
{
    const MovieFrame& frame = replay_->frame();
    if (squareSizeChanged) {
        squareSizeChanged = 0;
        PaintBox1->setLook(squareLook());
    }
    PaintBox1->showFrame(&frame);
    PaintBoxM->setCursorX(movieCursorX(frame.timeMs, PaintBoxM->plan().stripMsPerPixel));
    ++framesShown_;
    if (onAnimationTime)
        onAnimationTime(frame.timeMs);
    if (frame.stimulusSiteLit && onStimulusSiteLit)
        onStimulusSiteLit();
}

void MoviePage::SpeedButton15Click()
{
    stopAnimation();
}

void MoviePage::ScrollBarSChange(int position)
{
    movieSpeedMs = position;
    Label198->setText(QString::number(position));
}

void MoviePage::RadioButtonSS1Click()
{
    squareSizeChanged = 1;
    if (animationRunning)
        return;  // the next frame takes the new size
    squareSizeChanged = 0;
    PaintBox1->setLook(squareLook());
    drawCircuit();
}

void MoviePage::ComboBoxMOVChange(int itemIndex)
{
    model_.ecgChannelSite[kMovieStripChannel] = itemIndex + 1;
    rebuildRaster(animationRunning ? session_.scrollBar2.position : shownStep());
    drawMovieStrip();
}

void MoviePage::CheckBox8Click()
{
    drawMovieStrip();
}

QString MoviePage::exportFrame()
{
    const CircuitBox* box = PaintBox1;
    return pictureExport.run(this, QStringLiteral("Export frame"), QStringLiteral("frame.png"), box->size(),
                             [box](QPainter& p) { box->paintPicture(p, false); });
}

QString MoviePage::exportCircuit()
{
    const CircuitBox* box = PaintBox1;
    return pictureExport.run(this, QStringLiteral("Export circuit"), QStringLiteral("circuit.png"),
                             box->size(), [box](QPainter& p) { box->paintPicture(p, true); });
}

void MoviePage::showPaintBox1Menu(const QPoint& position)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Export frame…"), this, [this] { exportFrame(); });
    menu.addAction(QStringLiteral("Export circuit…"), this, [this] { exportCircuit(); });
    menu.exec(PaintBox1->mapToGlobal(position));
}

}  // namespace quorel::gui
