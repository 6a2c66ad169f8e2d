#include "views/ecg_strip_painter.h"

#include "presentation/ecg_time_axis.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorel::gui {

namespace {

constexpr int kLabelRightMargin = 3;  // between the labels and the strip

// Text with its top-left corner at (x, y), on a grey box unless the brush is clear.
void drawStripText(QPainter& p, int x, int y, const QString& text, const QColor& colour, bool clearBrush)
{
    const QFontMetrics metrics(p.font());
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    if (!clearBrush)
        p.fillRect(box, qColour(kEcgLabelBoxColour));
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// A line of pen width 2 covers the pixel before its coordinate and its own.
QRect horizontalLine(int fromX, int toX, int y, int penWidth)
{
    return QRect(fromX, y - (penWidth - 1), toX - fromX + 1, penWidth);
}

QRect verticalLine(int x, int fromY, int toY, int penWidth)
{
    return QRect(x - (penWidth - 1), fromY, penWidth, toY - fromY + 1);
}

void paintMark(QPainter& p, const CaliperMarkDrawing& mark, int H, bool clearLabelBrush)
{
    const QColor colour = qColour(mark.colour);
    p.fillRect(verticalLine(mark.leftX, 0, H - 1, 1), colour);
    p.fillRect(verticalLine(mark.rightX, 0, H - 1, 1), colour);
    p.fillRect(
        horizontalLine(std::min(mark.leftX, mark.rightX), std::max(mark.leftX, mark.rightX), mark.barY, 1),
        colour);
    drawStripText(p, mark.textX, mark.textY, QString::number(mark.intervalMs), qColour(kCaliperTextColour),
                  clearLabelBrush);
}

void paintMeasuring(QPainter& p, const MeasuringDrawing& m, int H, bool clearLabelBrush)
{
    if (!m.cursor)
        return;
    const QColor red = qColour(kMeasuringColour);
    p.fillRect(verticalLine(m.cursorX, 0, H - 1, 1), red);
    if (!m.firstPoint)
        return;
    p.fillRect(verticalLine(m.firstX, 0, H - 1, 1), red);
    p.fillRect(horizontalLine(std::min(m.firstX, m.cursorX), std::max(m.firstX, m.cursorX), m.mouseY, 1),
               red);
    drawStripText(p, m.textX, m.textY, QString::number(m.intervalMs), qColour(kCaliperTextColour),
                  clearLabelBrush);
}

}  // namespace

QColor qColour(Rgb rgb)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QFont ecgTextFont(bool largeFonts, double dpi)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    const int points = largeFonts ? 8 : 10;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
    return font;
}

void paintEcgTraces(QPainter& p, const EcgStripPlan& plan, const QFont& font)
{
    const int W = plan.view.width;
    const int H = plan.view.height;
    p.fillRect(QRect(0, 0, W, H), qColour(kEcgBackground));
    for (const EcgChannelTrace& trace : plan.channels) {
        const QColor colour = qColour(trace.colour);
        const int y = trace.baselineY;
        for (int k = 0; k < trace.columnCount; ++k) {
            const int x = trace.columns[k];
            for (int s = 0; s < plan.spike.count; ++s) {
                const SpikeLine& line = plan.spike.lines[s];
                if (line.halfHeight > 0)
                    p.fillRect(QRect(x + line.dx, y - line.halfHeight, 1, 2 * line.halfHeight), colour);
            }
        }
        p.fillRect(horizontalLine(0, W, y, 2), colour);
    }

    const QColor axis = qColour(kEcgAxisColour);
    p.setFont(font);
    for (const EcgTick& tick : plan.ticks) {
        p.fillRect(verticalLine(tick.x, tick.topY, H - 1, tick.penWidth), axis);
        if (tick.tickClass == TickClass::Second)
            drawStripText(p, tick.textX, tick.textY, QString::fromStdString(ecgSecondsText(tick.seconds)),
                          Qt::white, plan.clearLabelBrush);
    }
    p.fillRect(horizontalLine(0, W, ecgAxisLineY(plan.view), 2), axis);
}

void paintCaliperOverlay(QPainter& p, const CaliperOverlay& overlay, const EcgView& view,
                         bool clearLabelBrush, const QFont& font)
{
    p.setFont(font);
    for (int i = 0; i < overlay.count; ++i)
        paintMark(p, overlay.marks[i], view.height, clearLabelBrush);
    paintMeasuring(p, overlay.measuring, view.height, clearLabelBrush);
}

void paintChannelLabels(QPainter& p, const ChannelLabelsPlan& plan, int width, int height,
                        const QColor& background, const QFont& font)
{
    p.fillRect(QRect(0, 0, width, height), background);
    p.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    for (int i = 0; i < plan.count; ++i) {
        const ChannelLabelDrawing& label = plan.labels[i];
        p.setPen(qColour(label.colour));
        p.drawText(QRect(0, label.top, width - kLabelRightMargin, lineHeight),
                   Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, QString::fromStdString(label.text));
    }
}

void EcgTraceBitmap::render(const EcgStripPlan& plan, const QFont& font, qreal devicePixelRatio)
{
    const QSize size(std::max(1, plan.view.width), std::max(1, plan.view.height));
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (image_.size() != pixels || image_.devicePixelRatio() != devicePixelRatio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(devicePixelRatio);
    }
    QPainter p(&image_);
    paintEcgTraces(p, plan, font);
}

}  // namespace quorel::gui
