#include "engine/event_loop.h"

#include "engine/run_driver.h"

namespace quorel {

namespace {

// trunc(10 x time) of tick k, as updateStatusTime computes it.
long long tenthsAt(long long k, double Q)
{
    return static_cast<long long>(10 * tickTime(k, Q));
}

// Smallest k >= from with tenthsAt(k) > tenths; the tenths never decrease with k.
long long firstTickPastTenths(long long tenths, long long from, double Q)
{
    long long k = from;
    const double guess = static_cast<double>(tenths + 1) / (10 * Q);
    if (guess > static_cast<double>(from) && guess < 9.0e18)
        k = static_cast<long long>(guess);
    while (k > from && tenthsAt(k - 1, Q) > tenths)
        --k;
    while (tenthsAt(k, Q) <= tenths)
        ++k;
    return k;
}

// Sends the status-bar time for every tick up to `upTo` at which the tick loop sends
// it, with the run state as the tick loop has it at that moment: the tick and its
// time set, and the site of the previous tick's last step (none yet before tick 1).
class StatusClock {
public:
    explicit StatusClock(RunContext& c) : c_(c) {}

    void advanceTo(long long upTo)
    {
        RunState& st = c_.state;
        const double Q = st.layout.clockStep;
        while (done_ < upTo) {
            if (done_ < quietThrough_) {
                done_ = quietThrough_ < upTo ? quietThrough_ : upTo;
                continue;
            }
            const long long k = done_ + 1;
            const long long tenths = tenthsAt(k, Q);
            if (tenths != st.lastShownTenths) {
                st.tick = k;
                st.currentTime = tickTime(k, Q);
                if (k > 1)
                    st.currentSite = st.layout.lastSite;
                updateStatusTime(c_);
                done_ = k;
            } else {
                quietThrough_ = firstTickPastTenths(tenths, k + 1, Q) - 1;
            }
        }
    }

private:
    RunContext& c_;
    long long done_ = 0;           // ticks up to here have had their chance to send
    long long quietThrough_ = 0;   // and up to here the tenths stay those last sent
};

}  // namespace

void prepareEventLoop(EventLoop& loop, const CircuitLayout& layout)
{
    buildLinkLists(layout, loop.links);
    loop.siteStepsEvaluated = 0;
}

void runScanStepEvents(RunContext& c, EventLoop& loop)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    const double Q = L.clockStep;
    const long long lastTick = ticksPerScanStep(st.shownRevolutionCount, L.T, Q);
    const LinkLists& links = loop.links;
    EventQueue& queue = loop.queue;
    loop.conduction.clear();

    auto predict = [&](int u, long long kmin) {
        return predictSiteStep(c.model, st, links, loop.conduction, u, kmin, lastTick);
    };

    queue.clear();
    for (int u = 2; u <= L.lastSite; ++u)
        queue.set(u, predict(u, 1));

    StatusClock status(c);
    while (queue.nextTick() <= lastTick) {
        const int s = queue.nextSite();
        const long long k = queue.nextTick();
        status.advanceTo(k);
        st.tick = k;
        st.currentTime = tickTime(k, Q);
        const bool activated = siteStep(c, s);
        ++loop.siteStepsEvaluated;
        if (st.runAborted != 0)
            return;
        if (activated) {
            for (int i = links.readerBegin[s]; i < links.readerBegin[s + 1]; ++i) {
                const int v = links.readerSite[i];
                queue.set(v, predict(v, v > s ? k : k + 1));
            }
        } else {
            queue.set(s, predict(s, k + 1));
        }
    }

    status.advanceTo(lastTick);
    st.tick = lastTick;
    st.currentTime = tickTime(lastTick, Q);
    st.currentSite = L.lastSite;
}

}  // namespace quorel
