#include "presentation/ecg_scrolling.h"

#include <algorithm>

namespace quorel {

bool setScrollBar4Maximum(ScrollBarState& scrollBar4, int ecgLastMarkMs, const EcgView& view)
{
    scrollBar4.maximum = std::max(0, ecgLastMarkMs - view.msPerPixel * view.width);
    const int before = scrollBar4.position;
    scrollBar4.position = std::clamp(scrollBar4.position, 0, scrollBar4.maximum);
    return scrollBar4.position != before;
}

bool pageScrollBar4(ScrollBarState& scrollBar4, int deltaMs)
{
    const int before = scrollBar4.position;
    scrollBar4.position = std::clamp(scrollBar4.position + deltaMs, 0, std::max(0, scrollBar4.maximum));
    return scrollBar4.position != before;
}

}  // namespace quorel
