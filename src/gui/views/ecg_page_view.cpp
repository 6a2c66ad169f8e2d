#include "views/ecg_page_view.h"

#include "app/glyphs.h"
#include "presentation/ecg_geometry.h"
#include "presentation/ecg_scrolling.h"
#include "views/channel_label_box.h"
#include "views/ecg_strip_box.h"
#include "views/ecg_strip_export.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorel::gui {

namespace {

constexpr int kStepBarWidth = 64;    // ScrollBar3 and ScrollBar2
constexpr int kTimeLabelWidth = 44;  // Label205

QLabel* plainLabel(const QString& text, const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QScrollBar* horizontalBar(const char* objectName, QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(objectName));
    return bar;
}

QToolButton* speedButton(const char* objectName, const QString& hint, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setFixedHeight(32);
    button->setMinimumWidth(28);
    return button;
}

}  // namespace

EcgPageView::EcgPageView(CircuitModel& model, RunResults& results, SessionState& session, QWidget* parent)
    : QWidget(parent), session_(session), page_(std::make_unique<EcgPage>(model, results, session))
{
    setObjectName(QStringLiteral("TabSheet3"));
    PaintBox3 = new ChannelLabelBox(*page_, this);
    PaintBox2 = new EcgStripBox(*page_, this);

    SpeedButton7 = speedButton("SpeedButton7", QStringLiteral("measure ON/OFF"), this);
    SpeedButton7->setIcon(glyph(Glyph::ImageMOFF));
    SpeedButton7->setIconSize(QSize(kGlyphSize, kGlyphSize));
    SpeedButton8 = speedButton("SpeedButton8", QStringLiteral("clear all marks"), this);
    SpeedButton8->setText(QStringLiteral("AC"));
    SpeedButton9 = speedButton("SpeedButton9", QStringLiteral("clear the last mark"), this);
    SpeedButton9->setText(QStringLiteral("C"));
    Label163 = plainLabel(QString(), "Label163", this);
    Label163->setMinimumWidth(60);
    QFont bold = Label163->font();
    bold.setBold(true);
    Label163->setFont(bold);

    Label199 = plainLabel(QString(), "Label199", this);
    Label199->setFixedWidth(PaintBox3->width());
    Label205 = plainLabel(QString(), "Label205", this);
    Label205->setMinimumWidth(kTimeLabelWidth);
    Label205->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ScrollBar4 = horizontalBar("ScrollBar4", this);
    ScrollBar4->setSingleStep(kScrollBar4SmallChange);
    ScrollBar4->setPageStep(kScrollBar4LargeChange);

    ScrollBar3 = horizontalBar("ScrollBar3", this);
    ScrollBar3->setRange(kEcgMinMsPerPixel, kEcgMaxMsPerPixel);
    ScrollBar3->setPageStep(1);
    ScrollBar3->setFixedWidth(kStepBarWidth);
    Label204 = plainLabel(QString(), "Label204", this);
    Label204->setMinimumWidth(16);
    ScrollBar2 = horizontalBar("ScrollBar2", this);
    ScrollBar2->setPageStep(1);
    ScrollBar2->setFixedWidth(kStepBarWidth);
    Label206 = plainLabel(QStringLiteral("page"), "Label206", this);
    Label203 = plainLabel(QString(), "Label203", this);
    Label203->setMinimumWidth(16);
    CheckBox6 = new QCheckBox(QStringLiteral("wide spikes"), this);
    CheckBox6->setObjectName(QStringLiteral("CheckBox6"));
    CheckBox7 = new QCheckBox(QStringLiteral("text boxes"), this);
    CheckBox7->setObjectName(QStringLiteral("CheckBox7"));

    auto* tools = new QHBoxLayout;
    tools->setSpacing(2);
    tools->addWidget(SpeedButton7);
    tools->addWidget(SpeedButton8);
    tools->addWidget(SpeedButton9);
    tools->addSpacing(10);
    tools->addWidget(plainLabel(QStringLiteral("RR:"), "LabelRR", this));
    tools->addWidget(Label163);
    tools->addStretch(1);

    auto* strip = new QHBoxLayout;
    strip->setSpacing(2);
    strip->addWidget(PaintBox3);
    strip->addWidget(PaintBox2, 1);

    auto* time = new QHBoxLayout;
    time->setSpacing(2);
    time->addWidget(Label199);
    time->addWidget(ScrollBar4, 1);
    time->addWidget(Label205);

    auto* settings = new QHBoxLayout;
    settings->setSpacing(4);
    settings->addWidget(plainLabel(QStringLiteral("scale"), "LabelScale", this));
    settings->addWidget(ScrollBar3);
    settings->addWidget(Label204);
    settings->addSpacing(8);
    settings->addWidget(Label206);
    settings->addWidget(ScrollBar2);
    settings->addWidget(Label203);
    settings->addStretch(1);
    settings->addWidget(CheckBox6);
    settings->addWidget(CheckBox7);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(3);
    column->addLayout(tools);
    column->addLayout(strip, 1);
    column->addLayout(time);
    column->addLayout(settings);

    stripMenu = new QMenu(this);
    stripMenu->setObjectName(QStringLiteral("StripMenu"));
    stripMenu->addAction(QStringLiteral("Export strip…"), this, &EcgPageView::exportStripInteractively);

    PaintBox2->onUpdate = [this](const EcgPageUpdate& u) { apply(u); };
    PaintBox2->onContextMenu = [this](QPoint at) { stripMenu->exec(at); };
    PaintBox3->onUpdate = [this](const EcgPageUpdate& u) { apply(u); };
    PaintBox3->onSitePopup = [this](int channel) { openSitePopup(channel); };

    connect(ScrollBar2, &QScrollBar::valueChanged, this, [this](int position) {
        apply(page_->ScrollBar2Change(position, running()));
        if (scanStepChanged)
            scanStepChanged(position);
    });
    connect(ScrollBar3, &QScrollBar::valueChanged, this,
            [this](int position) { apply(page_->ScrollBar3Change(position)); });
    connect(ScrollBar4, &QScrollBar::valueChanged, this,
            [this](int position) { apply(page_->ScrollBar4Change(position)); });
    connect(CheckBox6, &QCheckBox::toggled, this, [this](bool on) { apply(page_->CheckBox6Click(on)); });
    connect(CheckBox7, &QCheckBox::toggled, this, [this](bool on) { apply(page_->CheckBox7Click(on)); });
    connect(SpeedButton7, &QToolButton::clicked, this, [this] { apply(page_->SpeedButton7Click()); });
    connect(SpeedButton8, &QToolButton::clicked, this, [this] { apply(page_->SpeedButton8Click()); });
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { apply(page_->SpeedButton9Click()); });

    setLargeFonts(false);
    syncControls();
}

