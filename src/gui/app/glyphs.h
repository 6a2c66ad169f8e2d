#pragma once
// The program's own pictures, drawn in code: tool-button glyphs, the status-bar
// lamps, the switch glyphs and the program icon.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace quorel::gui {

enum class Glyph {
    Open, Save, Print, Scheme, Calculation, Animation, Calculator, Exit,
    ImageSON, ImageSOFF,      // SpeedButton5: sounds on / off
    ImageEON, ImageEOFF,      // SpeedButton6: table edit on / off
    ImageMON, ImageMOFF,      // SpeedButton7: measuring with the calipers on / off
    ImageB, ImageY, ImageR,   // check lamp: blue, yellow, red
    ImageCB, ImageCR,         // capture lamp: captured, not captured
    ProgramIcon,
};

QPixmap glyph(Glyph g);
// By the bitmap names the presentation logic uses ("ImageB", "ImageSON", ...);
// a null pixmap for a name that is not known.
QPixmap namedImage(const QString& name);
// A tool button's icon: the glyph, and for a command that is not available the same
// glyph in light grey, so that it reads as switched off at a glance.
QIcon toolIcon(const QPixmap& glyphPixmap);

constexpr int kGlyphSize = 28;                          // tool-button glyphs
constexpr int kCheckLampWidth = 40, kLampHeight = 17;   // ImageB, ImageY, ImageR
constexpr int kCaptureLampWidth = 20;                   // ImageCB, ImageCR

}  // namespace quorel::gui
