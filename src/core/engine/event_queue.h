#pragma once
// The pending site-steps of an event-driven scan step: at most one tick per site,
// ordered by (tick, site), the order of the tick-by-tick loop. A tournament tree over
// a fixed number of sites: setting a site's tick and finding the smallest pair take
// seven comparisons each, and nothing is ever allocated.

#include "engine/arrival_prediction.h"

#include <cstdint>

namespace quorel {

class EventQueue {
public:
    static constexpr int kSlots = 128;   // a power of two above the highest site index
    static_assert(kStateSites <= kSlots);

    // Every site without a pending step.
    void clear()
    {
        for (long long& t : tick_)
            t = kNoTick;
        for (int s = 0; s < kSlots; ++s)
            winner_[kSlots + s] = static_cast<std::uint8_t>(s);
        for (int i = kSlots - 1; i >= 1; --i)
            winner_[i] = better(winner_[2 * i], winner_[2 * i + 1]);
    }

    // The pending step of `site` is now at `tick` (kNoTick: none).
    void set(int site, long long tick)
    {
        tick_[site] = tick;
        for (int i = (kSlots + site) / 2; i >= 1; i /= 2)
            winner_[i] = better(winner_[2 * i], winner_[2 * i + 1]);
    }

    // The smallest (tick, site) pair.
    int nextSite() const { return winner_[1]; }
    long long nextTick() const { return tick_[winner_[1]]; }
    long long tickOf(int site) const { return tick_[site]; }

private:
    // The left subtree holds the lower sites, so a tie goes to the left.
    std::uint8_t better(std::uint8_t left, std::uint8_t right) const
    {
        return tick_[right] < tick_[left] ? right : left;
    }

    long long tick_[kSlots] = {};
    std::uint8_t winner_[2 * kSlots] = {};   // winner_[1] is the root
};

}  // namespace quorel
