#pragma once
// The calculator's own background picture: dark ECG paper with a faint rhythm strip, on
// which the light button captions read well. Written as QOVAG01.bmp, the picture the
// "DEFAULT" button draws, and shown until another picture is chosen.

#include <QImage>
#include <QSize>

namespace quorel::gui {

QImage defaultCalculatorBackground(QSize size);

}  // namespace quorel::gui
