#include "presentation/circuit_layout.h"

#include "presentation/site_colour.h"

#include <algorithm>

namespace quorel {

namespace {

// k x span / count, read as written: the product first, then the division. A count
// that is not positive (a single site on a side) puts every site at the start.
int share(int k, int span, int count)
{
    return count > 0 ? k * span / count : 0;
}

class Placer {
public:
    Placer(const CircuitModel& m, SiteDrawTable& table) : m_(m), table_(table) { }

    void place(int site, int x, int y)
    {
        if (site < 1 || site >= kSiteDrawSlots)
            return;
        table_.sites[site] = {siteColour(m_, site, true), x, y};
    }
    int yOf(int site) const { return site >= 1 && site < kSiteDrawSlots ? table_.sites[site].y : 0; }

private:
    const CircuitModel& m_;
    SiteDrawTable& table_;
};

// The outer loop's sites on the top, the right side and the bottom of the right rectangle.
struct OuterSides {
    int top = 0;
    int right = 0;
    int bottom = 0;
};

OuterSides outerSides(int m)
{
    if (m % 3 == 0)
        return {m / 3 - 1, m / 3 + 2, m / 3 - 1};
    return {m / 3, m / 3 + m % 3, m / 3};
}

}  // namespace

void circuitLayout(const CircuitModel& m, int width, int height, SiteDrawTable& table)
{
    table = SiteDrawTable{};
    table.width = width;
    table.height = height;
    table.siteCount = std::clamp(m.totalSiteCount, 0, kSiteDrawSlots - 1);
    Placer placer(m, table);

    const int W = width;
    const int H = height;
    const int Xc = W / 2;
    const int XL = W / 8;
    const int XR = 7 * W / 8;
    const int YT = 2 * H / 8;
    const int YB = 6 * H / 8;
    const int n = m.innerSiteCount;
    const int c = m.connectionSite;
    const int q = c / 3;
    const int r = c % 3;

    int site = 1;
    // The inner loop: along the top leftwards from the centre, down the left side, back
    // along the bottom towards the centre, the connection site, then up the middle line.
    for (int j = 0; j < q; ++j)
        placer.place(site++, Xc - share(j, Xc - XL, q), YT);
    for (int k = 0; k < q + r; ++k)
        placer.place(site++, XL, YT + share(k, YB - YT, q + r - 1));
    for (int l = 0; l < q - 1; ++l)
        placer.place(site++, XL + share(l + 1, Xc - XL, q), YB);
    placer.place(c, Xc, YB);
    for (int l = 0; l < n - c; ++l)
        placer.place(c + 1 + l, Xc, YB - share(l + 1, YB - YT, n - c + 1));
    // The closing node is drawn over site 1.
    placer.place(n + 1, Xc, YT);

    // The outer loop: rightwards along the top, down the right side, back along the bottom.
    const OuterSides sides = outerSides(m.outerSiteCount);
    site = n + 2;
    for (int l = 0; l < sides.top; ++l)
        placer.place(site++, Xc + share(l + 1, XR - Xc, sides.top + 1), YT);
    for (int k = 0; k < sides.right; ++k)
        placer.place(site++, XR, YT + share(k, YB - YT, sides.right - 1));
    for (int l = 0; l < sides.bottom; ++l)
        placer.place(site++, XR - share(l + 1, XR - Xc, sides.bottom + 1), YB);

    // The paths, in steps of a seventh of the right rectangle's width.
    const double s = (XR - Xc) * (1.0 / 7.0);
    site = n + m.outerSiteCount + 2;
    for (int j = 0; j < m.delaySegmentCount; ++j)
        placer.place(site++, static_cast<int>(Xc + j * s), H / 8);
    // A dead-end pathway on the middle line runs level with its connection site.
    auto pathY = [&](int connection) {
        return c < connection && connection < n + 1 ? placer.yOf(connection) : 7 * H / 8;
    };
    const int y1 = pathY(m.deadEnd1Site);
    for (int j = 0; j < m.deadEnd1SegmentCount; ++j)
        placer.place(site++, static_cast<int>(Xc + (j + 1) * s), y1);
    const int y2 = pathY(m.deadEnd2Site);
    for (int j = 0; j < m.deadEnd2SegmentCount; ++j)
        placer.place(site++, static_cast<int>(Xc - (j + 1) * s), y2);
}

SquareLook movieSquareLook(MovieSquareSize size, int largeFonts)
{
    const bool large = largeFonts != 0;
    switch (size) {
    case MovieSquareSize::S:
        return {25, large ? 12 : 15};
    case MovieSquareSize::M:
        return {33, large ? 16 : 20};
    case MovieSquareSize::L:
        return {49, large ? 24 : 30};
    }
    return {25, 15};
}

SquareLook schemeSquareLook(SchemeSquareSize size, int largeFonts)
{
    const bool large = largeFonts != 0;
    switch (size) {
    case SchemeSquareSize::Small:
        return {17, large ? 8 : 10};
    case SchemeSquareSize::Medium:
        return {25, large ? 12 : 15};
    case SchemeSquareSize::Large:
        return {33, large ? 16 : 20};
    }
    return {17, 10};
}

PixelRect siteSquare(int x, int y, int side)
{
    const int half = side / 2;
    return {x - half, y - half, x + side - half, y + side - half};
}

PixelPoint siteNumberOrigin(int x, int y, int side)
{
    const int half = side / 2;
    return {x - half + 2, y - half};
}

int scaledCoordinate(int v, int mainExtent, int ownExtent)
{
    if (mainExtent <= 0 || ownExtent <= 0)
        return 0;
    return static_cast<int>(v / (static_cast<double>(mainExtent) / ownExtent));
}

}  // namespace quorel
