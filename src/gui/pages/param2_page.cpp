#include "pages/param2_page.h"

#include "model/table_edit.h"
#include "pages/cv_curve_view.h"
#include "pages/edit_glyphs.h"
#include "pages/segment_table_view.h"
#include "presentation/table_cells.h"
#include "text/number_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

QLabel* caption(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

Param2Page::Param2Page(CircuitModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("TabSheet_dc"));
    showMessage_ = [this](QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, QStringLiteral("Quorel"), text, QMessageBox::Ok, this);
        box.exec();
    };

    segmentModel_ = new SegmentTableModel(model_, segments_, this);
    curveModel_ = new CvCurveModel(curve_, this);

    SGDI = new SegmentTableView(segmentModel_, SegmentGrid::SGDI, this);
    SGDI->setObjectName(QStringLiteral("SGDI"));
    SGDI->setFixedColumnCount(4);
    SGDI->setMinimumHeight(4 * 17 + 4);

    SGCVC = new CvCurveView(curveModel_, this);
    SGCVC->setObjectName(QStringLiteral("SGCVC"));
    SGCVC->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SGCVC->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGCVC->setFixedWidth(20 + 60 + 61 + 61 + SGCVC->verticalScrollBar()->sizeHint().width() +
                         2 * SGCVC->frameWidth());

    SpeedButton6 = new QToolButton(this);
    SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
    SpeedButton6->setAutoRaise(true);
    SpeedButton6->setToolTip(QStringLiteral("Edit ON/OFF"));
    SpeedButton6->setIcon(ImageEOFF());
    SpeedButton6->setIconSize(ImageEOFF().size());
    SpeedButton6->setFixedSize(36, 26);
    connect(SpeedButton6, &QToolButton::clicked, this, &Param2Page::SpeedButton6Click);

    Label96 = new QLabel(this);
    Label96->setObjectName(QStringLiteral("Label96"));
    QFont bold = Label96->font();
    bold.setBold(true);
    Label96->setFont(bold);

    // Left of the curve: the edit button, the abbreviations and the estimate.
    auto* notes = new QVBoxLayout;
    notes->setSpacing(1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(SpeedButton6);
    buttonRow->addStretch(1);
    notes->addLayout(buttonRow);
    for (const char* text : {"D.I . : diastolic interval (sec)", "S.L. : segment length (m)",
                             "C.T. : conduction time (sec)", "C.V. : conduction velocity (m/s)",
                             "S.F. : scaling factor for decremental"})
        notes->addWidget(caption(text, this));
    auto* sfSecondLine = caption("conduction ( 0 - 1.0 )", this);
    sfSecondLine->setContentsMargins(40, 0, 0, 0);
    notes->addWidget(sfSecondLine);
    notes->addSpacing(6);
    auto* estimateRow = new QHBoxLayout;
    estimateRow->setSpacing(4);
    estimateRow->addWidget(caption("estimated VT cycle length =", this));
    estimateRow->addWidget(Label96);
    estimateRow->addStretch(1);
    notes->addLayout(estimateRow);
    notes->addStretch(1);

    auto* curveColumn = new QVBoxLayout;
    curveColumn->setSpacing(2);
    auto* curveTitle = caption("< C.V. curve >", this);
    curveTitle->setAlignment(Qt::AlignHCenter);
    curveColumn->addWidget(curveTitle);
    curveColumn->addWidget(SGCVC, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addLayout(notes, 1);
    bottom->addLayout(curveColumn);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(6);
    page->addWidget(SGDI, 3);
    page->addLayout(bottom, 2);

    connect(SGDI, &SegmentTableView::cellTextEdited, this, &Param2Page::OnDCEdit);
    connect(SGDI, &SegmentTableView::rowChosen, this, &Param2Page::onRowChosen);
    connect(SGDI, &SegmentTableView::copyRequested, this, &Param2Page::copySelection);
    connect(SGDI, &SegmentTableView::pasteRequested, this, &Param2Page::pasteClipboard);

    refresh();
}

Param2Page::~Param2Page()
{
    // The views and models read segments_ and curve_, so they go before those members.
    const auto children = findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(children);
}

void Param2Page::describeSegments()
{
    quorel::describeSegments(model_, segments_);
    segmentModel_->reload();
    selectFirstSegmentQuietly();
}

void Param2Page::refresh()
{
    describeSegments();
    // The curve is drawn with the constants of the current estimate: a page change
    // recomputes the diastolic intervals before the page shows the curve.
    computeCvConstantsOfRow(model_, 1);
    showCurveOf(1);
    updateEstimate();
}

void Param2Page::selectFirstSegmentQuietly()
{
    // After the rows are rebuilt the selection rests on site 1, whose curve is shown.
    if (segmentModel_->rowCount() == 0)
        return;
    quiet_ = true;
    SGDI->selectionModel()->setCurrentIndex(segmentModel_->index(0, 4),
                                            QItemSelectionModel::ClearAndSelect);
    quiet_ = false;
}

void Param2Page::setLargeFonts(bool large)
{
    largeFonts_ = large;
    SGDI->setLargeFonts(large);
    SGCVC->setLargeFonts(large);
    for (const auto& copy : copies_)
        if (copy)
            copy->setLargeFonts(large);
}

void Param2Page::setGridEditEnabled(bool on)
{
    model_.gridEditEnabled = on ? 1 : 0;
    SpeedButton6->setIcon(on ? ImageEON() : ImageEOFF());
    SGDI->setEditMode(on);
}

void Param2Page::SpeedButton6Click()
{
    setGridEditEnabled(model_.gridEditEnabled == 0);
}

void Param2Page::showCurveOf(int row)
{
    curve_ = cvCurveTableOf(model_, row);
    curveModel_->reload();
}

void Param2Page::updateEstimate()
{
    Label96->setText(QString::fromStdString(cycleLengthLabels(model_).Label96));
}

void Param2Page::onRowChosen(int)
{
    if (!quiet_)
        SGDIClick();
}

void Param2Page::SGDIClick()
{
    const QModelIndex current = SGDI->currentIndex();
    const int row = current.isValid() ? SegmentTableModel::tableRow(current) : 1;
    if (row > model_.totalSiteCount)
        return;   // the empty row after the segments describes no site
    quorel::SGDIClick(model_, row, curve_);
    curveModel_->reload();
    updateEstimate();
    emit modelEdited();
}

void Param2Page::OnDCEdit(int row, int column, const QString& text)
{
    CellEditor* editor = SGDI->editorAt(row, column);
    const std::string typed = text.toStdString();
    // The key filter keeps signs and exponents out of the cell; text that arrives by other
    // ways (the editor's context menu, a middle click) must pass the same test.
    TableEditResult result;
    if (passesRealKeyFilter(typed)) {
        result = quorel::OnDCEdit(model_, column, row, typed, segments_, curve_);
    } else {
        result.accepted = false;
        result.error = invalidRealMessage(typed);
    }
    if (!result.accepted) {
        // Nothing was stored: the cell goes back to what it showed before the key.
        if (editor)
            editor->setText(QString::fromStdString(
                segments_.cells[static_cast<size_t>(row)][static_cast<size_t>(column)]));
        showMessage_(QMessageBox::Critical, QString::fromStdString(result.error));
        return;
    }
    auto& cell = segments_.cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    cell = result.correctedText ? *result.correctedText : typed;
    if (editor && result.correctedText)
        editor->setText(QString::fromStdString(*result.correctedText));
    segmentModel_->cellsChanged(row, column);
    curveModel_->reload();
    updateEstimate();
    emit modelEdited();
}

void Param2Page::copySelection()
{
    const auto rows = SGDI->selectedTexts();
    if (rows.empty())
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(tabSeparatedText(rows)));
}

