#include "presentation/site_colour.h"

namespace quorel {

int referenceSite(const CircuitModel& m)
{
    return m.delaySegmentCount != 0 ? m.qrsSite : 1;
}

namespace {

Rgb regionColour(const CircuitModel& m, int site)
{
    const int n = m.innerSiteCount;
    const int outer = m.outerSiteCount;
    const int firstDelay = n + outer + 2;
    const int firstDeadEnd1 = firstDelay + m.delaySegmentCount;
    const int firstDeadEnd2 = firstDeadEnd1 + m.deadEnd1SegmentCount;
    if (site == n + 1)
        return kClosingNodeColour;
    if (site == n + outer + 1)
        return kLastOuterSiteColour;
    if (m.qrsSite > 0 && firstDelay < site && site <= m.qrsSite)
        return kDelayPathColour;
    if (m.qrsSite > 0 && site == firstDelay)
        return kFirstDelaySiteColour;
    // The dead-end rules look at deadEnd1LastSite and deadEnd2Site rather than at the
    // switches; behind the last site of a circuit they match no shown site.
    if (m.deadEnd1LastSite > 0 && site == firstDeadEnd1)
        return kFirstDeadEnd1Colour;
    if (m.deadEnd1LastSite > 0 && firstDeadEnd1 < site && site < firstDeadEnd2)
        return kDeadEnd1Colour;
    if (m.deadEnd2Site > 0 && site == firstDeadEnd2)
        return kFirstDeadEnd2Colour;
    if (m.deadEnd2Site > 0 && site > firstDeadEnd2)
        return kDeadEnd2Colour;
    if (site < m.connectionSite)
        return kInnerBeforeEntranceColour;
    if (site <= n)
        return kCommonPathColour;
    if (site <= m.scarEntrySite - 1)
        return kOuterBeforeScarColour;
    return kScarColour;
}

}  // namespace

Rgb siteColour(const CircuitModel& m, int site, bool highlight)
{
    Rgb colour = regionColour(m, site);
    if (!highlight)
        return colour;
    if (site == referenceSite(m))
        colour = kYellow;
    if (m.delaySegmentCount == 0 && site == m.innerSiteCount + 1)
        colour = kYellow;
    if (site == m.stimulusSite)
        colour = kRed;
    return colour;
}

}  // namespace quorel
