#pragma once
// The window's user-interface font. Where fontconfig answers "sans-serif" with a monospaced
// face (a machine with only the Liberation fonts gives Liberation Mono), the window would be
// drawn in it; the program then asks for a proportional face by name.

class QApplication;
class QFont;

namespace quorel::gui {

// The families tried, in order, when the platform's default font is monospaced.
QFont proportionalFont(const QFont& base);

// Leaves a proportional default font as it is; replaces a monospaced one.
void ensureProportionalFont(QApplication& app);

}  // namespace quorel::gui
