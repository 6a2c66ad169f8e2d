#include "views/fixed_cells.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace quorel::gui {

namespace {

void paintCell(QPainter* painter, const QWidget* widget, QAbstractItemDelegate* delegate, const QRect& rect,
               const QModelIndex& index)
{
    if (!index.isValid() || rect.isEmpty())
        return;
    QStyleOptionViewItem option;
    option.initFrom(widget);
    option.rect = rect;
    option.font = widget->font();
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    painter->save();
    delegate->paint(painter, option, index);
    painter->restore();
}

// Cell (0, 0), where the two headers meet.
class CornerCell : public QWidget {
public:
    CornerCell(QTableView* table, QAbstractItemDelegate* delegate)
        : QWidget(table), table_(table), delegate_(delegate)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (table_->model())
            paintCell(&painter, table_, delegate_, rect(), table_->model()->index(0, 0));
    }

private:
    QTableView* table_;
    QAbstractItemDelegate* delegate_;
};

}  // namespace

FixedCellHeader::FixedCellHeader(Qt::Orientation orientation, QAbstractItemDelegate* delegate, QWidget* parent)
    : QHeaderView(orientation, parent), delegate_(delegate)
{
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
}

void FixedCellHeader::setExtent(int pixels)
{
    if (pixels == extent_)
        return;
    extent_ = pixels;
    updateGeometry();
}

QSize FixedCellHeader::sizeHint() const
{
    QSize hint = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal)
        hint.setHeight(extent_);
    else
        hint.setWidth(extent_);
    return hint;
}

void FixedCellHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!model())
        return;
    const QModelIndex index =
        orientation() == Qt::Horizontal ? model()->index(0, logicalIndex) : model()->index(logicalIndex, 0);
    paintCell(painter, this, delegate_, rect, index);
}

FixedCells::FixedCells(QTableView* table, QAbstractItemDelegate* delegate) : QObject(table), table_(table)
{
    row_ = new FixedCellHeader(Qt::Horizontal, delegate, table);
    column_ = new FixedCellHeader(Qt::Vertical, delegate, table);
    row_->setObjectName(table->objectName() + QStringLiteral("FixedRow"));
    column_->setObjectName(table->objectName() + QStringLiteral("FixedColumn"));
    table->setHorizontalHeader(row_);
    table->setVerticalHeader(column_);
    table->setCornerButtonEnabled(false);
    corner_ = new CornerCell(table, delegate);
    corner_->setObjectName(table->objectName() + QStringLiteral("FixedCorner"));
    table->installEventFilter(this);
    refresh();
}

void FixedCells::refresh()
{
    const int rows = table_->model() ? table_->model()->rowCount() : 0;
    const int columns = table_->model() ? table_->model()->columnCount() : 0;
    const bool any = rows > 0 && columns > 0;
    // A hidden section reports no size: row 0 and column 0 are measured while shown.
    table_->setRowHidden(0, false);
    table_->setColumnHidden(0, false);
    row_->setExtent(any ? table_->rowHeight(0) : 0);
    column_->setExtent(any ? table_->columnWidth(0) : 0);
    if (any) {
        table_->setRowHidden(0, true);
        table_->setColumnHidden(0, true);
    }
    row_->setVisible(any);
    column_->setVisible(any);
    corner_->setVisible(any);
    placeCorner();
    corner_->update();
}

void FixedCells::placeCorner()
{
    const int frame = table_->frameWidth();
    corner_->setGeometry(frame, frame, column_->sizeHint().width(), row_->sizeHint().height());
    corner_->raise();
}

bool FixedCells::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        placeCorner();
    return QObject::eventFilter(watched, event);
}

}  // namespace quorel::gui
