#include "views/ecg_strip_export.h"

#include "views/ecg_strip_painter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace quorel::gui {

namespace {

QSize exportSize(const ShownEcg& shown)
{
    const EcgView view = shown.page->view();
    return {shown.labelWidth + view.width, view.height};
}

// The drawing in memory first, so that a failed write leaves no half file.
QByteArray pngBytes(const ShownEcg& shown)
{
    QImage image(exportSize(shown), QImage::Format_RGB32);
    image.fill(shown.labelBackground);
    {
        QPainter p(&image);
        paintShownEcg(p, shown);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray svgBytes(const ShownEcg& shown)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(exportSize(shown));
    svg.setViewBox(QRect(QPoint(0, 0), exportSize(shown)));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("ECG strip"));
    svg.setDescription(QStringLiteral("Quorel"));
    QPainter p;
    if (!p.begin(&svg))
        return {};
    paintShownEcg(p, shown);
    p.end();
    return bytes;
}

}  // namespace

StripFileFormat stripFileFormatOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? StripFileFormat::Svg
                                                                      : StripFileFormat::Png;
}

void paintShownEcg(QPainter& p, const ShownEcg& shown)
{
    EcgPage& page = *shown.page;
    const EcgView view = page.view();
    paintChannelLabels(p, page.labelsPlan(), shown.labelWidth, view.height, shown.labelBackground,
                       shown.font);
    p.save();
    p.translate(shown.labelWidth, 0);
    p.setClipRect(QRect(0, 0, view.width, view.height));
    paintEcgTraces(p, page.stripPlan(), shown.font);
    paintCaliperOverlay(p, page.overlay(), view, page.clearLabelBrush(), shown.font);
    p.restore();
}

bool exportEcgStrip(const QString& path, const ShownEcg& shown, QString& error)
{
    error = QStringLiteral("Cannot write [") + path + QStringLiteral("]");
    if (!shown.page || exportSize(shown).isEmpty())
        return false;
    const QByteArray bytes =
        stripFileFormatOf(path) == StripFileFormat::Svg ? svgBytes(shown) : pngBytes(shown);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    error.clear();
    return true;
}

}  // namespace quorel::gui
