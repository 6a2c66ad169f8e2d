#pragma once
// When can a site's step next change anything? A site-step of u changes something
// only when a warning fires, an arrival is accepted or the stimulus falls due; each of
// these depends on u's own state, the state of the sources it evaluates, the stimulus
// schedule and warningMode, and on the tick only through the acceptance windows. So
// while those inputs stand still, the first tick at which u's step can matter follows
// from them alone. The tests below use the kernel's own expressions and comparisons,
// so that the answer is exact to the bit.

#include "engine/kernel.h"
#include "engine/link_lists.h"

#include <limits>

namespace quorel {

constexpr long long kNoTick = std::numeric_limits<long long>::max();

// The time of tick k as every time loop computes it: k x Q, never accumulated.
inline double tickTime(long long k, double clockStep)
{
    return static_cast<double>(k) * clockStep;
}

// Smallest k in kmin..lastTick with arrival <= k x Q; kNoTick when there is none.
long long firstTickReaching(double arrival, long long kmin, double clockStep, long long lastTick);
// Smallest k in kmin..lastTick with time < k x Q; kNoTick when there is none.
long long firstTickPassing(double time, long long kmin, double clockStep, long long lastTick);

// The conduction time of every link, kept with the source's diastolic interval it
// was computed from. A source's DI changes only when it activates, so most
// predictions find their time here. Exact: the same inputs give the same time.
struct LinkConductionCache {
    struct Entry {
        double sourceDi;
        double ct;
        bool conducts;
    };
    Entry entry[kStateSites][kMaxLinksPerSite];

    void clear();   // at the start of every scan step
    // conductionTime of link i of target u with the source's DI as it stands.
    bool conductionTime(const CircuitModel& m, int u, int i, const SourceLink& link, double sourceDi,
                        double& ct)
    {
        Entry& e = entry[u][i];
        if (!(e.sourceDi == sourceDi)) {
            e.sourceDi = sourceDi;
            e.conducts = quorel::conductionTime(m, link.segment, sourceDi, link.length, e.ct);
        }
        ct = e.ct;
        return e.conducts;
    }
};

// The first tick >= kmin (and <= lastTick) at which the step of site u can change
// anything, given the run state as it stands; kNoTick when there is none.
//  - a link whose source condition holds and whose segment conducts: while warnings
//    are enabled and its conduction time is below Q or against u's refractory period,
//    kmin; otherwise the first tick whose window [t - Q, t] holds the arrival, if u is
//    excitable at the arrival;
//  - the stimulus site: the first tick whose window (t - Q, t) holds the stimulus time.
// It may name a tick at which nothing happens (a later source of the same code can
// overwrite an accepted arrival); it never names one later than the first that matters.
long long predictSiteStep(const CircuitModel& m, const RunState& state, const LinkLists& links,
                          LinkConductionCache& conduction, int u, long long kmin, long long lastTick);

}  // namespace quorel
