#pragma once
// "Export strip…": the channel labels and the strip exactly as the page shows them
// (traces, axis, calipers, the texts' boxes), as a PNG picture or an SVG drawing whose
// lines and texts stay sharp at any size.

#include "presentation/ecg_page.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace quorel::gui {

enum class StripFileFormat { Png, Svg };

// SVG for a name ending in ".svg" (any case), PNG otherwise.
StripFileFormat stripFileFormatOf(const QString& path);

// What the page shows: the labels `labelWidth` pixels wide, then the strip.
struct ShownEcg {
    EcgPage* page = nullptr;
    int labelWidth = 0;
    QColor labelBackground;
    QFont font;
};

// Draws the labels and the strip side by side at (0, 0), in vector form.
void paintShownEcg(QPainter& p, const ShownEcg& shown);

// Writes the file whole or not at all; false with `error` ("Cannot write [path]").
bool exportEcgStrip(const QString& path, const ShownEcg& shown, QString& error);

}  // namespace quorel::gui
