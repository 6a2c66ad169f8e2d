#pragma once
// The main window's own state: the sound switch, the font size of the drawn views,
// the status bar's width, the memo's editing rules and the Timer2 flashing.

#include "presentation/status_bar.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorel {

// Timer2: enabled after a run or a refused calculation, it flashes the window at each
// of four ticks and then switches itself off, ready to count four again.
struct FlashCounter {
    static constexpr int kFlashes = 4;
    int ticks = 0;
    bool enabled = false;

    void enable() { enabled = true; }
    // One timer tick: returns true when the window is to flash now.
    bool tick();
};

// The memo's commands, from its buttons and from the "Edit(&E)" menu.
enum class MemoCommand { Cut, Copy, Paste, Delete, SelectAll, Undo };

struct MemoEditState {
    bool entered = false;           // the memo has had the focus once since start-up
    bool editMenuEnabled = false;   // exactly while the memo has the focus

    void focusIn();
    void focusOut();
    // Cut, copy, paste, delete and select all wait until the memo has been entered;
    // undo always reaches it.
    bool acts(MemoCommand command) const;
};

struct ShellState {
    int soundOn = 0;
    int largeFonts = 0;
    int statusBarWidth = kInitialStatusBarWidth;
    MemoEditState memo;
    FlashCounter timer2;

    // SpeedButton5: switches the sounds on or off; returns the glyph to show.
    const char* toggleSound();
};

const char* soundGlyph(int soundOn);   // ImageSON / ImageSOFF

// Screens of 120 pixels per inch or more get the smaller fonts in the drawn views.
int largeFontsForDpi(double logicalDpi);
int drawnViewFontPoints(int largeFonts);   // 8 or 10

// The memo as lines (as it is saved) and back, without losing or adding any line:
// an empty memo has no lines, "a\n" has the lines "a" and "".
std::vector<std::string> memoLinesFromText(std::string_view text);
std::string memoTextFromLines(const std::vector<std::string>& lines);

}  // namespace quorel
