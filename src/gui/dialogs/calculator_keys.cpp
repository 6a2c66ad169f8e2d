#include "dialogs/calculator_keys.h"

namespace quorel::gui {

int calculatorKeyCode(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? 96 : 48) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 65 + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_Period:
        return keypad ? 110 : 190;
    case Qt::Key_Comma:
        return keypad ? 110 : 0;  // the keypad's decimal key in comma locales
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Equal:
        return 13;  // "=" means equals, not the "+" on the same key
    case Qt::Key_Slash:
        return keypad ? 111 : 191;
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Semicolon:
        return 186;
    case Qt::Key_Minus:
        return keypad ? 109 : 189;
    case Qt::Key_Plus:
        return keypad ? 107 : 187;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Help:
        return 47;
    default:
        return 0;
    }
}

}  // namespace quorel::gui
