// The description of the circuit: one page of text lines and below them the circuit
// picture of the screen, every site a black square with its number in white.
#include "presentation/report_sections.h"

#include "text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

std::string f4(double value)
{
    return fixedText(value, 4);
}

int rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

void planCircuitPicture(const ReportInput& input, ReportPageSize size, ReportPage& page)
{
    const ReportCircuitPicture& picture = input.picture;
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const int h = size.PH / 50;
    // Real scale factors: an integer ratio would put every site at the corner as soon as
    // the picture were wider than the page.
    const double sx = static_cast<double>(size.PW - 2 * (size.PW / 15)) / picture.width;
    const double sy = static_cast<double>(size.PH - 30 * (size.PH / 50)) / picture.height;
    const int offset = 28 * (size.PH / 50);
    const int last = std::min(input.model.totalSiteCount, std::min(picture.siteCount, kMaxResultSites));
    // Site 1 has no square of its own: the closing node n + 1 stands at its place.
    for (int X = 2; X <= last; ++X) {
        const int x = rounded(picture.sites[X].x * sx);
        const int y = rounded(picture.sites[X].y * sy) + offset;
        page.rects.push_back({x - rounded(0.2 * h), y - rounded(0.2 * h), x + rounded(1.1 * h),
                              y + rounded(1.1 * h), kReportBlack});
        ReportText& number = page.texts.emplace_back();
        number.text = std::to_string(X);
        number.x = x;
        number.y = y;
        number.colour = kReportWhite;
    }
}

}  // namespace

void planDescription(const ReportInput& input, ReportPageSize size, const std::string& header,
                     ReportPlan& plan)
{
    using std::to_string;
    const CircuitModel& m = input.model;
    const int I = m.innerSiteCount;
    const int O = m.outerSiteCount;
    const int D = m.delaySegmentCount;
    const int E1 = m.deadEnd1SegmentCount;
    const ReportPageKind kind = descriptionPageKind(size);
    ReportPage& page = plan.pages.emplace_back();
    page.section = ReportSection::Description;
    ReportPageWriter w(page, kind);

    w.text(1, "<< Description of the circuit >>");
    w.header(1, header);
    w.text(2, kReportStars);
    w.text(3, "sites1 to " + to_string(I) + " are in the inner circuit");
    w.text(4, "site1 is in slow tissue at exit from circuit");
    w.text(5, "wave front circulates from 1 >> 2 >> 3 >> 4 >> >> >>  1");
    w.text(6, kReportStars);
    w.text(7, "site" + to_string(m.connectionSite) + " is an entrance to the common pathway in the fiure8");
    w.text(8, "site" + to_string(I + O + 1) + " is in the outer loop adjacent to the common path entrance");
    w.text(9,
           "site" + to_string(I + 1) + " = site1 and describes the segment from site1 to site" +
               to_string(I + 2));
    w.text(10, kReportStars);
    // Lines 11 to 14 keep their places when their path is not chosen.
    if (m.hasDelayPath != 0) {
        w.text(11,
               "site" + to_string(m.qrsSite) + " is at the QRS onset " + f4(m.delayDistanceCm) +
                   "cm from site1");
        w.text(12,
               "sites" + to_string(I + O + 2) + " to site" + to_string(m.qrsSite) +
                   " are between the circuit exit and the QRS onset");
    }
    if (m.hasDeadEnd1 != 0)
        w.text(13,
               "sites" + to_string(I + O + D + 2) + " to site" + to_string(m.deadEnd1LastSite) +
                   " are in a dead-end pathway connected to site" + to_string(m.deadEnd1Site));
    if (m.hasDeadEnd2 != 0)
        w.text(14,
               "sites" + to_string(I + O + D + E1 + 2) + " to site" + to_string(m.deadEnd2LastSite) +
                   " are in a second dead-end pathway connected to site" + to_string(m.deadEnd2Site));
    w.text(15, kReportStars);
    w.text(16, "cardiac radius = " + f4(m.cardiacRadius) + "m");
    w.text(17, "inner circuit radius = " + f4(m.circuitRadius) + "m");
    w.text(18, "inner circuit circumference = " + f4(I * m.innerSpacing) + "m");
    w.text(19, "distance between inner loop sites = " + f4(m.innerSpacing) + "m");
    w.text(20, "distance between outer loop sites = " + f4(m.outerSpacing) + "m");
    w.text(21, "ratio of outer / inner circuit radius = " + f4(m.outerInnerRatio));
    w.text(22, "outer circuit radius = " + f4(m.outerInnerRatio * m.circuitRadius) + "m");
    w.text(23, kReportStars);
    w.text(24, "estimated VT cycle length = " + f4(m.estimatedCycleLength) + "sec");
    w.text(25, "Scanned in increments (Q2) of " + f4(m.clockStep) + "sec");
    w.text(26, "Stimulus site = " + to_string(m.stimulusSite));
    w.text(27, kReportStars);
    w.text(46, kReportStars);
    planCircuitPicture(input, size, page);
}

}  // namespace quorel
