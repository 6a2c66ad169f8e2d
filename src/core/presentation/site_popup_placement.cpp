#include "presentation/site_popup_placement.h"

#include <algorithm>

namespace quorel {

bool pageTabsFitOneRow(int pageControlWidth, int visibleTabCount)
{
    return pageControlWidth / kPageTabWidth >= visibleTabCount;
}

WindowOrigin sitePopupOrigin(const SitePopupGeometry& g, int channel)
{
    WindowOrigin origin;
    origin.left = g.mainLeft + 44;
    origin.top = g.mainTop + 144 + static_cast<int>((channel + 1) * g.U);
    if (pageTabsFitOneRow(g.pageControlWidth, g.visibleTabCount))
        origin.top -= 20;
    return origin;
}

int sitePopupPreselection(int site, int itemCount)
{
    if (itemCount <= 0)
        return -1;
    return std::clamp(site - 1, 0, itemCount - 1);
}

}  // namespace quorel
