#include "dialogs/default_background.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace quorel::gui {

namespace {

// One beat of the strip, x in [0, 1) of a beat's width, y upwards in [-1, 1].
double beat(double x)
{
    auto bump = [x](double centre, double width, double height) {
        const double d = (x - centre) / width;
        return height * std::exp(-d * d);
    };
    return bump(0.18, 0.035, 0.12)  // P
        - bump(0.335, 0.010, 0.12)  // Q
        + bump(0.36, 0.014, 1.0)    // R
        - bump(0.385, 0.012, 0.28)  // S
        + bump(0.60, 0.060, 0.25);  // T
}

}  // namespace

QImage defaultCalculatorBackground(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);

    QLinearGradient paper(0, 0, 0, size.height());
    paper.setColorAt(0.0, QColor(0x0b, 0x1d, 0x2e));
    paper.setColorAt(1.0, QColor(0x0e, 0x3a, 0x42));
    p.fillRect(image.rect(), paper);

    QRadialGradient glow(size.width() * 0.2, size.height() * 0.15, size.width() * 0.7);
    glow.setColorAt(0.0, QColor(80, 160, 200, 40));
    glow.setColorAt(1.0, QColor(80, 160, 200, 0));
    p.fillRect(image.rect(), glow);

    // The paper's small and large squares.
    const int small = 8, large = 40;
    for (int x = 0; x < size.width(); x += small) {
        p.setPen(QColor(70, 170, 180, x % large == 0 ? 55 : 22));
        p.drawLine(x, 0, x, size.height());
    }
    for (int y = 0; y < size.height(); y += small) {
        p.setPen(QColor(70, 170, 180, y % large == 0 ? 55 : 22));
        p.drawLine(0, y, size.width(), y);
    }

    // A calm rhythm across the lower half.
    p.setRenderHint(QPainter::Antialiasing);
    const double baseline = size.height() * 0.76, amplitude = size.height() * 0.16;
    const double beatWidth = size.width() / 3.2;
    QPainterPath strip;
    for (int x = 0; x <= size.width(); ++x) {
        const double phase = std::fmod((x + beatWidth * 0.1) / beatWidth, 1.0);
        const QPointF point(x, baseline - amplitude * beat(phase));
        if (x == 0)
            strip.moveTo(point);
        else
            strip.lineTo(point);
    }
    p.setPen(QPen(QColor(90, 235, 215, 35), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(strip);
    p.setPen(QPen(QColor(120, 245, 225, 85), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(strip);
    p.end();
    return image;
}

}  // namespace quorel::gui
