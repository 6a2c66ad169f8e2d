#pragma once
// The fixed cells of a grid: row 0 and column 0 of a table stay in view while the rest
// scrolls, as the header row and the label column of a spreadsheet. The table shows rows
// 1.. and columns 1..; its own headers, sized to row 0 and column 0, draw those cells with
// the table's delegate, and a corner widget draws cell (0, 0). Qt then keeps them in
// place and in step with the scrolling, to the pixel.

#include <QHeaderView>
#include <QObject>

class QAbstractItemDelegate;
class QTableView;

namespace quorel::gui {

// A header whose sections show the cells of row 0 (horizontal) or column 0 (vertical).
class FixedCellHeader : public QHeaderView {
    Q_OBJECT
public:
    FixedCellHeader(Qt::Orientation orientation, QAbstractItemDelegate* delegate, QWidget* parent);
    // Height of the horizontal header, width of the vertical one.
    void setExtent(int pixels);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QAbstractItemDelegate* delegate_;
    int extent_ = 0;
};

class FixedCells : public QObject {
    Q_OBJECT
public:
    // Installs the two headers and the corner on `table`; `delegate` paints the cells.
    FixedCells(QTableView* table, QAbstractItemDelegate* delegate);

    // After the table's rows, columns or their sizes changed (a table without rows or
    // columns shows no fixed cells).
    void refresh();

    FixedCellHeader* row() const { return row_; }
    FixedCellHeader* column() const { return column_; }
    QWidget* corner() const { return corner_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeCorner();

    QTableView* table_;
    FixedCellHeader* row_;
    FixedCellHeader* column_;
    QWidget* corner_;
};

}  // namespace quorel::gui
