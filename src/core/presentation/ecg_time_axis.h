#pragma once
// The time axis along the bottom of the strip: a tick in every column that holds a
// multiple of 100 ms, taller for half and whole seconds, and the whole seconds
// written beside their ticks.

#include "presentation/ecg_geometry.h"

#include <string>
#include <vector>

namespace quorel {

constexpr Rgb kEcgAxisColour = 0xFFFF00;      // ticks and the bottom line
constexpr Rgb kEcgLabelBoxColour = 0x808080;  // behind texts unless clearLabelBrush

// 1: a multiple of 100 ms, 2: of 500 ms, 3: of 1000 ms.
enum class TickClass { Tenth = 1, Half = 2, Second = 3 };

// A tick from the bottom row y = H - 1 up to topY (inclusive), and for a whole second
// its text with its top-left corner at (x + 3, H - 20).
struct EcgTick {
    int x = 0;
    TickClass tickClass = TickClass::Tenth;
    int topY = 0;      // H - 5, H - 9 or H - 13
    int penWidth = 1;  // 1 for tenths, 2 otherwise
    int seconds = 0;   // whole seconds written beside a Second tick
    int textX = 0;
    int textY = 0;
};

// The class of a multiple of 100 ms; the movie strip's axis classes its ticks alike.
TickClass tickClassOf(int ms);

// The class a column's milliseconds give it (the last multiple of 100 in the column
// decides); returns false for a column without one.
bool columnTickClass(const EcgView& view, int x, TickClass& tickClass);

// The ticks of columns 0..W - 1, left to right. `ticks` is cleared and refilled, so
// a vector kept by the caller reaches its largest size once and allocates no more.
void ecgTimeAxis(const EcgView& view, std::vector<EcgTick>& ticks);

// A whole second as the axis writes it: 1 -> "1.000".
std::string ecgSecondsText(int seconds);

// The line across the full width at y = H - 1, pen width 2.
inline int ecgAxisLineY(const EcgView& view)
{
    return view.height - 1;
}

}  // namespace quorel
