#pragma once
// The calipers of the ECG strip: measuring an interval between two points, up to 20
// stored marks, moving a mark's lines or bar by dragging, deleting marks. The marks
// live in the session (they are saved with the circuit set); this object holds the
// measuring and dragging state between mouse events.
//
// The widget forwards PaintBox2's mouse events with the pixel position and reads back
// what to redraw (CaliperUpdate), the texts and the drawing data (overlay):
//
//     CaliperUpdate u = calipers.PaintBox2MouseMove(X, Y, view);
//     if (u.startMs)  ScrollBar4 -> session.scrollBar4.position, redraw the traces
//     if (u.traces)   redraw the traces, then the overlay
//     if (u.overlay)  calipers.overlay(view, overlay); draw it over the traces
//     if (u.label163) Label163 -> calipers.label163()
//     if (u.glyph)    SpeedButton7 -> calipers.glyph()
//
// Mark positions are pixel columns of the view at the time of measuring: paging and
// changing the step do not move them.

#include "model/session_state.h"
#include "presentation/ecg_geometry.h"

#include <string>

namespace quorel {

constexpr Rgb kCaliperColour = 0x0000FF;           // stored marks
constexpr Rgb kCaliperHighlightColour = 0xFF00FF;  // the mark under the mouse
constexpr Rgb kCaliperDragColour = 0xFF0000;       // the mark being dragged
constexpr Rgb kMeasuringColour = 0xFF0000;         // the lines while measuring
constexpr Rgb kCaliperTextColour = 0xFFFFFF;       // bold, on grey #808080 unless clearLabelBrush

// More marks than this turn measuring off at the next mouse move over the strip.
constexpr int kCaliperLimitCount = 18;
// A line is hit within 2 pixels either side (exclusive), the bar within 2 pixels above
// or below (exclusive) and at least 2 pixels inside the lines.
constexpr int kCaliperHitBand = 2;
// Dragging a bar closer than this to either edge pages the strip by a large change.
constexpr int kCaliperPagingEdge = 20;

enum class MouseButton { Left, Right, Middle };

// hoverPart / dragPart.
enum class CaliperPart { None = 0, LeftLine = 1, RightLine = 2, Bar = 3 };

// What an event changed; the widget redraws accordingly.
struct CaliperUpdate {
    bool overlay = false;   // marks or measuring lines changed
    bool traces = false;    // the strip is to be redrawn (then the overlay)
    bool glyph = false;     // SpeedButton7's glyph changed
    bool label163 = false;  // Label163 has a new text
    bool startMs = false;   // ScrollBar4's position moved (a bar dragged at an edge)
    bool consumed = false;  // a press measured, grabbed or deleted a mark: no context menu

    CaliperUpdate& operator|=(const CaliperUpdate& o)
    {
        overlay |= o.overlay;
        traces |= o.traces;
        glyph |= o.glyph;
        label163 |= o.label163;
        startMs |= o.startMs;
        consumed |= o.consumed;
        return *this;
    }
};

struct CaliperMarkDrawing {
    int leftX = 0;  // vertical lines over the full height
    int rightX = 0;
    int barY = 0;  // horizontal bar from leftX to rightX
    int intervalMs = 0;
    int textX = 0;  // the interval as an integer, top-left corner
    int textY = 0;
    Rgb colour = kCaliperColour;
};

// In kMeasuringColour: a vertical line at the mouse over the full height; once the
// first point is placed also a vertical line at it, a horizontal line from it to the
// mouse at the mouse height and the running interval.
struct MeasuringDrawing {
    bool cursor = false;
    int cursorX = 0;
    bool firstPoint = false;
    int firstX = 0;
    int mouseY = 0;
    int intervalMs = 0;
    int textX = 0;
    int textY = 0;
};

struct CaliperOverlay {
    int count = 0;
    CaliperMarkDrawing marks[kMaxCaliperMarks];
    MeasuringDrawing measuring;
};

// |trunc(x1 - x2)| x ecgMsPerPixel.
int caliperIntervalMs(double x1, double x2, int msPerPixel);
// Label163: "240ms".
std::string intervalLabelText(int intervalMs);
// The part of `mark` at (X, Y) on a strip H pixels high.
CaliperPart hitCaliperMark(const CaliperMark& mark, int X, int Y, int H);

class Calipers {
public:
    explicit Calipers(SessionState& session);

    // SpeedButton7: measure on/off. On: a new measurement starts (no first point). Off:
    // the pending first point is given up, but "C" still counts it as pending once.
    CaliperUpdate SpeedButton7Click();
    // SpeedButton9 "C": removes the last mark unless a first point is pending; measuring off.
    CaliperUpdate SpeedButton9Click();
    // SpeedButton8 "AC": removes every mark; measuring off.
    CaliperUpdate SpeedButton8Click();
    // ScrollBar3 (scale) changed: marks measured at another scale are removed unless a
    // circuit file is being loaded; measuring off.
    CaliperUpdate scaleChanged(bool loadingFile);
    // Another page of the window was opened: measuring off and a pending first point
    // given up; the marks stay.
    CaliperUpdate markingModeOff();

    // X, Y: the mouse in PaintBox2's pixels. shiftOrAlt: Shift or Alt held at the press.
    CaliperUpdate PaintBox2MouseMove(int X, int Y, const EcgView& view);
    CaliperUpdate PaintBox2MouseDown(MouseButton button, bool shiftOrAlt, int X, int Y, const EcgView& view);
    CaliperUpdate PaintBox2MouseUp(MouseButton button);

    bool measuring() const { return measuring_; }
    bool firstPointPlaced() const { return firstPointPlaced_; }
    bool dragging() const { return dragging_; }
    int hoverMark() const { return hoverMark_; }  // -1 before any mark was highlighted
    CaliperPart hoverPart() const { return hoverPart_; }
    CaliperPart dragPart() const { return dragPart_; }
    int caliperCount() const { return session_.caliperCount; }
    const CaliperMark& mark(int index) const { return session_.caliperMarks[index]; }
    const std::string& label163() const { return label163_; }  // empty until a first interval
    const char* glyph() const;                                 // ImageMON / ImageMOFF

    // The stored marks (and the measuring lines) as the view draws them.
    void overlay(const EcgView& view, CaliperOverlay& out) const;

private:
    CaliperUpdate switchMeasuringOff(bool firstPointPending);
    CaliperUpdate measuringMove(int X, int Y, const EcgView& view);
    CaliperUpdate measuringClick(int X, int Y, const EcgView& view);
    CaliperUpdate hoverMove(int X, int Y, const EcgView& view);
    CaliperUpdate dragMove(int X, int Y, const EcgView& view);
    CaliperUpdate deleteHoverMark();
    void forgetPointer();
    void setLabel163(int intervalMs, CaliperUpdate& u);

    SessionState& session_;
    bool measuring_ = false;
    bool firstPointPlaced_ = false;
    bool dragging_ = false;
    int hoverMark_ = -1;
    CaliperPart hoverPart_ = CaliperPart::None;
    CaliperPart dragPart_ = CaliperPart::None;
    int dragMark_ = -1;
    int leftOffset_ = 0;        // trunc(left x - X) when the highlight started
    int rightOffset_ = 0;       // trunc(right x - X)
    bool cursorKnown_ = false;  // the mouse has moved over the strip since measuring began
    int mouseX_ = 0;
    int mouseY_ = 0;
    std::string label163_;
};

}  // namespace quorel
