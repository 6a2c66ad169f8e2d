// The link lists against the sources the kernel actually consults: for random codes,
// times and diastolic intervals, a site-step's requests are read back from the
// conduction memo it fills (each source has its own DI), and the activation it makes
// is compared with the one the lists foretell.

#include "engine/link_lists.h"

#include "event_test_support.h"

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <tuple>

using namespace quorel;
using namespace quorel::testing;

namespace {

struct Layout {
    const char* name;
    std::function<void(CircuitModel&)> shape;
};

const Layout kLayouts[] = {
    {"default", [](CircuitModel&) {}},
    {"delay and two pathways, the second at site 1",
     [](CircuitModel& m) {
         m.hasDelayPath = 1, m.delaySegmentCount = 3;
         m.hasDeadEnd1 = 1, m.deadEnd1SegmentCount = 2, m.deadEnd1Site = 5;
         m.hasDeadEnd2 = 1, m.deadEnd2SegmentCount = 4, m.deadEnd2Site = 1;
     }},
    {"no outer loop, delay, pathway at the closing node",
     [](CircuitModel& m) {
         m.equalSegments = 0, m.outerSiteCount = 0;
         m.hasDelayPath = 1, m.delaySegmentCount = 2;
         m.hasDeadEnd1 = 1, m.deadEnd1SegmentCount = 3, m.deadEnd1Site = 1;
     }},
    {"second pathway without the first",
     [](CircuitModel& m) { m.hasDeadEnd2 = 1, m.deadEnd2SegmentCount = 3, m.deadEnd2Site = 7; }},
    {"two pathways sharing a connection site",
     [](CircuitModel& m) {
         m.hasDeadEnd1 = 1, m.deadEnd1SegmentCount = 2, m.deadEnd1Site = 12;
         m.hasDeadEnd2 = 1, m.deadEnd2SegmentCount = 2, m.deadEnd2Site = 12;
     }},
    {"one-segment pathways at the connection and the last outer site",
     [](CircuitModel& m) {
         m.hasDeadEnd1 = 1, m.deadEnd1SegmentCount = 1, m.deadEnd1Site = 10;
         m.hasDeadEnd2 = 1, m.deadEnd2SegmentCount = 1, m.deadEnd2Site = 29;
     }},
    {"98 sites",
     [](CircuitModel& m) {
         m.equalSegments = 0, m.innerSiteCount = 40, m.outerSiteCount = 42, m.connectionSite = 38;
         m.hasDelayPath = 1, m.delaySegmentCount = 5;
         m.hasDeadEnd1 = 1, m.deadEnd1SegmentCount = 5, m.deadEnd1Site = 20;
         m.hasDeadEnd2 = 1, m.deadEnd2SegmentCount = 5, m.deadEnd2Site = 30;
     }},
};

using Request = std::tuple<int, int, double>;   // segment, source, length

}  // namespace

TEST(LinkLists, NameExactlyTheSourcesTheKernelConsults)
{
    const double codes[] = {0, 1, 2, 3, 5, 6, 7};
    CaseRandom random(7);
    for (const Layout& layout : kLayouts) {
        KernelBench b;
        CircuitModel& m = *b.model;
        layout.shape(m);
        m.clockStep = 1.0;   // every arrival of the trials below falls in the tick at t = 10
        refreshDerivedModel(m);
        b.start();
        RunState& st = *b.state;
        st.layout.stimulusSite = 0;
        st.warningMode = kWarningsSilenced;
        LinkLists links;
        buildLinkLists(st.layout, links);
        const int last = st.layout.lastSite;
        ASSERT_EQ(links.lastSite, last) << layout.name;
        int evaluated = 0;

        for (int trial = 0; trial < 60; ++trial) {
            for (int target = 2; target <= last; ++target) {
                std::map<double, int> sourceOfDi;
                for (int x = 0; x < kStateSites; ++x) {
                    const double di = 0.05 + 0.001 * x + 1e-6 * trial;
                    st.siteState[x] = {random.chance(0.15) ? 0.0 : random.uniform(9.0, 9.4),
                                       codes[random.integer(0, 6)], 0.0, di};
                    sourceOfDi[di] = x;
                }
                // What the lists foretell: the requests, and the winner of the slots.
                std::set<Request> expected;
                double slot[8] = {};
                for (int i = 0; i < links.linkCount[target]; ++i) {
                    const SourceLink& link = links.link[target][i];
                    if (!linkIsEvaluated(link, st.siteState))
                        continue;
                    expected.insert({link.segment, link.source, link.length});
                    double ct = 0.0;
                    const bool conducts =
                        conductionTime(m, link.segment, st.siteState[link.source].diastolicInterval, link.length, ct);
                    const double arrival = st.siteState[link.source].activationTime + ct;
                    slot[link.code] = conducts && arrival <= 10.0 && 10.0 - arrival <= 1.0 ? arrival : 0.0;
                }
                int winner = 0;
                for (int k = 1; k <= 7; ++k)
                    if (slot[k] > 0.0 && (winner == 0 || slot[winner] > slot[k]))
                        winner = k;
                const SiteState before = st.siteState[target];

                std::fill(std::begin(st.conductionMemo), std::end(st.conductionMemo), ConductionMemo{});
                b.at(10, target);
                const bool activated = siteStep(b.context, target);

                // Filled entries carry one of the DIs given above; empty ones none of them.
                std::set<Request> consulted;
                for (int segment = 0; segment < kStateSites; ++segment)
                    for (const ConductionMemoEntry& e : st.conductionMemo[segment].entry)
                        if (const auto source = sourceOfDi.find(e.sourceDi);
                            !std::isnan(e.sourceDi) && source != sourceOfDi.end())
                            consulted.insert({segment, source->second, e.length});
                ASSERT_EQ(consulted, expected) << layout.name << ", target " << target << ", trial " << trial;
                ASSERT_EQ(activated, winner != 0) << layout.name << ", target " << target;
                if (winner != 0) {
                    ASSERT_EQ(st.siteState[target].activationCode, winner) << layout.name << ", target " << target;
                    ASSERT_EQ(st.siteState[target].activationTime, slot[winner]) << layout.name;
                } else {
                    ASSERT_TRUE(sameBits(st.siteState[target], before)) << layout.name;
                }
                evaluated += static_cast<int>(expected.size());
                st.activationCount[target] = 0;
            }
        }
        EXPECT_GT(evaluated, 0) << layout.name;
    }
}
