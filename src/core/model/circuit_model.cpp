#include "model/circuit_model.h"

#include "engine/circuit_check.h"
#include "model/circuit_construction.h"
#include "model/conduction.h"
#include "model/site_lists.h"

#include <cmath>

namespace quorel {

void applyStartupDefaults(CircuitModel& m)
{
    // 1. The site lists are built during start-up.
    // 2. Defaults; the two loop counts start at 0 and are set by the first push.
    m = CircuitModel{};
    markCircuitChanged(m);
    m.innerSiteCount = 0;
    m.outerSiteCount = 0;
    // 3. ECG channel colours.
    for (Rgb& colour : m.ecgChannelColour)
        colour = kYellow;
    // (4. the first push through the boxes, 5. hiding the optional pages: by the caller.)
    // 6.
    m.pi = 4.0 * std::atan(1.0);
    // 7. Plane 0 of B; every other field stays 0.
    for (int x = 0; x < kSiteRows; ++x) {
        cv(m, x) = kDefaultCv;
        erp(m, x) = kDefaultErp;
        sf(m, x) = 0.0;
    }
    // 8.
    for (int& site : m.displayedSites)
        site = 1;
    for (int& site : m.ecgChannelSite)
        site = 1;
}

void markCircuitChanged(CircuitModel& m)
{
    m.parametersChanged = 1;
    m.stimulusResetPending = 1;
    m.siteChoosersStale = 1;
    m.displayListsStale = 1;
}

void applyFirstPushHeadless(CircuitModel& m)
{
    // Edit4's rule turns an innerSiteCount of 0 into 20; Edit5's rule with equal
    // segment lengths sets outerSiteCount to connectionSite - 2.
    if (m.innerSiteCount == 0)
        m.innerSiteCount = 20;
    if (m.equalSegments == 1)
        m.outerSiteCount = m.connectionSite - 2;
}

void refreshDerivedModel(CircuitModel& m)
{
    rebuildCircuit(m);
    estimateCycleLength(m);
    setDiastolicIntervals(m);
    computeCvConstants(m);
    runCircuitCheck(m);
}

void buildDerivedModel(CircuitModel& m)
{
    refreshDerivedModel(m);
    fillDisplaySiteLists(m);
    fillSiteChoosers(m);
}

std::unique_ptr<CircuitModel> createModel()
{
    auto m = std::make_unique<CircuitModel>();
    applyStartupDefaults(*m);
    applyFirstPushHeadless(*m);
    buildDerivedModel(*m);
    m->parametersChanged = 0;
    return m;
}

}  // namespace quorel
