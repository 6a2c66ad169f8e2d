#include "engine/arrival_prediction.h"

#include <cmath>

namespace quorel {

namespace {

// Smallest k in kmin..lastTick for which reached(k x Q) holds, where reached turns
// true once and stays true as k grows (a comparison with a fixed time is monotone in
// k x Q, and k x Q is monotone in k). Starts from time / Q and corrects by a tick or
// two with the exact test.
template <typename Reached>
long long firstTick(double time, long long kmin, double Q, long long lastTick, Reached reached)
{
    if (kmin > lastTick)
        return kNoTick;
    if (reached(tickTime(kmin, Q)))
        return kmin;
    if (!reached(tickTime(lastTick, Q)))   // also a NaN or infinite time
        return kNoTick;
    // Here kmin < answer <= lastTick, and time / Q lies within a tick of the answer.
    const double guess = time / Q;
    long long k = lastTick;
    if (guess < static_cast<double>(lastTick))
        k = static_cast<long long>(guess);
    if (k <= kmin)
        k = kmin + 1;
    while (k > kmin + 1 && reached(tickTime(k - 1, Q)))
        --k;
    while (!reached(tickTime(k, Q)))
        ++k;
    return k;
}

}  // namespace

long long firstTickReaching(double arrival, long long kmin, double clockStep, long long lastTick)
{
    return firstTick(arrival, kmin, clockStep, lastTick, [arrival](double t) { return arrival <= t; });
}

long long firstTickPassing(double time, long long kmin, double clockStep, long long lastTick)
{
    return firstTick(time, kmin, clockStep, lastTick, [time](double t) { return time < t; });
}

void LinkConductionCache::clear()
{
    for (auto& row : entry)
        for (Entry& e : row)
            e = Entry{std::nan(""), 0.0, false};   // NaN equals nothing: never a hit
}

long long predictSiteStep(const CircuitModel& m, const RunState& st, const LinkLists& links,
                          LinkConductionCache& conduction, int u, long long kmin, long long lastTick)
{
    if (kmin > lastTick)
        return kNoTick;
    const CircuitLayout& L = st.layout;
    const double Q = L.clockStep;
    const SiteState* site = st.siteState;
    const SiteState& target = site[u];
    long long best = kNoTick;

    const int count = links.linkCount[u];
    for (int i = 0; i < count; ++i) {
        const SourceLink& link = links.link[u][i];
        if (!linkIsEvaluated(link, site))
            continue;
        const SiteState& source = site[link.source];
        double ct = 0.0;
        if (!conduction.conductionTime(m, u, i, link, source.diastolicInterval, ct))
            continue;   // no velocity: neither an arrival nor a warning
        // The two warnings of computeArrival, as it tests them.
        if (st.warningMode != kWarningsSilenced) {
            if (ct < Q)
                return kmin;
            const bool longerThanRefractory = target.refractoryEnd == 0.0
                                                  ? ct > erp(m, u)
                                                  : target.refractoryEnd - target.activationTime < ct;
            if (longerThanRefractory)
                return kmin;
        }
        const double arrival = source.activationTime + ct;
        if (!(target.refractoryEnd == 0.0 || arrival >= target.refractoryEnd))
            continue;   // stays refractory until u itself activates again
        // The window [t - Q, t] first holds the arrival at the first tick reaching it;
        // if it does not there, t - arrival only grows.
        const long long k = firstTickReaching(arrival, kmin, Q, lastTick);
        if (k < best && tickTime(k, Q) - arrival <= Q)
            best = k;
    }

    if (u == L.stimulusSite && (L.trainMode == 1 || st.stimulusDelivered == 0)) {
        // selectActivation's window (t - Q, t), strict at both ends. Due means a change:
        // a capture, or a stimulus in the refractory period clearing capturedFlag and,
        // for trains, advancing the schedule.
        const double stimulus = st.stimulusTime;
        const long long k = firstTickPassing(stimulus, kmin, Q, lastTick);
        if (k < best && tickTime(k, Q) - stimulus < Q)
            best = k;
    }
    return best;
}

}  // namespace quorel
