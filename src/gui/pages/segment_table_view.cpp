#include "pages/segment_table_view.h"

#include "model/table_edit.h"
#include "pages/grid_look.h"
#include "text/number_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace quorel::gui {

// --- SegmentTableModel ---

SegmentTableModel::SegmentTableModel(const CircuitModel& model, SegmentTable& table, QObject* parent)
    : QAbstractTableModel(parent), model_(model), table_(table)
{
}

int SegmentTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, table_.rowCount - 1);
}

int SegmentTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kSegmentColumns;
}

QVariant SegmentTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const auto& cell = table_.cells[static_cast<size_t>(tableRow(index))][static_cast<size_t>(index.column())];
    return QString::fromStdString(cell);
}

QVariant SegmentTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kSegmentColumns)
        return {};
    return QString::fromUtf8(kSegmentHeaders[static_cast<size_t>(section)]);
}

Qt::ItemFlags SegmentTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && segmentCellEditable(model_, tableRow(index), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool SegmentTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    table_.cells[static_cast<size_t>(tableRow(index))][static_cast<size_t>(index.column())] =
        value.toString().toStdString();
    emit dataChanged(index, index);
    return true;
}

void SegmentTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

void SegmentTableModel::cellsChanged(int tableRow, int column)
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    emit dataChanged(index(0, 1), index(rows - 1, 3));
    const QModelIndex cell = indexOf(tableRow, column);
    if (cell.isValid())
        emit dataChanged(cell, cell);
}

void SegmentTableModel::showStoredValue(int tableRow, int column)
{
    if (!segmentCellEditable(model_, tableRow, column))
        return;
    const int field = column == kColumnCv ? fieldCv : column == kColumnErp ? fieldErp : fieldSf;
    setData(indexOf(tableRow, column), QString::fromStdString(generalText(model_.B[0][tableRow][field])),
            Qt::EditRole);
}

// --- CellEditor ---

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
}

void CellEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    // Shortcuts with ctrl (select all, undo, ...) and keys without text (arrows, delete)
    // are editing commands, not characters.
    const QString text = event->text();
    const bool command = event->modifiers().testFlag(Qt::ControlModifier) || text.isEmpty();
    if (!command && !isRealKey(text.at(0).unicode())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// --- delegate ---

namespace {

class SegmentCellDelegate : public FilledCellDelegate {
public:
    SegmentCellDelegate(SegmentTableView* view, SegmentTableModel* model)
        : FilledCellDelegate(
              [view](const QModelIndex& index) {
                  const SegmentTableModel* model = view->segmentModel();
                  if (!model)
                      return QColor(Qt::white);
                  const CellFill fill =
                      segmentCellFill(model->circuit(), view->kind(), SegmentTableModel::tableRow(index),
                                      index.column(), index.data().toString().toStdString());
                  return fillColour(fill, view->palette());
              },
              view),
          view_(view), model_(model)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        auto* editor = new CellEditor(parent);
        editor->setFont(option.font);
        const int row = SegmentTableModel::tableRow(index);
        const int column = index.column();
        SegmentTableView* view = view_;
        QObject::connect(editor, &QLineEdit::textEdited, view,
                         [view, row, column](const QString& text) {
                             emit view->cellTextEdited(row, column, text);
                         });
        QObject::connect(editor, &CellEditor::copyRequested, view, &SegmentTableView::copyRequested);
        QObject::connect(editor, &CellEditor::pasteRequested, view, &SegmentTableView::pasteRequested);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        // Leave the editor alone while it already shows the cell, so that the caret
        // stays where the user is typing.
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text)
            line->setText(text);
    }

    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex& index) const override
    {
        // Every keystroke has been stored already; ending the edit shows what was kept.
        if (model_)
            model_->showStoredValue(SegmentTableModel::tableRow(index), index.column());
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override
    {
        editor->setGeometry(option.rect);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        // Escape would close the editor and leave the next keys to the table, which takes
        // the first and gives the rest to an editor holding the old text. Every key has
        // been stored already, so Escape only shows the stored value, selected: what is
        // typed next replaces it, as when the cell is first entered.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            if (auto* editor = qobject_cast<CellEditor*>(object)) {
                const QModelIndex index = view_->indexAt(editor->geometry().center());
                if (index.isValid())
                    editor->setText(index.data(Qt::EditRole).toString());
                editor->selectAll();
                return true;
            }
        }
        return FilledCellDelegate::eventFilter(object, event);
    }

private:
    SegmentTableView* view_;
    QPointer<SegmentTableModel> model_;
};

}  // namespace

// --- SegmentTableView ---

