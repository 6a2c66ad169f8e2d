#pragma once
// Who reads whom in a run. For every target site, the sources its site-step evaluates
// (the propagate operation the dispatch picks, then the dead-end entry of
// selectActivation), in the kernel's order and with the kernel's conditions; for every
// site, the sites whose step reads it. Built once per run from the run's layout by
// following the same dispatch and branches as the kernel, so that a circuit without an
// outer loop or with a second pathway but no first gets exactly the sources the
// kernel consults, not those a well-formed figure 8 would have.

#include "engine/run_state.h"

namespace quorel {

// One source of a target: evaluated unless the source's code is one of the two
// excluded codes (and, for the delay path's entry into the closing node, only while
// the source's activation time is not 0); its result goes to the slot `code`.
struct SourceLink {
    int code = 0;
    int segment = 0;           // row of sf, cvOffset and N1
    int source = 0;
    double length = 0.0;       // m
    double excludedCode1 = 0.0;
    double excludedCode2 = 0.0;
    bool needsActivationTime = false;
};

constexpr int kMaxLinksPerSite = 6;   // the closing node has at most five
// Each reader entry is a site itself, a link from it, or (closing node) a link from site 1.
constexpr int kMaxReaderEntries = kStateSites * (1 + 2 * kMaxLinksPerSite);

struct LinkLists {
    int lastSite = 0;
    int linkCount[kStateSites] = {};
    SourceLink link[kStateSites][kMaxLinksPerSite] = {};
    // Readers of site x: readerSite[readerBegin[x] .. readerBegin[x + 1]), increasing.
    int readerBegin[kStateSites + 1] = {};
    int readerSite[kMaxReaderEntries] = {};
};

// Fills `lists` for the layout of a run (sites 2..lastSite are the targets).
void buildLinkLists(const CircuitLayout& layout, LinkLists& lists);

// The kernel's condition for evaluating the link with the sources as they stand.
inline bool linkIsEvaluated(const SourceLink& link, const SiteState* site)
{
    const SiteState& source = site[link.source];
    if (source.activationCode == link.excludedCode1 || source.activationCode == link.excludedCode2)
        return false;
    return !link.needsActivationTime || source.activationTime != 0.0;
}

}  // namespace quorel
