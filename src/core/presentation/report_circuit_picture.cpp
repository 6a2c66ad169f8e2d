#include "presentation/report_circuit_picture.h"

#include <algorithm>
#include <memory>

namespace quorel {

ReportCircuitPicture reportCircuitPicture(const SiteDrawTable& table)
{
    ReportCircuitPicture picture;
    picture.width = table.width;
    picture.height = table.height;
    picture.siteCount = std::clamp(table.siteCount, 0, std::min(kMaxResultSites, kSiteDrawSlots - 1));
    for (int site = 1; site <= picture.siteCount; ++site)
        picture.sites[site] = {table.sites[site].x, table.sites[site].y};
    return picture;
}

ReportCircuitPicture reportCircuitPicture(const CircuitModel& m, int width, int height)
{
    auto table = std::make_unique<SiteDrawTable>();
    circuitLayout(m, width, height, *table);
    return reportCircuitPicture(*table);
}

}  // namespace quorel
