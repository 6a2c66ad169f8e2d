#pragma once
// JPEG pictures for the calculator's background, decoded by libjpeg. A damaged or cut-off
// file is refused with the decoder's reason instead of being shown half grey, and no
// failure ever ends the program.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quorel::gui {

struct DecodedPicture {
    QImage image;   // null when refused
    QString error;  // why it was refused

    bool ok() const { return !image.isNull(); }
};

// Decodes a whole JPEG file held in `bytes`. With a `targetSize`, a large picture is
// decoded at the smallest of libjpeg's reduced scales (1/2, 1/4, 1/8) that still covers
// it, which saves time and memory for camera pictures shown in a small window.
DecodedPicture decodeJpeg(const QByteArray& bytes, QSize targetSize = QSize());

}  // namespace quorel::gui
