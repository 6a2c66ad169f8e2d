#include "model/segment_table.h"

#include "model/circuit_construction.h"
#include "text/number_text.h"

namespace quorel {

const std::array<const char*, kSegmentColumns> kSegmentHeaders = {
    "site", "D.I.", "S.L.", "C.T.", "C.V.", "ERP", "S.F."};

std::string segmentLabel(const CircuitModel& m, int x)
{
    using std::to_string;
    const int n = m.innerSiteCount;
    const int outer = m.outerSiteCount;
    const int de1First = firstDeadEnd1Site(m);
    const int de2First = firstDeadEnd2Site(m);
    if (x == n + 1)
        return "from site 1 to site" + to_string(n + 2) + " (to outer loop)";
    if (x == n + outer + 1)
        return "from site " + to_string(n + outer + 1) + " to " + to_string(m.connectionSite);
    if (x == de1First)
        return "from site " + to_string(m.deadEnd1Site) + " to D.E. pathway site " + to_string(x);
    if (x == firstDelaySite(m))
        return "from site 1 to site" + to_string(x) + " in path to QRS";
    if (x == de2First)
        return "from site " + to_string(m.deadEnd2Site) + " to 2nd D.E. path site " + to_string(x);
    if (x == m.scarEntrySite)
        return "from site " + to_string(x) + " to " + to_string(x + 1) + " (enter scar)";
    if (x == m.connectionSite)
        return "from site " + to_string(x) + " to " + to_string(x + 1) + " (enter common path)";
    const bool restOfDelay = m.qrsSite > 0 && n + outer + 1 < x && x <= m.qrsSite;
    const bool restOfDeadEnd1 = de1First < x && x < de2First;
    const bool restOfDeadEnd2 = x > de2First && m.deadEnd2Site > 0;
    if (restOfDelay || restOfDeadEnd1 || restOfDeadEnd2)
        return "from site " + to_string(x - 1) + " to " + to_string(x);
    return "from site " + to_string(x) + " to " + to_string(x + 1);
}

void fillSegmentColumns(const CircuitModel& m, int x, SegmentTable& table)
{
    auto& cells = table.cells[static_cast<size_t>(x)];
    const double length = segmentLength(m, x);
    cells[1] = fixedText(di(m, x), 4);
    cells[2] = fixedText(length, 4);
    cells[3] = fixedText(length / cv(m, x), 4);
}

void describeSegments(const CircuitModel& m, SegmentTable& table)
{
    table.rowCount = m.totalSiteCount + 2;
    for (int c = 0; c < kSegmentColumns; ++c)
        table.cells[0][static_cast<size_t>(c)] = kSegmentHeaders[static_cast<size_t>(c)];
    for (int x = 1; x <= m.totalSiteCount; ++x) {
        auto& cells = table.cells[static_cast<size_t>(x)];
        cells[0] = segmentLabel(m, x);
        cells[4] = generalText(cv(m, x));
        cells[5] = generalText(erp(m, x));
        cells[6] = generalText(sf(m, x));
        fillSegmentColumns(m, x, table);
    }
    table.cells[static_cast<size_t>(m.totalSiteCount + 1)] = {};
}

}  // namespace quorel