EcgPageView::~EcgPageView() = default;

void EcgPageView::setLargeFonts(bool largeFonts)
{
    const QFont font = ecgTextFont(largeFonts, logicalDpiY());
    PaintBox2->setTextFont(font);
    PaintBox3->setTextFont(font);
}

QSize EcgPageView::stripSizeIn(QSize pageSize)
{
    if (!isVisible() && pageSize.isValid()) {
        resize(pageSize);
        layout()->setGeometry(rect());
    }
    return PaintBox2->size();
}

void EcgPageView::rebuildRaster()
{
    apply(page_->rebuildRaster(running()));
}

void EcgPageView::circuitSetLoaded()
{
    apply(page_->circuitSetLoaded());
    syncControls();
}

void EcgPageView::pageChanged()
{
    apply(page_->pageChanged());
}

void EcgPageView::coloursChanged()
{
    PaintBox2->tracesChanged();
    PaintBox3->update();
}

void EcgPageView::syncControls()
{
    const SessionState& session = session_;
    {
        const QSignalBlocker block(ScrollBar2);
        ScrollBar2->setRange(1, std::max(1, session.scrollBar2.maximum));
        ScrollBar2->setValue(session.scrollBar2.position);
    }
    {
        const QSignalBlocker block(ScrollBar3);
        ScrollBar3->setValue(page_->view().msPerPixel);
    }
    {
        const QSignalBlocker block(ScrollBar4);
        ScrollBar4->setRange(0, std::max(0, session.scrollBar4.maximum));
        ScrollBar4->setValue(session.scrollBar4.position);
    }
    {
        const QSignalBlocker block6(CheckBox6);
        const QSignalBlocker block7(CheckBox7);
        CheckBox6->setChecked(page_->wideSpikes());
        CheckBox7->setChecked(!page_->clearLabelBrush());
    }
    showViewLabels();
}

