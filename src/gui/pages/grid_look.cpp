#include "pages/grid_look.h"

#include <QApplication>
#include <QPainter>

namespace quorel::gui {

QColor toQColor(Rgb rgb)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QColor fillColour(const CellFill& fill, const QPalette& palette)
{
    return fill.systemMenu ? palette.color(QPalette::Window) : toQColor(fill.rgb);
}

QFont gridFont(const QFont& base)
{
    QFont font = base;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

void paintGridCell(QPainter* painter, const QRect& rect, const QColor& fill, const QString& text,
                   const QColor& textColour, bool selected, const QPalette& palette)
{
    painter->save();
    painter->fillRect(rect, fill);
    if (selected) {
        QColor tint = palette.color(QPalette::Highlight);
        tint.setAlpha(90);
        painter->fillRect(rect, tint);
    }
    if (!text.isEmpty()) {
        painter->setPen(textColour);
        painter->setClipRect(rect);
        painter->drawText(rect.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter->restore();
}

FilledCellDelegate::FilledCellDelegate(FillOf fillOf, QObject* parent)
    : QStyledItemDelegate(parent), fillOf_(std::move(fillOf))
{
}

void FilledCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    painter->setFont(option.font);
    paintGridCell(painter, option.rect, fillOf_(index), index.data(Qt::DisplayRole).toString(),
                  Qt::black, option.state.testFlag(QStyle::State_Selected), option.palette);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->save();
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

QSize FilledCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), kGridRowHeight};
}

GridHeader::GridHeader(FillOf fillOf, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), fillOf_(std::move(fillOf))
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(4);
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    painter->setFont(font());
    paintGridCell(painter, rect, fillOf_(logicalIndex), text, Qt::black, false, palette());
    // The grid line the table draws between its cells, continued through the header.
    painter->save();
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}

QSize GridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(kGridRowHeight + 1);
    return size;
}

}  // namespace quorel::gui
