#include "model/site_lists.h"

namespace quorel {

std::string siteItemText(int index)
{
    return "site" + std::to_string(index + 1);
}

bool fillSiteChoosers(CircuitModel& m)
{
    if (m.siteChoosersStale != 1)
        return false;
    m.siteChoosersStale = 0;
    m.siteChooserItemCount = m.totalSiteCount;
    if (m.loadingFile != 1)
        m.stimulusSite = 1;
    for (int channel = 0; channel <= 16; ++channel) {
        m.ecgChannelSite[channel] = 1;
        m.ecgChannelColour[channel] = kYellow;
    }
    return true;
}

bool fillDisplaySiteLists(CircuitModel& m)
{
    if (m.displayListsStale != 1)
        return false;
    m.displayListsStale = 0;
    m.displayListItemCount = m.totalSiteCount;
    for (int k = 1; k <= 10; ++k)
        m.displayedSites[k] = 1;
    return true;
}

}  // namespace quorel
