#pragma once
// ScrollBar4, the strip's start in milliseconds: its maximum follows the last mark of
// the raster and the view's span, and a caliper dragged to an edge pages it.

#include "model/session_state.h"
#include "presentation/ecg_geometry.h"

namespace quorel {

constexpr int kScrollBar4SmallChange = 20;   // ms, an arrow click
constexpr int kScrollBar4LargeChange = 100;  // ms, a page, and a caliper held at an edge

// ScrollBar4.Max = max(0, ecgLastMarkMs - ecgMsPerPixel x W), so that the last mark can
// reach the right edge and no further; the position is brought into 0..Max. Returns
// whether the position moved.
bool setScrollBar4Maximum(ScrollBarState& scrollBar4, int ecgLastMarkMs, const EcgView& view);

// Moves the start by `deltaMs` within 0..Max. Returns whether it moved.
bool pageScrollBar4(ScrollBarState& scrollBar4, int deltaMs);

}  // namespace quorel