void EcgPageView::showViewLabels()
{
    Label199->setText(QString::fromStdString(page_->Label199()));
    Label205->setText(QString::fromStdString(page_->Label205()));
    Label204->setText(QString::fromStdString(page_->Label204()));
    Label203->setText(QString::fromStdString(page_->Label203()));
    const bool single = page_->scanStepControlsVisible();
    ScrollBar2->setVisible(single);
    Label203->setVisible(single);
    Label206->setVisible(single);
    const int startMs = page_->view().startMs;
    if (startMs != heldStartMs_) {
        heldStartMs_ = startMs;
        if (startChanged)
            startChanged(startMs);
    }
}

void EcgPageView::apply(const EcgPageUpdate& u)
{
    if (u.traces)
        PaintBox2->tracesChanged();
    else if (u.overlay)
        PaintBox2->update();
    if (u.labels)
        PaintBox3->update();
    if (u.scrollBar4 || u.viewLabels)
        syncControls();
    if (u.glyph)
        SpeedButton7->setIcon(namedImage(QString::fromLatin1(page_->calipers().glyph())));
    if (u.label163)
        Label163->setText(QString::fromStdString(page_->calipers().label163()));
    if (u.comboBoxes && channelSitesChanged)
        channelSitesChanged();
    if (u.captureLamp && captureLampChanged)
        captureLampChanged();
    if (u.statusCursor && showCursorTime)
        showCursorTime(QString::fromStdString(ecgCursorTimeText(page_->cursorMs())));
    if (u.sitePopupChannel != 0)
        openSitePopup(u.sitePopupChannel);
}

void EcgPageView::openSitePopup(int channel)
{
    if (!selectSiteFromPopup)
        return;
    const int site = selectSiteFromPopup(channel);
    if (site >= 1)
        apply(page_->sitePopupChosen(channel, site));
}

void EcgPageView::reportError(const QString& text)
{
    if (showError) {
        showError(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), text, QMessageBox::Ok, this);
    box.exec();
}

void EcgPageView::exportStripInteractively()
{
    QString path;
    if (chooseExportPath) {
        path = chooseExportPath();
    } else {
        const QString folder = exportFolder_.isEmpty() ? QDir::homePath() : exportFolder_;
        QString filter;
        path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Export strip"), QDir(folder).filePath(QStringLiteral("ecg-strip.png")),
            QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"), &filter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path +=
                filter.startsWith(QStringLiteral("SVG")) ? QStringLiteral(".svg") : QStringLiteral(".png");
    }
    if (path.isEmpty())
        return;
    exportFolder_ = QFileInfo(path).absolutePath();
    ShownEcg shown;
    shown.page = page_.get();
    shown.labelWidth = PaintBox3->width();
    shown.labelBackground = PaintBox3->palette().color(QPalette::Window);
    shown.font = PaintBox2->textFont();
    QString error;
    if (!exportEcgStrip(path, shown, error))
        reportError(error);
}

}  // namespace quorel::gui
