#pragma once
// The look shared by the owner-drawn grids of the parameter pages: cell fills from
// core, text at (left + 2, top + 1), and a header row painted the same way.

#include "model/circuit_model.h"
#include "presentation/table_cells.h"

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <functional>

class QPainter;

namespace quorel::gui {

QColor toQColor(Rgb rgb);
// The menu colour of the window system stands in for "system menu colour".
QColor fillColour(const CellFill& fill, const QPalette& palette);

constexpr int kGridRowHeight = 17;

// The grids' own font: small enough for the fixed column widths at 96 and 120 dpi.
QFont gridFont(const QFont& base);

// Fills rect, draws text at (left + 2, top + 1); a selected cell keeps its colour under a
// light tint of the selection colour so that the region colours stay readable.
void paintGridCell(QPainter* painter, const QRect& rect, const QColor& fill, const QString& text,
                   const QColor& textColour, bool selected, const QPalette& palette);

// A delegate that asks a fill function for each cell's background.
class FilledCellDelegate : public QStyledItemDelegate {
public:
    using FillOf = std::function<QColor(const QModelIndex&)>;
    FilledCellDelegate(FillOf fillOf, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    FillOf fillOf_;
};

// Row 0 of a grid: the headers, owner-drawn with a fill per column.
class GridHeader : public QHeaderView {
public:
    using FillOf = std::function<QColor(int section)>;
    GridHeader(FillOf fillOf, QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sizeHint() const override;

private:
    FillOf fillOf_;
};

}  // namespace quorel::gui
