#include "app/glyphs.h"

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace quorel::gui {

namespace {

const QColor kOutline(0x33, 0x33, 0x3a);

// Drawn at twice the size they are shown at, so that they stay sharp on screens that
// scale the window up; painters work in the shown size.
constexpr int kDetail = 2;

QImage canvas(int width, int height)
{
    QImage image(width * kDetail, height * kDetail, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kDetail);
    image.fill(Qt::transparent);
    return image;
}

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

void drawFolder(QPainter& p)
{
    p.setPen(QPen(QColor(0x8a, 0x6d, 0x1a), 1.2));
    QPainterPath back;
    back.moveTo(3, 7);
    back.lineTo(10, 7);
    back.lineTo(12.5, 9.5);
    back.lineTo(23.5, 9.5);
    back.lineTo(23.5, 22.5);
    back.lineTo(3, 22.5);
    back.closeSubpath();
    p.setBrush(QColor(0xe0, 0xb0, 0x30));
    p.drawPath(back);
    QPainterPath flap;
    flap.moveTo(6.5, 13);
    flap.lineTo(26.5, 13);
    flap.lineTo(23.5, 22.5);
    flap.lineTo(3, 22.5);
    flap.closeSubpath();
    p.setBrush(QColor(0xf7, 0xd3, 0x5c));
    p.drawPath(flap);
}

void drawFloppy(QPainter& p)
{
    p.setPen(QPen(QColor(0x1b, 0x3a, 0x6b), 1.2));
    p.setBrush(QColor(0x2f, 0x5f, 0xa8));
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(21, 4);
    body.lineTo(24, 7);
    body.lineTo(24, 24);
    body.lineTo(4, 24);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xdd, 0xe3));
    p.drawRect(QRectF(9, 4.6, 10, 6.5));
    p.setBrush(QColor(0x2f, 0x5f, 0xa8));
    p.drawRect(QRectF(15, 5.5, 2.2, 4.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7, 14.5, 14, 9), 1, 1);
    p.setPen(QPen(QColor(0x9a, 0xa7, 0xbb), 1));
    p.drawLine(QPointF(9, 17.5), QPointF(19, 17.5));
    p.drawLine(QPointF(9, 20.5), QPointF(19, 20.5));
}

void drawPrinter(QPainter& p)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 3.5, 11, 8));
    p.setBrush(QColor(0x8d, 0x93, 0x9c));
    p.drawRoundedRect(QRectF(3.5, 10.5, 21, 10), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 17.5, 11, 7.5));
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1));
    p.drawLine(QPointF(10.5, 20.5), QPointF(17.5, 20.5));
    p.drawLine(QPointF(10.5, 22.8), QPointF(16, 22.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0xc0, 0x5a));
    p.drawEllipse(QPointF(21.3, 13.6), 1.3, 1.3);
}

// Two loops that share their middle: the figure-8 of a reentry circuit.
void drawFigureEight(QPainter& p, QRectF box, QColor colour, qreal width)
{
    const qreal r = box.height() / 2.0 - width;
    const QPointF left(box.center().x() - r * 0.78, box.center().y());
    const QPointF right(box.center().x() + r * 0.78, box.center().y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width));
    p.drawEllipse(left, r * 0.95, r);
    p.drawEllipse(right, r * 0.95, r);
}

void drawScheme(QPainter& p)
{
    drawFigureEight(p, QRectF(1, 4, 26, 20), QColor(0xc0, 0x39, 0x2b), 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x4f, 0x9a));
    for (QPointF site : {QPointF(14, 9.3), QPointF(14, 18.7), QPointF(3.7, 14), QPointF(24.3, 14)})
        p.drawEllipse(site, 1.8, 1.8);
}

void drawGo(QPainter& p)
{
    QRadialGradient fill(QPointF(11, 10), 14);
    fill.setColorAt(0, QColor(0x6f, 0xd0, 0x84));
    fill.setColorAt(1, QColor(0x1f, 0x86, 0x3a));
    p.setPen(QPen(QColor(0x17, 0x63, 0x2b), 1));
    p.setBrush(fill);
    p.drawEllipse(QPointF(14, 14), 11.5, 11.5);
    QPainterPath play;
    play.moveTo(11, 8);
    play.lineTo(20.5, 14);
    play.lineTo(11, 20);
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(play);
}

void drawFilm(QPainter& p, QColor frame)
{
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(2.5, 5.5, 23, 17), 1.5, 1.5);
    p.setBrush(QColor(0xee, 0xee, 0xee));
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(4.5 + i * 4.2, 6.8, 2.2, 1.8));
        p.drawRect(QRectF(4.5 + i * 4.2, 19.4, 2.2, 1.8));
    }
    p.setBrush(QColor(0xf4, 0xf1, 0xe6));
    p.drawRect(QRectF(4, 10, 20, 8));
}

