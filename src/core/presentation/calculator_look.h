#pragma once
// The calculator window's rules beyond the arithmetic: its buttons with their key codes,
// the font colours of the buttons over the background picture and without it ("COL",
// "BK"), and which picture files the background accepts ("LOAD", a dropped file).

#include <cstdint>
#include <span>
#include <string_view>

namespace quorel {

inline constexpr const char* kCalculatorCaption = "QOVAcalc";
inline constexpr int kCalculatorWidth = 380;  // client area, not resizable
inline constexpr int kCalculatorHeight = 296;

// The last background, written when the window is hidden and read when it is shown,
// and the default picture that "DEFAULT" draws.
inline constexpr const char* kCurrentBackgroundFile = "QOVAGRP.bmp";
inline constexpr const char* kDefaultBackgroundFile = "QOVAG01.bmp";

// Buttons that change colour together.
enum class CalculatorButtonGroup {
    Number,   // digits, point, "=", the operators, the memory keys and "+/-": `buttonColour`
    Clear,    // "C", "AC", "BS": one colour of their own, over the picture or not
    Tool,     // "BK", "?", "COL"
    Picture,  // "LOAD", "DEFAULT"
};

// The buttons that send a key code; "COL", "LOAD", "DEFAULT" and "BK" have handlers of
// their own and code 0 here.
struct CalculatorButton {
    const char* name;  // the widget's object name
    const char* caption;
    int code;
    CalculatorButtonGroup group;
};
std::span<const CalculatorButton> calculatorButtons();

// A font colour: an RGB value, or the system's colour of menu texts.
struct CalculatorInk {
    bool menuText = false;
    std::uint32_t rgb = 0;  // 0xRRGGBB
    bool operator==(const CalculatorInk&) const = default;
};

struct CalculatorLook {
    std::uint32_t buttonColour = 0x00FFFF;  // aqua until "COL" chooses another
    int backgroundShown = 1;                // "BK" hides and shows the picture
    std::uint32_t numberInk = 0x00FFFF;     // the number and operator captions now

    // "COL": the chosen colour is used at once, with or without the picture.
    void chooseButtonColour(std::uint32_t rgb);
    // "BK": without the picture the captions turn black; with it they take `buttonColour`.
    void toggleBackground();
    CalculatorInk ink(CalculatorButtonGroup group) const;
    CalculatorInk operatorIndicatorInk() const;  // Label2
    // Flat buttons over the picture, raised ones without it.
    bool flatButtons() const { return backgroundShown != 0; }
};

// Which way a picture file is read, by its extension in any case: ".BMP" a bitmap,
// ".JPG" a JPEG; any other file is not taken.
enum class BackgroundFileKind { Bitmap, Jpeg, NotAPicture };
BackgroundFileKind backgroundFileKind(std::string_view path);

}  // namespace quorel
