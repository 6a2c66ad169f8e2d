#include "presentation/calculator_look.h"

#include <array>
#include <cctype>
#include <string>

namespace quorel {

namespace {

using G = CalculatorButtonGroup;

constexpr std::array<CalculatorButton, 29> kButtons = {{
    {"Button0", "0", 48, G::Number},
    {"Button1", "1", 49, G::Number},
    {"Button2", "2", 50, G::Number},
    {"Button3", "3", 51, G::Number},
    {"Button4", "4", 52, G::Number},
    {"Button5", "5", 53, G::Number},
    {"Button6", "6", 54, G::Number},
    {"Button7", "7", 55, G::Number},
    {"Button8", "8", 56, G::Number},
    {"Button9", "9", 57, G::Number},
    {"ButtonPoint", ".", 190, G::Number},
    {"ButtonDivide", "/", 191, G::Number},
    {"ButtonMultiply", "X", 186, G::Number},
    {"ButtonSubtract", "-", 189, G::Number},
    {"ButtonAdd", "+", 187, G::Number},
    {"ButtonEquals", "=", 13, G::Number},
    {"ButtonMemoryAdd", "M+", 38, G::Number},
    {"ButtonMemorySubtract", "M-", 40, G::Number},
    {"ButtonMemoryRecall", "RM", 39, G::Number},
    {"ButtonMemoryClear", "CM", 37, G::Number},
    {"ButtonSign", "+/-", 32, G::Number},
    {"ButtonClear", "C", 67, G::Clear},
    {"ButtonAllClear", "AC", 65, G::Clear},
    {"ButtonBackSpace", "BS", 8, G::Clear},
    {"ButtonHelp", "?", 72, G::Tool},
    {"SpeedButtonColor", "COL", 0, G::Tool},
    {"SpeedButtonBK", "BK", 0, G::Tool},
    {"SpeedButtonLoad", "LOAD", 0, G::Picture},
    {"SpeedButtonFavorite", "DEFAULT", 0, G::Picture},
}};
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// Dark orange reads on the picture and on the plain window alike.
constexpr std::uint32_t kClearKeys = 0xFF8C00;

CalculatorInk rgb(std::uint32_t value)
{
    return {false, value};
}

}  // namespace

std::span<const CalculatorButton> calculatorButtons()
{
    return kButtons;
}

CalculatorInk CalculatorLook::ink(CalculatorButtonGroup group) const
{
    const bool shown = backgroundShown != 0;
    switch (group) {
    case G::Number:
        return rgb(numberInk);
    case G::Clear:
        return rgb(kClearKeys);
    case G::Tool:
        return rgb(shown ? kYellow : kBlack);
    case G::Picture:
        return shown ? rgb(kRed) : CalculatorInk{true, 0};
    }
    return rgb(kBlack);
}

void CalculatorLook::chooseButtonColour(std::uint32_t rgb)
{
    buttonColour = rgb;
    numberInk = rgb;
}

void CalculatorLook::toggleBackground()
{
    backgroundShown = backgroundShown ? 0 : 1;
    numberInk = backgroundShown ? buttonColour : kBlack;
}

CalculatorInk CalculatorLook::operatorIndicatorInk() const
{
    return rgb(backgroundShown ? kWhite : kBlack);
}

BackgroundFileKind backgroundFileKind(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return BackgroundFileKind::NotAPicture;
    std::string extension(name.substr(dot));
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == ".BMP")
        return BackgroundFileKind::Bitmap;
    if (extension == ".JPG")
        return BackgroundFileKind::Jpeg;
    return BackgroundFileKind::NotAPicture;
}

}  // namespace quorel
