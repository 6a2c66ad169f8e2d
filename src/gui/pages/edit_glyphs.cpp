#include "pages/edit_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace quorel::gui {

namespace {

// A small table with a pencil over it, and a lamp at the right: green while editing is
// on, grey while it is off.
QPixmap editGlyph(bool on)
{
    QPixmap pixmap(30, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The table.
    const QRectF sheet(1.5, 2.5, 17, 15);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(on ? QColor(0xFF, 0xFF, 0xCC) : QColor(0xF4, 0xF4, 0xF4));
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
    for (double y : {7.5, 12.5})
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    p.drawLine(QPointF(8.5, sheet.top()), QPointF(8.5, sheet.bottom()));

    // The pencil, from the upper right down to its tip on the table.
    p.save();
    p.translate(17.0, 4.0);
    p.rotate(135.0);
    const QColor wood = on ? QColor(0xF0, 0xA0, 0x20) : QColor(0xB0, 0xB0, 0xB0);
    const QColor tip = on ? QColor(0x30, 0x30, 0x30) : QColor(0x80, 0x80, 0x80);
    p.setPen(QPen(on ? QColor(0x80, 0x50, 0x00) : QColor(0x70, 0x70, 0x70), 0.8));
    p.setBrush(wood);
    p.drawRect(QRectF(0, -2, 11, 4));
    QPainterPath point;
    point.moveTo(11, -2);
    point.lineTo(15, 0);
    point.lineTo(11, 2);
    point.closeSubpath();
    p.setBrush(tip);
    p.drawPath(point);
    p.setBrush(on ? QColor(0xE0, 0x60, 0x80) : QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(QRectF(-2, -2, 2, 4));
    p.restore();

    // The lamp.
    const QRectF lamp(21.5, 6.5, 7, 7);
    QRadialGradient glow(lamp.center() - QPointF(1, 1), 4.5);
    glow.setColorAt(0, on ? QColor(0xB0, 0xFF, 0xB0) : QColor(0xE0, 0xE0, 0xE0));
    glow.setColorAt(1, on ? QColor(0x00, 0xA0, 0x00) : QColor(0x80, 0x80, 0x80));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
    p.setBrush(glow);
    p.drawEllipse(lamp);
    return pixmap;
}

}  // namespace

QPixmap ImageEON()
{
    return editGlyph(true);
}

QPixmap ImageEOFF()
{
    return editGlyph(false);
}

}  // namespace quorel::gui