SegmentTableView::SegmentTableView(SegmentTableModel* model, SegmentGrid kind, QWidget* parent)
    : QTableView(parent), model_(model), kind_(kind)
{
    setModel(model);
    setFont(gridFont(font()));
    auto fillOfHeader = [this](int section) {
        if (!model_)
            return QColor(Qt::white);
        return fillColour(segmentCellFill(model_->circuit(), kind_, 0, section, ""), palette());
    };
    auto* header = new GridHeader(fillOfHeader, this);
    header->setFont(font());
    setHorizontalHeader(header);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    setItemDelegate(new SegmentCellDelegate(this, model));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTabKeyNavigation(true);
    applyColumnWidths();
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit rowChosen(SegmentTableModel::tableRow(index)); });
}

void SegmentTableView::applyColumnWidths()
{
    const int widths[kSegmentColumns] = {245, 43, 43, 43, 30, 30, largeFonts_ ? 35 : 37};
    for (int c = 0; c < kSegmentColumns; ++c) {
        setColumnWidth(c, widths[c]);
        if (frozen_)
            frozen_->setColumnWidth(c, widths[c]);
    }
    updateFrozenGeometry();
}

void SegmentTableView::setLargeFonts(bool large)
{
    largeFonts_ = large;
    applyColumnWidths();
}

void SegmentTableView::setFixedColumnCount(int count)
{
    fixedColumns_ = std::clamp(count, 0, kSegmentColumns);
    if (fixedColumns_ > 0 && !frozen_) {
        frozen_ = new QTableView(this);
        frozen_->setObjectName(objectName() + QStringLiteral("Fixed"));
        frozen_->setModel(model_);
        frozen_->setSelectionModel(selectionModel());
        // A delegate of its own: the fixed columns never edit, and a shared delegate would
        // send the editor's commits to both views.
        frozen_->setItemDelegate(new SegmentCellDelegate(this, model_));
        frozen_->setFont(font());
        auto* header = new GridHeader(
            [this](int section) {
                if (!model_)
                    return QColor(Qt::white);
                return fillColour(segmentCellFill(model_->circuit(), kind_, 0, section, ""), palette());
            },
            frozen_);
        header->setFont(font());
        frozen_->setHorizontalHeader(header);
        frozen_->verticalHeader()->hide();
        frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        frozen_->verticalHeader()->setMinimumSectionSize(4);
        frozen_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
        frozen_->setFocusPolicy(Qt::NoFocus);
        frozen_->setFrameShape(QFrame::NoFrame);
        frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        frozen_->setSelectionMode(selectionMode());
        frozen_->setVerticalScrollMode(verticalScrollMode());
        frozen_->setWordWrap(false);
        viewport()->stackUnder(frozen_);
        connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(frozen_, &QAbstractItemView::clicked, this,
                [this](const QModelIndex& index) { emit rowChosen(SegmentTableModel::tableRow(index)); });
    }
    if (frozen_) {
        for (int c = 0; c < kSegmentColumns; ++c)
            frozen_->setColumnHidden(c, c >= fixedColumns_);
    }
    applyColumnWidths();
}

int SegmentTableView::fixedWidth() const
{
    int width = 0;
    for (int c = 0; c < fixedColumns_; ++c)
        width += columnWidth(c);
    return width;
}

bool SegmentTableView::fixedColumnsFrozen() const
{
    if (!frozen_ || fixedColumns_ == 0)
        return false;
    // Frozen columns that leave no room for the widest other column would hide the values
    // for good; a table that narrow scrolls as a whole instead.
    int widest = 0;
    for (int c = fixedColumns_; c < kSegmentColumns; ++c)
        widest = std::max(widest, columnWidth(c));
    return viewport()->width() >= fixedWidth() + widest;
}

void SegmentTableView::updateFrozenGeometry()
{
    if (!frozen_)
        return;
    const bool frozen = fixedColumnsFrozen();
    frozen_->setVisible(frozen);
    if (frozen)
        frozen_->setGeometry(frameWidth(), frameWidth(), fixedWidth(),
                             viewport()->height() + horizontalHeader()->height());
}

void SegmentTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

void SegmentTableView::updateGeometries()
{
    QTableView::updateGeometries();
    updateFrozenGeometry();
}

