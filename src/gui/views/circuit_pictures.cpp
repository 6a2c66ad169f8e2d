#include "views/circuit_pictures.h"

#include <QPainter>
#include <QResizeEvent>

namespace quorel::gui {

namespace {

QColor colourOf(Rgb rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QFont numberFont(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(std::max(1, points));
    font.setBold(true);
    return font;
}

}  // namespace

void paintCircuit(QPainter& painter, const SiteDrawTable& table, SquareLook look, QSize size,
                  const MovieFrame* frame)
{
    painter.fillRect(QRect(QPoint(0, 0), size), colourOf(kCircuitBackground));
    painter.setFont(numberFont(look.fontPoints));
    painter.setPen(colourOf(kSiteNumberColour));
    // The number sits on the square's colour, as written with an opaque background.
    painter.setBackgroundMode(Qt::OpaqueMode);
    const int sites = frame ? std::min(table.siteCount, frame->siteCount) : table.siteCount;
    for (int site = 1; site <= sites; ++site) {
        const SiteDrawEntry& e = table.sites[site];
        const int x = scaledCoordinate(e.x, table.width, size.width());
        const int y = scaledCoordinate(e.y, table.height, size.height());
        QColor fill = colourOf(e.colour);
        if (frame) {
            const int g = frame->grey[site];
            fill = QColor(g, g, g);
        }
        const PixelRect r = siteSquare(x, y, look.side);
        painter.fillRect(QRect(r.left, r.top, r.width(), r.height()), fill);
        painter.setBackground(fill);
        const PixelPoint origin = siteNumberOrigin(x, y, look.side);
        const QString number = QString::number(site);
        const QRect text = painter.fontMetrics().boundingRect(number);
        painter.drawText(QRect(origin.x, origin.y, text.width() + 2, painter.fontMetrics().height()),
                         Qt::AlignLeft | Qt::AlignTop, number);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

void paintMovieStrip(QPainter& painter, const MovieStripPlan& plan, int cursorX)
{
    const int W = plan.width;
    const int H = plan.height;
    painter.fillRect(QRect(0, 0, W, H), colourOf(kMovieStripBackground));

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(plan.fontPoints);
    painter.setFont(font);
    const QColor axis = colourOf(plan.axisColour);
    for (const MovieStripTick& tick : plan.ticks) {
        painter.setPen(QPen(axis, tick.penWidth));
        painter.drawLine(tick.x, H - 1, tick.x, tick.topY);
        if (!tick.text.empty())
            painter.drawText(QRect(tick.textX, tick.textY, 40, painter.fontMetrics().height()),
                             Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(tick.text));
    }

    const QColor spike = colourOf(plan.spikeColour);
    const int y0 = plan.baselineY;
    painter.setPen(QPen(spike, 1));
    for (int x : plan.spikeColumns)
        for (int k = 0; k < plan.spike.count; ++k) {
            const SpikeLine& line = plan.spike.lines[k];
            if (line.halfHeight > 0)
                painter.drawLine(x + line.dx, y0 - line.halfHeight, x + line.dx, y0 + line.halfHeight - 1);
        }
    painter.setPen(QPen(spike, plan.baselinePenWidth));
    painter.drawLine(0, y0, W, y0);

    if (cursorX >= 0) {
        painter.setPen(QPen(colourOf(kMovieCursorColour), 1));
        painter.drawLine(cursorX, 0, cursorX, H - 1);
    }
}

CircuitBox::CircuitBox(const SiteDrawTable& table, QWidget* parent) : QWidget(parent), table_(table)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CircuitBox::setLook(SquareLook look)
{
    look_ = look;
    update();
}

void CircuitBox::showFrame(const MovieFrame* frame)
{
    frame_ = frame;
    update();
}

void CircuitBox::paintPicture(QPainter& painter, bool staticPicture) const
{
    paintCircuit(painter, table_, look_, size(), staticPicture ? nullptr : frame_);
}

void CircuitBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter, false);
}

void CircuitBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

MovieStripBox::MovieStripBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MovieStripBox::setCursorX(int x)
{
    if (x == cursorX_)
        return;
    cursorX_ = x;
    update();
}

void MovieStripBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintMovieStrip(painter, plan_, cursorX_);
}

void MovieStripBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace quorel::gui
