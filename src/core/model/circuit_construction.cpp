#include "model/circuit_construction.h"

namespace quorel {

int firstDelaySite(const CircuitModel& m)
{
    return m.innerSiteCount + m.outerSiteCount + 2;
}

int firstDeadEnd1Site(const CircuitModel& m)
{
    return m.innerSiteCount + m.outerSiteCount + m.delaySegmentCount + 2;
}

int firstDeadEnd2Site(const CircuitModel& m)
{
    return firstDeadEnd1Site(m) + m.deadEnd1SegmentCount;
}

void rebuildCircuit(CircuitModel& m)
{
    if (m.innerSiteCount == 0)
        m.innerSiteCount = 20;
    if (m.equalSegments == 1)
        m.outerSiteCount = m.connectionSite - 2;
    const int n = m.innerSiteCount;
    const int outer = m.outerSiteCount;

    if (m.hasDelayPath == 1) {
        m.pathSiteCount = m.delaySegmentCount;
        m.qrsSite = n + outer + m.delaySegmentCount + 1;
    } else {
        m.pathSiteCount = 0;
        m.qrsSite = 0;
    }
    // A pathway attached to site 1 hangs from the closing node n + 1; the last
    // sites keep their values while a pathway is off.
    if (m.hasDeadEnd1 == 1) {
        m.pathSiteCount += m.deadEnd1SegmentCount;
        m.deadEnd1LastSite = n + outer + m.pathSiteCount + 1;
        if (m.deadEnd1Site == 1)
            m.deadEnd1Site = n + 1;
    }
    if (m.hasDeadEnd2 == 1) {
        if (m.deadEnd2Site == 1)
            m.deadEnd2Site = n + 1;
        m.pathSiteCount += m.deadEnd2SegmentCount;
        m.deadEnd2LastSite = n + outer + m.pathSiteCount + 1;
    }
    m.totalSiteCount = n + outer + m.pathSiteCount + 1;

    m.innerSpacing = 2.0 * m.pi * m.circuitRadius / n;
    m.outerSpacing = m.outerInnerRatio * m.innerSpacing * (m.connectionSite - 1) / (outer + 1);
    m.delaySpacing = m.delayDistanceCm * 0.01 / (m.delaySegmentCount < 1 ? 1 : m.delaySegmentCount);
    m.deadEnd1Spacing =
        m.deadEnd1DistanceCm * 0.01 / (m.deadEnd1SegmentCount < 1 ? 1 : m.deadEnd1SegmentCount);
    m.deadEnd2Spacing =
        m.deadEnd2DistanceCm * 0.01 / (m.deadEnd2SegmentCount < 1 ? 1 : m.deadEnd2SegmentCount);
}

double segmentLength(const CircuitModel& m, int row)
{
    const int n = m.innerSiteCount;
    if (row <= n)
        return m.innerSpacing;
    if (m.qrsSite > 0 && firstDelaySite(m) <= row && row <= m.qrsSite)
        return m.delaySpacing;
    const int de1 = firstDeadEnd1Site(m);
    const int de2 = firstDeadEnd2Site(m);
    if (de1 <= row && row < de2)
        return m.deadEnd1Spacing;
    if (m.deadEnd2Site > 0 && row >= de2)
        return m.deadEnd2Spacing;
    return m.outerSpacing;
}

}  // namespace quorel
