#include "engine/link_lists.h"

namespace quorel {

namespace {

// Appends links in evaluation order, as the operations below name them.
struct LinkWriter {
    LinkLists& lists;
    int target;

    void add(int code, int segment, int source, double length, double excluded1, double excluded2,
             bool needsActivationTime = false)
    {
        SourceLink& link = lists.link[target][lists.linkCount[target]++];
        link = SourceLink{code, segment, source, length, excluded1, excluded2, needsActivationTime};
    }
};

// Each function below follows the branches of the kernel operation of the same name.

void loopSiteLinks(const CircuitLayout& L, int s, LinkWriter& w)
{
    w.add(1, s - 1, s - 1, s <= L.closingNode ? L.innerSpacing : L.outerSpacing, 0.0,
          kCodeRetrograde);
    if (s == L.closingNode) {
        w.add(5, 1, 2, L.innerSpacing, 0.0, kCodeOrthodromic);
        w.add(5, L.closingNode, L.closingNode + 1, L.outerSpacing, kCodeOrthodromic, 0.0);
        if (L.D > 0)
            w.add(7, L.firstDelaySite, L.firstDelaySite, L.delaySpacing, kCodeOrthodromic,
                  kCodeOrthodromic, true);
        return;
    }
    if (s == L.lastOuterSite) {
        w.add(2, L.lastOuterSite, L.J, L.outerSpacing, 0.0, kCodeOtherLoop);
        return;
    }
    w.add(2, s, s + 1, s <= L.n ? L.innerSpacing : L.outerSpacing, kCodeOrthodromic, 0.0);
    if (s == L.J)
        w.add(5, L.lastOuterSite, L.lastOuterSite, L.outerSpacing, 0.0, kCodeRetrograde);
}

void delaySiteLinks(const CircuitLayout& L, int s, LinkWriter& w)
{
    const double length = L.delaySpacing;
    if (s == L.firstDelaySite)
        w.add(1, s, L.closingNode, length, kCodeDelayPath, kCodeDelayPath);
    else
        w.add(1, s, s - 1, length, 0.0, kCodeRetrograde);
    if (s != L.qrsSite)
        w.add(2, s + 1, s + 1, length, 0.0, kCodeOrthodromic);
}

void deadEndSiteLinks(const CircuitLayout& L, int s, LinkWriter& w)
{
    const double length = s < L.firstDeadEnd2Site ? L.deadEnd1Spacing : L.deadEnd2Spacing;
    if (s == L.firstDeadEnd1Site || s == L.firstDeadEnd2Site) {
        const int connection = s == L.firstDeadEnd1Site ? L.deadEnd1Site : L.deadEnd2Site;
        w.add(1, s, connection, length, 0.0, kCodeDeadEnd);
    } else {
        w.add(1, s, s - 1, length, 0.0, kCodeRetrograde);
    }
    if (s != L.deadEnd1LastSite && s != L.deadEnd2LastSite)
        w.add(2, s + 1, s + 1, length, 0.0, kCodeOrthodromic);
}

void selectActivationLinks(const CircuitLayout& L, int s, LinkWriter& w)
{
    if (s == L.deadEnd1Site)
        w.add(6, L.firstDeadEnd1Site, L.firstDeadEnd1Site, L.deadEnd1Spacing, 0.0, kCodeOrthodromic);
    else if (s == L.deadEnd2Site)
        w.add(6, L.firstDeadEnd2Site, L.firstDeadEnd2Site, L.deadEnd2Spacing, 0.0, kCodeOrthodromic);
}

// The dispatch of siteStep.
void siteLinks(const CircuitLayout& L, int s, LinkWriter& w)
{
    if (s < L.loopEnd)
        loopSiteLinks(L, s, w);
    else if (L.D > 0 && s < L.delayEnd)
        delaySiteLinks(L, s, w);
    else if (L.E1 > 0 && s < L.pathEnd)
        deadEndSiteLinks(L, s, w);
    selectActivationLinks(L, s, w);
}

}  // namespace

void buildLinkLists(const CircuitLayout& L, LinkLists& lists)
{
    lists.lastSite = L.lastSite;
    for (int s = 0; s < kStateSites; ++s)
        lists.linkCount[s] = 0;
    for (int s = 2; s <= L.lastSite; ++s) {
        LinkWriter w{lists, s};
        siteLinks(L, s, w);
    }

    // reads[x][u]: the step of u reads site x. A site reads itself; the closing node's
    // activation also rewrites site 1, its mirror, so its readers include site 1's.
    static_assert(kStateSites <= 128);
    bool reads[kStateSites][kStateSites] = {};
    for (int u = 2; u <= L.lastSite; ++u) {
        reads[u][u] = true;
        for (int i = 0; i < lists.linkCount[u]; ++i)
            reads[lists.link[u][i].source][u] = true;
    }
    if (L.closingNode < kStateSites)
        for (int u = 2; u <= L.lastSite; ++u)
            if (reads[1][u])
                reads[L.closingNode][u] = true;

    int next = 0;
    for (int x = 0; x < kStateSites; ++x) {
        lists.readerBegin[x] = next;
        for (int u = 2; u <= L.lastSite; ++u)
            if (reads[x][u])
                lists.readerSite[next++] = u;
    }
    lists.readerBegin[kStateSites] = next;
}

}  // namespace quorel
