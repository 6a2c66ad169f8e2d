#pragma once
// Sizes and places of the main window and its small windows, and the re-anchoring of
// controls to the right and bottom edges when the main window is resized.

#include "presentation/status_bar.h"

#include <optional>
#include <vector>

namespace quorel {

// The client area (below the menu bar) the main window starts with, centred on the screen.
constexpr int kStartClientWidth = 507;
constexpr int kStartClientHeight = 432;
// The outer size the window can never be made smaller than, and the size that
// "Default Window Size(&D)" restores.
constexpr int kMinimumWindowWidth = 515;
constexpr int kMinimumWindowHeight = 478;
// The outer frame the two sizes above differ by: borders, caption and menu bar. The
// window uses it to turn outer widths into client widths, whatever frame the desktop
// actually draws, so that the controls sit at the same places on every desktop.
constexpr int kDesignFrameWidth = kMinimumWindowWidth - kStartClientWidth;     // 8
constexpr int kDesignFrameHeight = kMinimumWindowHeight - kStartClientHeight;  // 46

constexpr int kToolButtonSize = 36;
constexpr int kPageTabWidth = 62;

struct ShellLayoutInput {
    int windowWidth = kMinimumWindowWidth;   // outer width
    int pageControlWidth = 0;                // w
    int pageControlHeight = 0;               // h
    int statusBarWidth = kInitialStatusBarWidth;
    int tabRows = 2;                         // rows of page tabs at this width
};

// Where the layout routine puts the controls that follow the right and bottom edges.
struct ShellLayout {
    ShellLayoutInput input;
    int SpeedButton3Left = 0;    // "Exit"
    int SpeedButton5Left = 0;    // "Sound ON/OFF"
    int SpeedButton10Left = 0;   // "calculator"
    int SGRESWidth = 0;
    int SGRESHeight = 0;
    int ScrollBar1Left = 0;
    int LabelRevLeft = 0;
    int ListView1Height = 0;
    int PaintBox2Width = 0;
    int PaintBoxMWidth = 0;
    int ScrollBar4Width = 0;
    int statusBarWidth = kInitialStatusBarWidth;   // W, recorded for the status bar
    int firstStatusPanelWidth = 0;
};

ShellLayout computeShellLayout(const ShellLayoutInput& in);

struct WindowOrigin {
    int left = 0;
    int top = 0;
};

// Centred with integer halves: left = outer width / 2 - own width / 2, top likewise.
WindowOrigin centredIn(int left, int top, int width, int height, int ownWidth, int ownHeight);

// The "please wait" window's place over the main window: mode 1 centres it, mode 2
// puts it 30 pixels below the main window's top edge, starting at half its width.
// Any other mode leaves the window where it is.
std::optional<WindowOrigin> pleaseWaitOrigin(int mode, int mainLeft, int mainTop, int mainWidth,
                                             int mainHeight, int ownWidth, int ownHeight);

// Page tabs in rows (a multi-line tab strip): as many tabs of at least `tabWidth` in a
// row as fit, sharing the row's width evenly once they wrap. The row holding the
// current tab is drawn next to the page, the other rows above it in turn.
struct TabStripLayout {
    int rows = 1;
    int tabsPerRow = 1;
    std::vector<PixelRect> tabs;   // one per visible tab, in tab order
    int height() const;
};

TabStripLayout layoutTabStrip(int visibleTabCount, int currentVisibleIndex, int stripWidth,
                              int tabWidth, int tabHeight);

}  // namespace quorel
