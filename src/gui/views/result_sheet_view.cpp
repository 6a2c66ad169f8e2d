#include "views/result_sheet_view.h"

#include "model/conduction.h"
#include "views/fixed_cells.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

QColor toColor(Rgb rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Paints every SGRES cell as core's resultCellStyle describes it.
class ResultCellDelegate : public QStyledItemDelegate {
public:
    ResultCellDelegate(const CircuitModel& model, const ResultSheetLayout& layout,
                       const bool& largeFonts, QObject* parent)
        : QStyledItemDelegate(parent), model_(model), layout_(layout), largeFonts_(largeFonts)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const std::string text = index.data().toString().toStdString();
        const ResultCellStyle style =
            resultCellStyle(model_, layout_, index.column(), index.row(), text, largeFonts_);
        const QRect r = option.rect;
        painter->save();
        painter->fillRect(r, style.menuBackground ? option.palette.color(QPalette::Button)
                                                  : toColor(style.background));
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(style.fontSize);
        painter->setFont(font);
        const QRect textRect = r.adjusted(2, 1, 0, 0);
        const auto flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        if (!style.mark.empty()) {
            painter->setPen(toColor(style.markColour));
            painter->drawText(textRect, flags, QString::fromStdString(style.mark));
        } else if (style.drawText && !style.summaryGreen) {
            painter->setPen(toColor(style.textColour));
            painter->drawText(textRect, flags, QString::fromStdString(text));
        }
        if (style.summaryGreen) {
            painter->setPen(QColor(0x00, 0x80, 0x00));
            painter->drawText(textRect, flags, QString::fromStdString(text));
        }
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }

private:
    const CircuitModel& model_;
    const ResultSheetLayout& layout_;
    const bool& largeFonts_;
};

// ScrollBar1 from the keyboard: the arrows step one scan step, PageUp and PageDown a
// page step, Home and End go to the first and the last step.
class StepScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        SliderAction action = SliderNoAction;
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: action = SliderSingleStepSub; break;
        case Qt::Key_Right:
        case Qt::Key_Down: action = SliderSingleStepAdd; break;
        case Qt::Key_PageUp: action = SliderPageStepSub; break;
        case Qt::Key_PageDown: action = SliderPageStepAdd; break;
        case Qt::Key_Home: action = SliderToMinimum; break;
        case Qt::Key_End: action = SliderToMaximum; break;
        default: QScrollBar::keyPressEvent(event); return;
        }
        triggerAction(action);
        event->accept();
    }
};

}  // namespace

