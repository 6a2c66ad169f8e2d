#pragma once
// The calculator's keyboard: a key pressed in its window becomes the key code that the
// calculator's buttons send (the codes of the keys on a PC keyboard).

#include <Qt>

namespace quorel::gui {

// 0 for a key the calculator has no use for, and for any key held with Ctrl, Alt or Meta,
// so that the desktop's shortcuts keep working.
int calculatorKeyCode(int key, Qt::KeyboardModifiers modifiers);

}  // namespace quorel::gui