void Param2Page::pasteClipboard()
{
    pasteText(QGuiApplication::clipboard()->text());
}

void Param2Page::pasteText(const QString& text)
{
    if (model_.gridEditEnabled == 0 || text.isEmpty())
        return;
    auto [anchorRow, anchorColumn] = SGDI->selectionAnchor();
    if (anchorRow < 1)
        return;
    const PastePlan plan = planSegmentPaste(model_, anchorRow, anchorColumn, text.toStdString());
    if (plan.error) {
        showMessage_(QMessageBox::Critical, QString::fromStdString(*plan.error));
        return;
    }
    for (const PasteWrite& write : plan.writes) {
        const TableEditResult result =
            quorel::OnDCEdit(model_, write.column, write.row, write.text, segments_, curve_);
        if (!result.accepted)
            continue;   // cannot happen: the plan checked every value
        segments_.cells[static_cast<size_t>(write.row)][static_cast<size_t>(write.column)] =
            result.correctedText ? *result.correctedText : write.text;
        segmentModel_->cellsChanged(write.row, write.column);
    }
    if (!plan.writes.empty()) {
        curveModel_->reload();
        updateEstimate();
        emit modelEdited();
    }
    if (plan.outside > 0)
        showMessage_(QMessageBox::Information,
                     QString::fromStdString(pasteOutsideMessage(plan.outside)));
}

SegmentTableView* Param2Page::createSGDI2(QWidget* parent)
{
    auto* copy = new SegmentTableView(segmentModel_, SegmentGrid::SGDI2, parent);
    copy->setObjectName(QStringLiteral("SGDI2"));
    copy->setLargeFonts(largeFonts_);
    connect(copy, &SegmentTableView::rowChosen, this, [this](int) { SGDIClick(); });
    copies_.emplace_back(copy);
    return copy;
}

}  // namespace quorel::gui