ResultSheetView::ResultSheetView(CircuitModel& model, RunResults& results, SessionState& session,
                                 QWidget* parent)
    : QWidget(parent), model_(model), results_(results), session_(session)
{
    setObjectName("ResultSheetView");
    LabelRes1 = new QLabel(this);
    LabelRes1->setObjectName("LabelRes1");
    LabelRes2 = new QLabel(this);
    LabelRes2->setObjectName("LabelRes2");
    // The outcome of the step is what the page is read for.
    QFont messageFont = LabelRes1->font();
    messageFont.setBold(true);
    LabelRes1->setFont(messageFont);
    LabelRes2->setFont(messageFont);
    Label161 = new QLabel(this);
    Label161->setObjectName("Label161");
    CheckBoxERP = new QCheckBox(QStringLiteral("display ERP"), this);
    CheckBoxERP->setObjectName("CheckBoxERP");
    ScrollBar1 = new StepScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setPageStep(1);
    // A row of its own, the width of the page, so that one of 81 steps can be aimed at;
    // from the keyboard the arrows step by one and PageUp/PageDown by a tenth of the run.
    ScrollBar1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    ScrollBar1->setToolTip(QStringLiteral("scan step"));
    LabelRev = new QLabel(QStringLiteral("1"), this);
    LabelRev->setObjectName("LabelRev");
    LabelRev->setMinimumWidth(24);
    auto* cycleCaption = new QLabel(QStringLiteral("estimated VT cycle length ="), this);

    SGRES = new QTableWidget(this);
    SGRES->setObjectName("SGRES");
    // Row 0 (site numbers) and column 0 (row labels) are the sheet's fixed cells.
    auto* fixedCellPainter = new ResultCellDelegate(model_, layout_, largeFonts_, SGRES);
    fixedCells_ = new FixedCells(SGRES, fixedCellPainter);
    SGRES->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGRES->setSelectionMode(QAbstractItemView::NoSelection);
    SGRES->setShowGrid(false);
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPixelSize(13);
    SGRES->setFont(gridFont);
    SGRES->verticalHeader()->setDefaultSectionSize(17);
    SGRES->horizontalHeader()->setDefaultSectionSize(40);
    SGRES->horizontalHeader()->setMinimumSectionSize(10);
    SGRES->verticalHeader()->setMinimumSectionSize(10);
    SGRES->setItemDelegate(new ResultCellDelegate(model_, layout_, largeFonts_, SGRES));

    auto* messages = new QVBoxLayout;
    messages->setSpacing(2);
    messages->addWidget(LabelRes1);
    messages->addWidget(LabelRes2);
    auto* controls = new QHBoxLayout;
    controls->addWidget(CheckBoxERP);
    controls->addSpacing(12);
    controls->addWidget(cycleCaption);
    controls->addWidget(Label161);
    controls->addStretch(1);
    auto* steps = new QHBoxLayout;
    steps->addWidget(ScrollBar1, 1);
    steps->addWidget(LabelRev);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(messages);
    layout->addLayout(controls);
    layout->addLayout(steps);
    layout->addWidget(SGRES, 1);

    setMessages(designTimeMessages());

    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int position) {
        LabelRev->setText(QString::number(position));
        if (onScrollBar1Change)
            onScrollBar1Change(position);
    });
    // On toggled, so that the stored setting applied at start-up runs the rule as a click.
    connect(CheckBoxERP, &QCheckBox::toggled, this, [this](bool checked) {
        session_.displayErp = checked ? 1 : 0;
        if (onCheckBoxERPClick)
            onCheckBoxERPClick();
    });
    fillResultSheet(1);
}

void ResultSheetView::fillResultSheet(int step)
{
    step_ = step;
    Label161->setText(QString::fromStdString(cycleLengthLabels(model_).Label161));
    // Before any results the layout follows the protocol as it stands.
    const bool filled = hasResults(results_);
    const int protocolRevolutions =
        model_.stimulationMode == 1 ? model_.revolutionCount : model_.trainStimulusCount + 5;
    const int shown = filled ? results_.shownRevolutionCount : protocolRevolutions;
    layout_ = resultSheetLayout(model_, std::max(shown, 1), session_.displayErp == 1);
    SGRES->setUpdatesEnabled(false);
    SGRES->clearContents();
    SGRES->setRowCount(layout_.rowCount);
    SGRES->setColumnCount(layout_.columnCount);
    for (int c = 0; c < layout_.columnCount; ++c)
        SGRES->setColumnWidth(c, resultColumnWidth(layout_, c, largeFonts_));
    for (int row = 0; row < layout_.rowCount; ++row) {
        for (int c = 0; c < layout_.columnCount; ++c) {
            const std::string text =
                resultCellText(model_, results_, layout_, step, c, row, filled);
            if (!text.empty())
                SGRES->setItem(row, c, new QTableWidgetItem(QString::fromStdString(text)));
        }
    }
    SGRES->setUpdatesEnabled(true);
    fixedCells_->refresh();
    SGRES->viewport()->update();
}

QHeaderView* ResultSheetView::fixedRow() const
{
    return fixedCells_->row();
}

QHeaderView* ResultSheetView::fixedColumn() const
{
    return fixedCells_->column();
}

void ResultSheetView::setMessages(const ResultMessages& messages)
{
    LabelRes1->setText(QString::fromStdString(messages.LabelRes1));
    LabelRes2->setText(QString::fromStdString(messages.LabelRes2));
}

void ResultSheetView::setScanStep(int step, int maximum)
{
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setRange(1, std::max(1, maximum));
    ScrollBar1->setPageStep(std::max(1, maximum / 10));
    ScrollBar1->setValue(step);
    LabelRev->setText(QString::number(step));
}

void ResultSheetView::setScrollBarVisible(bool visible)
{
    ScrollBar1->setVisible(visible);
    LabelRev->setVisible(visible);
}

void ResultSheetView::setLargeFonts(bool largeFonts)
{
    largeFonts_ = largeFonts;
    // The summary columns are narrower with the smaller fonts.
    fillResultSheet(step_);
}

}  // namespace quorel::gui
