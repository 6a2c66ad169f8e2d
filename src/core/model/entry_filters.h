#pragma once
// What the parameter boxes let through while the user types, and the text a spin
// button writes. Pure functions over the box table, shared by the window and tests.

#include "model/parameter_limits.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorel {

// Edit_Key_Press_I: digits and control characters (codes below 32 and 127).
bool Edit_Key_Press_I(char32_t key);
// Edit_Key_Press_D: the same and the decimal point. Also used by SGDI and SGDI2.
bool Edit_Key_Press_D(char32_t key);

// Whether a key typed into EditN is taken: the box's character filter, and its
// character limit for printable keys (the typed character replaces the selection).
// Control keys always pass, so backspace still works in a full box.
bool boxAcceptsKey(const ParameterBox& box, char32_t key, int textLength, int selectedLength);

enum class SpinDirection { Up, Down };

// The text a spin button writes into the box: the value of `text` (or `fallback`
// when the text is no number) stepped by the increment and kept within the range,
// integers in decimal, reals with the box's decimals ("0.030" for Edit1).
std::string spinStepText(const ParameterBox& box, std::string_view text, double fallback,
                         SpinDirection direction);

// The value of a box text, converted as the box converts it.
std::optional<double> boxTextValue(const ParameterBox& box, std::string_view text);
// How a value is written into a box: integers in decimal, reals in the shortest general form.
std::string boxValueText(const ParameterBox& box, double value);

}  // namespace quorel
