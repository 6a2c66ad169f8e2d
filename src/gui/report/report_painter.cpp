#include "report/report_painter.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

namespace quorel::report {

namespace {

QColor colourOf(Rgb rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The text's font at its point size on this device's resolution, so that what is
// measured and what is drawn are the same on the printer, in a PDF and in a path.
QFont reportFont(const ReportText& t, const QPaintDevice& device)
{
    QFont font(t.face == ReportFace::CourierNew ? QStringLiteral("Courier New") : QStringLiteral("Arial"));
    font.setStyleHint(t.face == ReportFace::CourierNew ? QFont::TypeWriter : QFont::SansSerif);
    font.setBold(t.bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(t.points * device.logicalDpiY() / 72.0))));
    return font;
}

double textWidth(const ReportText& t, const QPaintDevice& device)
{
    return QFontMetricsF(reportFont(t, device), &device).horizontalAdvance(QString::fromStdString(t.text));
}

void paintText(QPainter& painter, const ReportText& t, const ReportPage& page)
{
    QString text = QString::fromStdString(t.text);
    QFont font = reportFont(t, *painter.device());
    QFontMetricsF metrics(font, painter.device());
    double width = metrics.horizontalAdvance(text);
    if (t.along == AlongAnchor::End && t.keepRightOf >= 0 &&
        t.keepRightOf < static_cast<int>(page.texts.size())) {
        // A header that would run into the title gets a smaller font, down to half, and
        // beyond that loses the middle of its text.
        const ReportText& other = page.texts[static_cast<size_t>(t.keepRightOf)];
        const double room =
            t.x - (other.x + textWidth(other, *painter.device())) - metrics.horizontalAdvance(u' ');
        if (width > room && room > 0) {
            const double scale = std::max(0.5, room / width);
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
            metrics = QFontMetricsF(font, painter.device());
            text = metrics.elidedText(text, Qt::ElideMiddle, room);
            width = metrics.horizontalAdvance(text);
        }
    }
    const double height = metrics.height();
    double along = 0.0;
    if (t.along == AlongAnchor::End)
        along = -width;
    else if (t.along == AlongAnchor::Centre)
        along = -width / 2;
    double across = 0.0;
    if (t.across == AcrossAnchor::Centre)
        across = -height / 2;
    else if (t.across == AcrossAnchor::Bottom)
        across = -height;
    const QPointF origin(along, across + metrics.ascent());

    painter.save();
    painter.translate(t.x, t.y);
    if (t.turned)
        painter.rotate(-90.0);  // the text reads from the bottom of the page to the top
    const QColor colour = colourOf(t.colour);
    if (t.outlined) {
        QPainterPath path;
        path.addText(origin, font, text);
        const double pen = std::max(1.0, painter.device()->logicalDpiY() / 200.0);
        painter.strokePath(path, QPen(colour, pen));
    } else {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(origin, text);
    }
    painter.restore();
}

}  // namespace

ReportPageSize printablePageSize(const QPaintDevice& device)
{
    return {device.width(), device.height()};
}

void paintReportPage(QPainter& painter, const ReportPage& page)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const ReportRect& r : page.rects)
        painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), colourOf(r.fill));
    for (const ReportLine& l : page.lines) {
        painter.setPen(QPen(colourOf(l.colour), std::max(1, l.width), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    }
    painter.setPen(Qt::NoPen);
    for (const ReportWedge& w : page.wedges) {
        painter.setBrush(colourOf(w.fill));
        const QPoint points[] = {{w.x - w.halfLength, w.y},
                                 {w.x, w.y - w.halfThickness},
                                 {w.x + w.halfLength, w.y},
                                 {w.x, w.y + w.halfThickness}};
        painter.drawPolygon(points, 4);
    }
    painter.setBrush(Qt::NoBrush);
    for (const ReportText& t : page.texts)
        paintText(painter, t, page);
}

bool paintReport(QPagedPaintDevice& device, const ReportInput& input, int* pages)
{
    if (pages)
        *pages = 0;
    const ReportPlan plan = planReport(input, printablePageSize(device));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t i = 0; i < plan.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        paintReportPage(painter, plan.pages[i]);
    }
    if (!painter.end())
        return false;
    if (pages)
        *pages = static_cast<int>(plan.pages.size());
    return true;
}

QString reportDateTimeText(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    // The long time format of some locales names the time zone ("t"): a printout needs
    // the time, not the zone.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString withoutZone;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        withoutZone += c;
    }
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
        locale.toString(when.time(), withoutZone.trimmed());
}

}  // namespace quorel::report
