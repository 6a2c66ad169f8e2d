#pragma once
// Glyphs of SpeedButton6: ImageEON while the table takes typed values, ImageEOFF otherwise.

#include <QPixmap>

namespace quorel::gui {

QPixmap ImageEON();
QPixmap ImageEOFF();

}  // namespace quorel::gui
