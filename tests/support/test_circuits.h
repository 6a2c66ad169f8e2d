#pragma once
// Circuits that several suites and the benchmarks share.

#include "model/circuit_model.h"

#include <memory>

namespace quorel::testing {

// The largest protocol the entry limits allow: 98 sites (40 inner, 42 outer, connection
// site 38, circuit radius 0.04 m, a delay path and two dead-end pathways of 5 segments at
// sites 20 and 30), stimulus site 12, 30 revolutions, Q = 0.0001 s, 10 ms decrements:
// 51 scan steps with the default velocities.
inline std::unique_ptr<CircuitModel> largeProtocol()
{
    auto m = createModel();
    m->equalSegments = 0;
    m->circuitRadius = 0.04;
    m->innerSiteCount = 40;
    m->outerSiteCount = 42;
    m->connectionSite = 38;
    m->scarEntrySite = 60;
    m->hasDelayPath = 1;
    m->delaySegmentCount = 5;
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 20;
    m->deadEnd1SegmentCount = 5;
    m->hasDeadEnd2 = 1;
    m->deadEnd2Site = 30;
    m->deadEnd2SegmentCount = 5;
    m->stimulusSite = 12;
    m->revolutionCount = 30;
    m->clockStep = 0.0001;
    m->scanDecrementMs = 10.0;
    refreshDerivedModel(*m);
    return m;
}

}  // namespace quorel::testing
