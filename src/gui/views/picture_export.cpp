#include "views/picture_export.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace quorel::gui {

namespace {

const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");

bool isSvg(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

QString chosenByDialog(QWidget* parent, const QString& caption, const QString& suggestedName)
{
    QString filter = kPngFilter;
    QString path =
        QFileDialog::getSaveFileName(parent, caption, suggestedName, kPngFilter + ";;" + kSvgFilter, &filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += filter == kSvgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
    return path;
}

}  // namespace

bool writePicture(const QString& path, QSize size, const PicturePainter& paint)
{
    if (size.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (isSvg(path)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Circuit"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        paint(painter);
        painter.end();
    } else {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        paint(painter);
        painter.end();
        if (!image.save(&file, "PNG"))
            return false;
    }
    return file.commit();
}

QString PictureExport::run(QWidget* parent, const QString& caption, const QString& suggestedName, QSize size,
                           const PicturePainter& paint) const
{
    QString path = chooseFile ? chooseFile(parent, caption, suggestedName)
                              : chosenByDialog(parent, caption, suggestedName);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    if (writePicture(path, size, paint))
        return path;
    const QString text = QStringLiteral("Cannot write [") + path + QStringLiteral("]");
    if (showError)
        showError(parent, text);
    else
        QMessageBox::warning(parent, QStringLiteral("Error"), text);
    return {};
}

}  // namespace quorel::gui
