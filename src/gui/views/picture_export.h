#pragma once
// "Export frame…" and "Export circuit…": a picture of the circuit written as a PNG image
// (the pixels as shown) or an SVG drawing (squares and numbers as shapes and text, for
// slides and papers). The file's extension decides; a name without one gets ".png".

#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace quorel::gui {

using PicturePainter = std::function<void(QPainter&)>;

// Writes the picture of `size` pixels to `path` as a whole: an existing file is replaced
// only once the new one is complete. Returns false and leaves the old file as it was when
// the file cannot be written.
bool writePicture(const QString& path, QSize size, const PicturePainter& paint);

// The export commands' dialog and messages, replaceable by tests.
struct PictureExport {
    // The path the user chose, or empty when the dialog was cancelled. Null: the
    // standard save dialog with the filters "PNG image (*.png)" and "SVG drawing (*.svg)".
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggestedName)> chooseFile;
    // Shows an error captioned "Error". Null: a message box.
    std::function<void(QWidget* parent, const QString& text)> showError;

    // Asks for a file and writes the picture; returns the path written, or empty.
    QString run(QWidget* parent, const QString& caption, const QString& suggestedName, QSize size,
                const PicturePainter& paint) const;
};

}  // namespace quorel::gui
