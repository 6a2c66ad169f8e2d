#pragma once
// The pending site-steps of an event-driven scan step: at most one tick per site,
// ordered by (tick, site), the order of the tick-by-tick loop. A tournament tree over
// a fixed number of sites: setting a site's tick and finding the smallest pair take
// seven comparisons each, and nothing is ever allocated.

#include "engine/arrival_prediction.h"


namespace quorel {

class EventQueue {
public:
    static constexpr int kSlots = 128;   // a power of two above the highest site index
    static_assert(kStateSites <= kSlots);

    // Every site without a pending step.
    void clear()
    {
        for (int s = 0; s < kSlots; ++s)
            node_[kSlots + s] = Node{kNoTick, s};
        for (int i = kSlots - 1; i >= 1; --i)
            node_[i] = better(node_[2 * i], node_[2 * i + 1]);
    }

    // The pending step of `site` is now at `tick` (kNoTick: none).
    void set(int site, long long tick)
    {
        Node& leaf = node_[kSlots + site];
        if (leaf.tick == tick)
            return;
        leaf.tick = tick;
        for (int i = (kSlots + site) / 2; i >= 1; i /= 2)
            node_[i] = better(node_[2 * i], node_[2 * i + 1]);
    }

    // The smallest (tick, site) pair.
    int nextSite() const { return node_[1].site; }
    long long nextTick() const { return node_[1].tick; }
    long long tickOf(int site) const { return node_[kSlots + site].tick; }

private:
    struct Node {
        long long tick;
        int site;
    };
    // The left subtree holds the lower sites, so a tie goes to the left.
    static Node better(const Node& left, const Node& right) { return right.tick < left.tick ? right : left; }

    Node node_[2 * kSlots] = {};   // node_[1] is the root, node_[kSlots + s] the leaf of site s
};

}  // namespace quorel
