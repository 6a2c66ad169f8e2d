#include "presentation/calipers.h"

#include "presentation/ecg_scrolling.h"

#include <cstdlib>
#include <utility>

namespace quorel {

namespace {

double heightFraction(int Y, int H)
{
    return H > 0 ? static_cast<double>(Y) / H : 0.0;
}

int barY(const CaliperMark& mark, int H)
{
    return truncatedPixel(H * mark.barHeight);
}

}  // namespace

int caliperIntervalMs(double x1, double x2, int msPerPixel)
{
    return std::abs(truncatedPixel(x1 - x2)) * msPerPixel;
}

std::string intervalLabelText(int intervalMs)
{
    return std::to_string(intervalMs) + "ms";
}

CaliperPart hitCaliperMark(const CaliperMark& mark, int X, int Y, int H)
{
    const double left = mark.leftX;
    const double right = mark.rightX;
    if (left - kCaliperHitBand < X && X < left + kCaliperHitBand)
        return CaliperPart::LeftLine;
    if (right - kCaliperHitBand < X && X < right + kCaliperHitBand)
        return CaliperPart::RightLine;
    if (left + kCaliperHitBand <= X && X <= right - kCaliperHitBand &&
        std::abs(Y - barY(mark, H)) < kCaliperHitBand)
        return CaliperPart::Bar;
    return CaliperPart::None;
}

Calipers::Calipers(SessionState& session) : session_(session)
{
}

const char* Calipers::glyph() const
{
    return measuring_ ? "ImageMON" : "ImageMOFF";
}

void Calipers::forgetPointer()
{
    dragging_ = false;
    dragMark_ = -1;
    dragPart_ = CaliperPart::None;
    hoverMark_ = -1;
    hoverPart_ = CaliperPart::None;
    cursorKnown_ = false;
}

void Calipers::setLabel163(int intervalMs, CaliperUpdate& u)
{
    label163_ = intervalLabelText(intervalMs);
    u.label163 = true;
}

CaliperUpdate Calipers::switchMeasuringOff(bool firstPointPending)
{
    measuring_ = false;
    firstPointPlaced_ = firstPointPending;
    cursorKnown_ = false;
    CaliperUpdate u;
    u.glyph = u.traces = u.overlay = true;
    return u;
}

CaliperUpdate Calipers::SpeedButton7Click()
{
    if (measuring_)
        // The next "C" then only gives up the point; a second one removes a mark.
        return switchMeasuringOff(true);
    measuring_ = true;
    firstPointPlaced_ = false;
    // Marks are not highlighted while measuring: a Shift-click then deletes nothing.
    forgetPointer();
    CaliperUpdate u;
    u.glyph = u.overlay = true;
    return u;
}

CaliperUpdate Calipers::SpeedButton9Click()
{
    if (!firstPointPlaced_ && session_.caliperCount > 0)
        --session_.caliperCount;
    forgetPointer();
    return switchMeasuringOff(false);
}

CaliperUpdate Calipers::SpeedButton8Click()
{
    session_.caliperCount = 0;
    forgetPointer();
    return switchMeasuringOff(false);
}

CaliperUpdate Calipers::scaleChanged(bool loadingFile)
{
    if (!loadingFile)
        session_.caliperCount = 0;
    return markingModeOff();
}

CaliperUpdate Calipers::markingModeOff()
{
    forgetPointer();
    return switchMeasuringOff(false);
}

CaliperUpdate Calipers::PaintBox2MouseMove(int X, int Y, const EcgView& view)
{
    CaliperUpdate u;
    // So that no more than 20 marks can ever exist.
    if (measuring_ && session_.caliperCount > kCaliperLimitCount)
        u = switchMeasuringOff(true);
    if (measuring_)
        u |= measuringMove(X, Y, view);
    else if (dragging_)
        u |= dragMove(X, Y, view);
    else
        u |= hoverMove(X, Y, view);
    return u;
}

CaliperUpdate Calipers::measuringMove(int X, int Y, const EcgView& view)
{
    CaliperUpdate u;
    cursorKnown_ = true;
    mouseX_ = X;
    mouseY_ = Y;
    u.overlay = true;
    if (firstPointPlaced_ && session_.caliperCount < kMaxCaliperMarks) {
        const CaliperMark& pending = session_.caliperMarks[session_.caliperCount];
        setLabel163(caliperIntervalMs(pending.leftX, X, view.msPerPixel), u);
    }
    return u;
}

CaliperUpdate Calipers::hoverMove(int X, int Y, const EcgView& view)
{
    const int before = hoverMark_;
    const CaliperPart partBefore = hoverPart_;
    hoverPart_ = CaliperPart::None;
    // The last mark hit wins: it is drawn over the earlier ones.
    for (int i = 0; i < session_.caliperCount; ++i) {
        const CaliperMark& mark = session_.caliperMarks[i];
        const CaliperPart part = hitCaliperMark(mark, X, Y, view.height);
        if (part == CaliperPart::None)
            continue;
        hoverPart_ = part;
        hoverMark_ = i;
        leftOffset_ = truncatedPixel(mark.leftX - X);
        rightOffset_ = truncatedPixel(mark.rightX - X);
    }
    CaliperUpdate u;
    u.overlay = hoverMark_ != before || hoverPart_ != partBefore;
    return u;
}

CaliperUpdate Calipers::dragMove(int X, int Y, const EcgView& view)
{
    CaliperUpdate u;
    if (dragMark_ < 0 || dragMark_ >= session_.caliperCount || dragPart_ == CaliperPart::None)
        return u;
    CaliperMark& mark = session_.caliperMarks[dragMark_];
    switch (dragPart_) {
    case CaliperPart::LeftLine:
        mark.leftX = X;
        break;
    case CaliperPart::RightLine:
        mark.rightX = X;
        break;
    case CaliperPart::Bar:
        mark.leftX = X + leftOffset_;
        mark.rightX = X + rightOffset_;
        // Held at an edge, the bar pages the strip: the mark keeps its pixels and so
        // moves in time.
        if (X < kCaliperPagingEdge)
            u.startMs = pageScrollBar4(session_.scrollBar4, -kScrollBar4LargeChange);
        else if (X > view.width - kCaliperPagingEdge)
            u.startMs = pageScrollBar4(session_.scrollBar4, kScrollBar4LargeChange);
        break;
    case CaliperPart::None:
        break;
    }
    mark.barHeight = heightFraction(Y, view.height);
    mark.intervalMs = caliperIntervalMs(mark.leftX, mark.rightX, view.msPerPixel);
    if (mark.leftX > mark.rightX) {
        std::swap(mark.leftX, mark.rightX);
        if (dragPart_ == CaliperPart::LeftLine)
            dragPart_ = CaliperPart::RightLine;
        else if (dragPart_ == CaliperPart::RightLine)
            dragPart_ = CaliperPart::LeftLine;
    }
    setLabel163(mark.intervalMs, u);
    u.overlay = true;
    u.traces = u.startMs;
    return u;
}

CaliperUpdate Calipers::PaintBox2MouseDown(MouseButton button, bool shiftOrAlt, int X, int Y,
                                           const EcgView& view)
{
    if (shiftOrAlt)
        return deleteHoverMark();
    if (measuring_)
        return measuringClick(X, Y, view);
    CaliperUpdate u;
    if (button == MouseButton::Right && dragging_) {
        dragging_ = false;  // a right click drops a mark that a right click picked up
        u.consumed = u.overlay = true;
        return u;
    }
    if (button == MouseButton::Middle || hoverPart_ == CaliperPart::None)
        return u;
    dragging_ = true;
    dragPart_ = hoverPart_;
    dragMark_ = hoverMark_;
    u.consumed = u.overlay = true;
    return u;
}

CaliperUpdate Calipers::measuringClick(int X, int Y, const EcgView& view)
{
    if (session_.caliperCount >= kMaxCaliperMarks)
        return switchMeasuringOff(false);
    CaliperMark& mark = session_.caliperMarks[session_.caliperCount];
    CaliperUpdate u;
    u.consumed = u.overlay = true;
    cursorKnown_ = true;
    mouseX_ = X;
    mouseY_ = Y;
    if (!firstPointPlaced_) {
        mark = CaliperMark{};
        mark.leftX = X;
        mark.firstHeight = heightFraction(Y, view.height);
        firstPointPlaced_ = true;
        return u;
    }
    mark.rightX = X;
    mark.barHeight = heightFraction(Y, view.height);
    mark.intervalMs = caliperIntervalMs(mark.leftX, X, view.msPerPixel);
    if (mark.leftX > mark.rightX)
        std::swap(mark.leftX, mark.rightX);
    ++session_.caliperCount;
    setLabel163(mark.intervalMs, u);
    measuring_ = false;
    firstPointPlaced_ = false;
    dragging_ = false;
    cursorKnown_ = false;
    u.glyph = true;
    return u;
}

CaliperUpdate Calipers::deleteHoverMark()
{
    CaliperUpdate u;
    // Only the mark under the mouse: a Shift-click elsewhere must not remove the mark
    // that happened to be highlighted last.
    const int doomed = hoverMark_;
    if (hoverPart_ == CaliperPart::None || doomed < 0 || doomed >= session_.caliperCount)
        return u;
    for (int i = doomed; i + 1 < session_.caliperCount; ++i)
        session_.caliperMarks[i] = session_.caliperMarks[i + 1];
    --session_.caliperCount;
    session_.caliperMarks[session_.caliperCount] = CaliperMark{};
    forgetPointer();
    u.consumed = u.overlay = true;
    return u;
}

CaliperUpdate Calipers::PaintBox2MouseUp(MouseButton button)
{
    CaliperUpdate u;
    if (button == MouseButton::Left && dragging_) {
        dragging_ = false;
        u.overlay = true;
    }
    return u;
}

void Calipers::overlay(const EcgView& view, CaliperOverlay& out) const
{
    const int H = view.height;
    out.count = session_.caliperCount;
    for (int i = 0; i < out.count; ++i) {
        const CaliperMark& mark = session_.caliperMarks[i];
        CaliperMarkDrawing& d = out.marks[i];
        d.leftX = truncatedPixel(mark.leftX);
        d.rightX = truncatedPixel(mark.rightX);
        d.barY = barY(mark, H);
        d.intervalMs = mark.intervalMs;
        d.textX = truncatedPixel((mark.leftX + mark.rightX) / 2) - 8;
        d.textY = d.barY - 8;
        d.colour = kCaliperColour;
        if (!measuring_ && dragging_ && i == dragMark_)
            d.colour = kCaliperDragColour;
        else if (!measuring_ && !dragging_ && hoverPart_ != CaliperPart::None && i == hoverMark_)
            d.colour = kCaliperHighlightColour;
    }
    MeasuringDrawing& m = out.measuring;
    m = MeasuringDrawing{};
    if (!measuring_ || !cursorKnown_)
        return;
    m.cursor = true;
    m.cursorX = mouseX_;
    m.mouseY = mouseY_;
    if (firstPointPlaced_ && session_.caliperCount < kMaxCaliperMarks) {
        const double firstX = session_.caliperMarks[session_.caliperCount].leftX;
        m.firstPoint = true;
        m.firstX = truncatedPixel(firstX);
        m.intervalMs = caliperIntervalMs(firstX, mouseX_, view.msPerPixel);
        m.textX = truncatedPixel((firstX + mouseX_) / 2) - 8;
        m.textY = mouseY_ - 8;
    }
}

}  // namespace quorel