void drawAnimation(QPainter& p)
{
    drawFilm(p, QColor(0x4a, 0x4a, 0x52));
    // A wavefront running along the strip, with its fading trail.
    p.setPen(Qt::NoPen);
    const QColor dot(0xd0, 0x30, 0x30);
    for (int i = 0; i < 4; ++i) {
        QColor c = dot;
        c.setAlphaF(0.25 + 0.25 * i);
        p.setBrush(c);
        p.drawEllipse(QPointF(7.5 + i * 4, 14), 1.4 + i * 0.4, 1.4 + i * 0.4);
    }
}

void drawCalculator(QPainter& p)
{
    p.setPen(QPen(QColor(0x2f, 0x34, 0x3c), 1));
    p.setBrush(QColor(0x5a, 0x62, 0x70));
    p.drawRoundedRect(QRectF(6.5, 2.5, 15, 23), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xe6, 0xc9));
    p.drawRect(QRectF(8.5, 4.5, 11, 5));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 3 && column == 2;
            p.setBrush(equals ? QColor(0xf0, 0x8c, 0x28) : QColor(0xe4, 0xe6, 0xea));
            p.drawRect(QRectF(8.5 + column * 3.9, 11.3 + row * 3.5, 2.8, 2.5));
        }
    }
}

void drawExit(QPainter& p)
{
    p.setPen(QPen(QColor(0x5b, 0x3a, 0x1a), 1.2));
    p.setBrush(QColor(0xe8, 0xdc, 0xc8));
    p.drawRect(QRectF(4.5, 3.5, 12, 21));
    QPainterPath door;   // the door swung open towards the viewer
    door.moveTo(4.5, 3.5);
    door.lineTo(11.5, 5.5);
    door.lineTo(11.5, 26.5);
    door.lineTo(4.5, 24.5);
    door.closeSubpath();
    p.setBrush(QColor(0xa0, 0x6a, 0x35));
    p.drawPath(door);
    p.setPen(QPen(QColor(0x1f, 0x86, 0x3a), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 14.5), QPointF(25, 14.5));
    p.drawLine(QPointF(21, 10.5), QPointF(25, 14.5));
    p.drawLine(QPointF(21, 18.5), QPointF(25, 14.5));
}

void drawSpeaker(QPainter& p)
{
    QPainterPath speaker;
    speaker.moveTo(3.5, 10.5);
    speaker.lineTo(8.5, 10.5);
    speaker.lineTo(14.5, 4.5);
    speaker.lineTo(14.5, 23.5);
    speaker.lineTo(8.5, 17.5);
    speaker.lineTo(3.5, 17.5);
    speaker.closeSubpath();
    p.setPen(QPen(QColor(0x22, 0x26, 0x2c), 1));
    p.setBrush(QColor(0x4a, 0x52, 0x5e));
    p.drawPath(speaker);
}

void drawSoundOn(QPainter& p)
{
    drawSpeaker(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1f, 0x9a, 0x45), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(11, 9, 10, 10), -50 * 16, 100 * 16);
    p.drawArc(QRectF(9, 5, 18, 18), -50 * 16, 100 * 16);
}

void drawSoundOff(QPainter& p)
{
    drawSpeaker(p);
    p.setPen(QPen(QColor(0xd0, 0x30, 0x30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 10), QPointF(25, 18));
    p.drawLine(QPointF(25, 10), QPointF(18, 18));
}

void drawPencil(QPainter& p, bool on)
{
    p.save();
    p.translate(14, 14);
    p.rotate(-45);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(on ? QColor(0xf1, 0xc2, 0x32) : QColor(0xb4, 0xb4, 0xb4));
    p.drawRect(QRectF(-8, -3, 13, 6));
    p.setBrush(on ? QColor(0xe8, 0x8a, 0x8a) : QColor(0xcc, 0xcc, 0xcc));
    p.drawRect(QRectF(-11, -3, 3, 6));
    QPainterPath tip;
    tip.moveTo(5, -3);
    tip.lineTo(10, 0);
    tip.lineTo(5, 3);
    tip.closeSubpath();
    p.setBrush(QColor(0xf5, 0xde, 0xb3));
    p.drawPath(tip);
    p.restore();
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x9a, 0x45));
        p.drawEllipse(QPointF(22, 22), 3.5, 3.5);
    }
}

// SpeedButton7: a piece of the strip with a caliper over it; red while measuring.
void drawCaliperSwitch(QPainter& p, bool on)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(2.5, 5.5, 23, 17), 2, 2);
    // A trace with one spike.
    p.setPen(QPen(QColor(0xff, 0xff, 0x00), 1.2));
    p.drawLine(QPointF(4, 17), QPointF(24, 17));
    p.drawLine(QPointF(13, 11), QPointF(13, 20));
    const QColor caliper = on ? QColor(0xff, 0x30, 0x30) : QColor(0x9a, 0x9a, 0xa0);
    p.setPen(QPen(caliper, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7, 7), QPointF(7, 21));
    p.drawLine(QPointF(20, 7), QPointF(20, 21));
    p.drawLine(QPointF(7, 10), QPointF(20, 10));
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x9a, 0x45));
        p.drawEllipse(QPointF(23, 23), 3.5, 3.5);
    }
}

