// The parameter table: one row per segment, 50 rows a page, with its rules and the
// legend of the column heads below it.
#include "presentation/report_sections.h"

#include "model/circuit_construction.h"
#include "text/number_text.h"

#include <algorithm>

namespace quorel {

namespace {

constexpr int kRowsPerParameterPage = 50;

std::string f4(double value)
{
    return fixedText(value, 4);
}

void planParameterPage(const ReportInput& input, ReportPageSize size, const std::string& header, int firstRow,
                       int lastRow, ReportPlan& plan)
{
    const CircuitModel& m = input.model;
    const ReportPageKind kind = parameterPageKind(size);
    const int x0 = kind.x0;
    const int cw = kind.cw;
    const int lh = kind.lineHeight;
    ReportPage& page = plan.pages.emplace_back();
    page.section = ReportSection::Parameters;
    ReportPageWriter w(page, kind);

    w.text(2, "<< Parameters >>");
    w.header(2, header);
    const char* const heads[] = {"C.V.", "ERP", "S.F.", "D.I.", "S.L.", "C.T."};
    w.text(4, "site", 10);
    for (int k = 0; k < 6; ++k)
        w.text(4, x0 + (6 + k) * cw, heads[k], 10);

    const int rows = lastRow - firstRow + 1;
    for (int M = 1; M <= rows; ++M) {
        const int X = firstRow + M - 1;
        const double length = segmentLength(m, X);
        const int line = 4 + M;
        w.text(line, parameterRowLabel(m, X), 10);
        w.text(line, x0 + 6 * cw, f4(cv(m, X)), 10);
        w.text(line, x0 + 7 * cw, f4(erp(m, X)), 10);
        w.text(line, x0 + 8 * cw, f4(sf(m, X)), 10, sf(m, X) > 0.0 ? kReportRed : kReportBlack);
        w.text(line, x0 + 9 * cw, f4(di(m, X)), 10);
        w.text(line, x0 + 10 * cw, f4(length), 10);
        w.text(line, x0 + 11 * cw, f4(length / cv(m, X)), 10);
    }

    const int ruleWidth = reportRuleWidth(size);
    const int left = x0 - cw / 10;
    for (int M = 0; M <= rows + 1; ++M) {
        const int y = (5 + M) * lh - lh / 10;
        w.rule(left, y, x0 + 12 * cw - cw / 10, y, ruleWidth);
    }
    const int top = 5 * lh - lh / 10;
    const int bottom = (rows + 6) * lh - lh / 10;
    w.rule(left, top, left, bottom, ruleWidth);
    for (int k = 6; k <= 12; ++k)
        w.rule(x0 + k * cw - cw / 10, top, x0 + k * cw - cw / 10, bottom, ruleWidth);

    w.text(rows + 6, "estimated VT cycle length = " + f4(m.estimatedCycleLength) + "sec", 10);
    w.text(rows + 8, "C.V. : conduction velocity(m/s)", 10);
    w.text(rows + 8, x0 + 5 * cw, "S.F. : scaling factor", 10);
    w.text(rows + 9, "D.I. : diastolic interval(s)", 10);
    w.text(rows + 9, x0 + 5 * cw, "S.L. : segment length(m)", 10);
    w.text(rows + 10, "C.T. : conduction time(s)", 10);
}

}  // namespace

std::string parameterRowLabel(const CircuitModel& m, int X)
{
    using std::to_string;
    const int I = m.innerSiteCount;
    const int O = m.outerSiteCount;
    const int D = m.delaySegmentCount;
    const int E1 = m.deadEnd1SegmentCount;
    const std::string x = to_string(X);
    if (X == I + 1)
        return "from site 1 to site" + to_string(X + 1) + " ( to outer loop )";
    if (X == I + O + 1)
        return "from site " + x + " to " + to_string(m.connectionSite);
    if (X == I + O + D + 2)
        return "from site " + to_string(m.deadEnd1Site) + " to dead-end pathway site " + x;
    if (X == I + O + 2)
        return "from site 1 to site" + x + " in path to QRS onset";
    if (X == I + O + D + E1 + 2)
        return "from site " + to_string(m.deadEnd2Site) + " to 2nd dead-end path site " + x;
    if (X == m.scarEntrySite)
        return "from site " + x + " to " + to_string(X + 1) + " ( enter scar )";
    if (X == m.connectionSite)
        return "from site " + x + " to " + to_string(X + 1) + " ( enter common path )";
    if (m.qrsSite > 0 && I + O + 2 < X && X <= m.qrsSite)
        return "from site " + to_string(X - 1) + " to " + x + " ( QRS )";
    if (I + O + D + 2 < X && X < I + O + D + E1 + 2)
        return "from site " + to_string(X - 1) + " to " + x + " ( dead end )";
    if (m.deadEnd2Site >= 1 && X > I + O + D + E1 + 2)
        return "from site " + to_string(X - 1) + " to " + x + " ( 2nd dead end )";
    return "from site " + x + " to " + to_string(X + 1);
}

void planParameters(const ReportInput& input, ReportPageSize size, const std::string& header,
                    ReportPlan& plan)
{
    const int N = std::clamp(input.model.totalSiteCount, 1, kSiteRows - 1);
    for (int first = 1; first <= N; first += kRowsPerParameterPage)
        planParameterPage(input, size, header, first, std::min(N, first + kRowsPerParameterPage - 1), plan);
}

}  // namespace quorel
