#include "engine/run_state.h"

namespace quorel {

const char* runNoteText(RunNote note)
{
    switch (note) {
    case RunNote::AntidromicPastSite1:
        return "antidromic activation does not include sties past1";
    case RunNote::None:
        break;
    }
    return "a";
}

CircuitLayout layoutOf(const CircuitModel& m)
{
    CircuitLayout l;
    l.n = m.innerSiteCount;
    l.m = m.outerSiteCount;
    l.D = m.delaySegmentCount;
    l.E1 = m.deadEnd1SegmentCount;
    l.E2 = m.deadEnd2SegmentCount;
    l.J = m.connectionSite;
    l.P = m.scarEntrySite;
    l.closingNode = l.n + 1;
    l.lastOuterSite = l.n + l.m + 1;
    l.firstDelaySite = l.n + l.m + 2;
    l.firstDeadEnd1Site = l.n + l.m + l.D + 2;
    l.firstDeadEnd2Site = l.firstDeadEnd1Site + l.E1;
    // The ends of the paths follow from the segment counts that the dispatch uses, so
    // that the remembered last site of a pathway switched off never blocks
    // retrograde conduction in another one.
    l.qrsSite = l.D > 0 ? l.firstDelaySite + l.D - 1 : 0;
    l.deadEnd1LastSite = l.E1 > 0 ? l.firstDeadEnd1Site + l.E1 - 1 : 0;
    l.deadEnd2LastSite = l.E2 > 0 ? l.firstDeadEnd2Site + l.E2 - 1 : 0;
    l.deadEnd1Site = m.deadEnd1Site;
    l.deadEnd2Site = m.deadEnd2Site;
    l.lastSite = l.n + l.m + m.pathSiteCount + 1;
    l.loopEnd = l.n + l.m + 2;
    l.delayEnd = l.n + l.m + l.D + 2;
    l.pathEnd = l.n + l.m + m.pathSiteCount + 2;
    l.innerSpacing = m.innerSpacing;
    l.outerSpacing = m.outerSpacing;
    l.delaySpacing = m.delaySpacing;
    l.deadEnd1Spacing = m.deadEnd1Spacing;
    l.deadEnd2Spacing = m.deadEnd2Spacing;
    l.T = m.estimatedCycleLength;
    l.clockStep = m.clockStep;
    l.stimulusSite = m.stimulusSite;
    l.trainMode = m.stimulationMode == 0 ? 1 : 0;
    l.trainStimulusCount = m.trainStimulusCount;
    l.pacingCycleLength = m.pacingCycleLength;
    l.firstCouplingInterval = m.firstCouplingInterval;
    l.scanDecrementMs = m.scanDecrementMs;
    l.revolutionCount = m.revolutionCount;
    return l;
}

}  // namespace quorel
