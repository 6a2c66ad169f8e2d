#include "model/entry_filters.h"

#include "text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

bool isControlKey(char32_t key)
{
    return key < 32 || key == 127;
}

}  // namespace

bool Edit_Key_Press_I(char32_t key)
{
    return (key >= U'0' && key <= U'9') || isControlKey(key);
}

bool Edit_Key_Press_D(char32_t key)
{
    return Edit_Key_Press_I(key) || key == U'.';
}

bool boxAcceptsKey(const ParameterBox& box, char32_t key, int textLength, int selectedLength)
{
    const bool passes = box.kind == BoxKind::Integer ? Edit_Key_Press_I(key) : Edit_Key_Press_D(key);
    if (!passes)
        return false;
    if (isControlKey(key) || box.maxLength == 0)
        return true;
    return textLength - selectedLength < box.maxLength;
}

std::optional<double> boxTextValue(const ParameterBox& box, std::string_view text)
{
    if (box.kind == BoxKind::Integer) {
        if (const auto value = parseInteger(text))
            return static_cast<double>(*value);
        return std::nullopt;
    }
    return parseReal(text);
}

std::string boxValueText(const ParameterBox& box, double value)
{
    if (box.kind == BoxKind::Integer)
        return std::to_string(static_cast<int>(value));
    return generalText(value);
}

std::string spinStepText(const ParameterBox& box, std::string_view text, double fallback,
                         SpinDirection direction)
{
    const double current = boxTextValue(box, text).value_or(fallback);
    double next = direction == SpinDirection::Up ? current + box.increment : current - box.increment;
    next = std::clamp(next, box.minimum, box.maximum);
    if (box.kind == BoxKind::Integer)
        return std::to_string(static_cast<int>(std::lround(next)));
    return fixedText(next, box.decimals);
}

}  // namespace quorel