QModelIndex SegmentTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Tab and shift+Tab in edit mode walk the C.V., ERP and S.F. cells row by row.
    if (editMode_ && (cursorAction == MoveNext || cursorAction == MovePrevious)) {
        const QModelIndex current = currentIndex();
        int row = current.isValid() ? current.row() : 0;
        int column = current.isValid() ? current.column() : kColumnCv - 1;
        const int step = cursorAction == MoveNext ? 1 : -1;
        for (int guard = 0; guard < model_->rowCount() * kSegmentColumns + kSegmentColumns; ++guard) {
            column += step;
            if (column >= kSegmentColumns) {
                column = 0;
                ++row;
            } else if (column < 0) {
                column = kSegmentColumns - 1;
                --row;
            }
            if (row < 0 || row >= model_->rowCount())
                return current;
            const QModelIndex candidate = model_->index(row, column);
            if (candidate.flags().testFlag(Qt::ItemIsEditable))
                return candidate;
        }
        return current;
    }
    QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    // Keep a cell that the cursor reaches from the right out from under the fixed columns.
    if (fixedColumnsFrozen() && next.isValid() && next.column() >= fixedColumns_) {
        const int left = visualRect(next).left();
        if (left < fixedWidth())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - fixedWidth());
    }
    return next;
}

void SegmentTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // Fixed columns never scroll sideways; their rows still scroll into view.
    if (fixedColumnsFrozen() && index.isValid() && index.column() < fixedColumns_) {
        const int keep = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(keep);
        return;
    }
    QTableView::scrollTo(index, hint);
}

void SegmentTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (editMode_) {
        if (editorIndex_.isValid() && editorIndex_ != QPersistentModelIndex(current))
            closeEditorAt(editorIndex_);
        openEditorAt(current);
    }
    if (current.isValid() && (!previous.isValid() || current.row() != previous.row()))
        emit rowChosen(SegmentTableModel::tableRow(current));
}

void SegmentTableView::openEditorAt(const QModelIndex& index)
{
    if (!index.isValid() || !index.flags().testFlag(Qt::ItemIsEditable))
        return;
    if (editorIndex_ == QPersistentModelIndex(index) && isPersistentEditorOpen(index))
        return;
    openPersistentEditor(index);
    editorIndex_ = index;
    if (QWidget* editor = indexWidget(index)) {
        editor->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->selectAll();
    }
}

void SegmentTableView::closeEditorAt(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const bool hadFocus = indexWidget(index) && indexWidget(index)->hasFocus();
    closePersistentEditor(index);
    if (model_)
        model_->showStoredValue(SegmentTableModel::tableRow(index), index.column());
    if (QPersistentModelIndex(index) == editorIndex_)
        editorIndex_ = QPersistentModelIndex();
    if (hadFocus)
        setFocus();
}

void SegmentTableView::setEditMode(bool on)
{
    if (on == editMode_)
        return;
    if (!model_)
        return;
    editMode_ = on;
    model_->setEditable(on);
    if (on) {
        setEditTriggers(QAbstractItemView::CurrentChanged);
        QModelIndex current = currentIndex();
        const int row = current.isValid() ? current.row() : 0;
        if (!current.isValid() || !current.flags().testFlag(Qt::ItemIsEditable)) {
            QModelIndex cell = model_->index(row, kColumnCv);
            if (!cell.flags().testFlag(Qt::ItemIsEditable))   // the empty row after the segments
                cell = model_->index(0, kColumnCv);
            if (cell.flags().testFlag(Qt::ItemIsEditable)) {
                selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
                return;   // currentChanged opened the editor
            }
        }
        openEditorAt(current);
    } else {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        if (editorIndex_.isValid())
            closeEditorAt(editorIndex_);
    }
}

CellEditor* SegmentTableView::editorAt(int tableRow, int column) const
{
    if (!model_)
        return nullptr;
    return qobject_cast<CellEditor*>(indexWidget(model_->indexOf(tableRow, column)));
}

std::vector<std::vector<std::string>> SegmentTableView::selectedTexts() const
{
    QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && currentIndex().isValid())
        indexes.append(currentIndex());
    if (indexes.isEmpty())
        return {};
    int top = indexes.front().row(), bottom = top, left = indexes.front().column(), right = left;
    for (const QModelIndex& i : indexes) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    std::vector<std::vector<std::string>> rows(static_cast<size_t>(bottom - top + 1),
                                               std::vector<std::string>(static_cast<size_t>(right - left + 1)));
    for (const QModelIndex& i : indexes)
        rows[static_cast<size_t>(i.row() - top)][static_cast<size_t>(i.column() - left)] =
            i.data().toString().toStdString();
    return rows;
}

std::pair<int, int> SegmentTableView::selectionAnchor() const
{
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (indexes.isEmpty()) {
        const QModelIndex current = currentIndex();
        if (!current.isValid())
            return {0, 0};
        return {SegmentTableModel::tableRow(current), current.column()};
    }
    int top = indexes.front().row(), left = indexes.front().column();
    for (const QModelIndex& i : indexes) {
        top = std::min(top, i.row());
        left = std::min(left, i.column());
    }
    return {top + 1, left};
}

void SegmentTableView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace quorel::gui