QColor lampColour(Glyph g)
{
    switch (g) {
    case Glyph::ImageB:
    case Glyph::ImageCB: return QColor(0x1e, 0x64, 0xdc);
    case Glyph::ImageY: return QColor(0xf0, 0xc0, 0x00);
    case Glyph::ImageR:
    case Glyph::ImageCR: return QColor(0xdc, 0x28, 0x28);
    default: return Qt::gray;
    }
}

QImage drawLamp(Glyph g, int width)
{
    QImage image = canvas(width, kLampHeight);
    QPainter p(&image);
    begin(p);
    const QColor colour = lampColour(g);
    const QRectF body = width == kCheckLampWidth ? QRectF(1.5, 2.5, width - 3, kLampHeight - 5)
                                                 : QRectF(width / 2.0 - 7, 1.5, 14, 14);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, colour.lighter(150));
    fill.setColorAt(0.55, colour);
    fill.setColorAt(1, colour.darker(135));
    p.setPen(QPen(colour.darker(200), 1));
    p.setBrush(fill);
    const qreal radius = body.height() / 2.0;
    p.drawRoundedRect(body, radius, radius);
    // A soft reflection on the upper half.
    QColor shine(255, 255, 255, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    const QRectF glint(body.left() + radius * 0.6, body.top() + 1.5, body.width() - radius * 1.2,
                       body.height() * 0.35);
    p.drawRoundedRect(glint, glint.height() / 2, glint.height() / 2);
    return image;
}

QImage drawProgramIcon()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    begin(p);
    p.setPen(QPen(QColor(0x9a, 0x2a, 0x2a), 1));
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, QColor(0xff, 0xf6, 0xf2));
    fill.setColorAt(1, QColor(0xf4, 0xd6, 0xcf));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    drawFigureEight(p, QRectF(2, 6, 28, 20), QColor(0xc0, 0x20, 0x20), 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x4f, 0x9a));
    p.drawEllipse(QPointF(16, 16), 2.6, 2.6);
    return image;
}

QImage drawGlyph(Glyph g)
{
    switch (g) {
    case Glyph::ImageB:
    case Glyph::ImageY:
    case Glyph::ImageR: return drawLamp(g, kCheckLampWidth);
    case Glyph::ImageCB:
    case Glyph::ImageCR: return drawLamp(g, kCaptureLampWidth);
    case Glyph::ProgramIcon: return drawProgramIcon();
    default: break;
    }
    QImage image = canvas(kGlyphSize, kGlyphSize);
    QPainter p(&image);
    begin(p);
    switch (g) {
    case Glyph::Open: drawFolder(p); break;
    case Glyph::Save: drawFloppy(p); break;
    case Glyph::Print: drawPrinter(p); break;
    case Glyph::Scheme: drawScheme(p); break;
    case Glyph::Calculation: drawGo(p); break;
    case Glyph::Animation: drawAnimation(p); break;
    case Glyph::Calculator: drawCalculator(p); break;
    case Glyph::Exit: drawExit(p); break;
    case Glyph::ImageSON: drawSoundOn(p); break;
    case Glyph::ImageSOFF: drawSoundOff(p); break;
    case Glyph::ImageEON: drawPencil(p, true); break;
    case Glyph::ImageEOFF: drawPencil(p, false); break;
    case Glyph::ImageMON: drawCaliperSwitch(p, true); break;
    case Glyph::ImageMOFF: drawCaliperSwitch(p, false); break;
    default: break;
    }
    return image;
}

}  // namespace

QPixmap glyph(Glyph g)
{
    // Images, not pixmaps, are kept: they may outlive the application object.
    static QHash<int, QImage> cache;
    auto it = cache.find(static_cast<int>(g));
    if (it == cache.end())
        it = cache.insert(static_cast<int>(g), drawGlyph(g));
    return QPixmap::fromImage(*it);
}

QIcon toolIcon(const QPixmap& glyphPixmap)
{
    QImage faded = glyphPixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < faded.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(faded.scanLine(y));
        for (int x = 0; x < faded.width(); ++x) {
            // Grey of the glyph's own lightness, lifted towards white, a third opaque.
            const int grey = 160 + qGray(line[x]) * 95 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 3);
        }
    }
    QIcon icon(glyphPixmap);
    icon.addPixmap(QPixmap::fromImage(faded), QIcon::Disabled);
    return icon;
}

QPixmap namedImage(const QString& name)
{
    static const QHash<QString, Glyph> names = {
        {"ImageSON", Glyph::ImageSON}, {"ImageSOFF", Glyph::ImageSOFF},
        {"ImageEON", Glyph::ImageEON}, {"ImageEOFF", Glyph::ImageEOFF},
        {"ImageMON", Glyph::ImageMON}, {"ImageMOFF", Glyph::ImageMOFF},
        {"ImageB", Glyph::ImageB},     {"ImageY", Glyph::ImageY},
        {"ImageR", Glyph::ImageR},     {"ImageCB", Glyph::ImageCB},
        {"ImageCR", Glyph::ImageCR},
    };
    const auto it = names.find(name);
    return it == names.end() ? QPixmap() : glyph(*it);
}

}  // namespace quorel::gui
