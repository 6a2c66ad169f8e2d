// The result sheet in pages: for each printed scan step, each group of revolutions
// (12 with "display ERP", else 15) and each group of sites (12 consecutive sites, or
// the ten "selected-10" sites), a page of activation times, marks, ERPs and R-R
// intervals; the last site group of a revolution group adds the "Fusion" and "Antidr"
// columns.
#include "presentation/report_sections.h"

#include "presentation/result_messages.h"
#include "presentation/result_sheet.h"
#include "presentation/site_colour.h"
#include "text/number_text.h"

#include <algorithm>

namespace quorel {

namespace {

constexpr int kSitesPerGroup = 12;
// Site columns that leave room for the two summary columns within the page's 12
// columns; a last group with more sites gets its summary columns on a page of their own.
constexpr int kSitesBesideSummary = 10;
constexpr int kTableColumns = 13;  // the label column and 12 value columns

struct ActivationMark {
    const char* text;
    Rgb colour;
};

ActivationMark activationMark(double code)
{
    switch (static_cast<int>(code)) {
    case 1:
        return {" >>>", kReportBlack};
    case 2:
        return {" <--", kReportRed};
    case 3:
        return {"[[S]]", kReportDarkRed};
    case 5:
        return {" <O>", kReportDarkRed};
    case 6:
        return {" <D>", kReportDarkRed};
    case 7:
        return {" <Q>", kReportDarkRed};
    default:
        return {"???", kReportDarkRed};
    }
}

// What the pages of one scan step share.
struct StepPages {
    const ReportInput& input;
    ReportPageSize size;
    const std::string& header;
    int step = 1;
    int stimulusSite = 1;  // the step's own stimulus site
};

// The site the heads and R-R rows colour: the QRS reference green, the stimulus purple.
Rgb siteHeadColour(const CircuitModel& m, int site, int stimulusSite)
{
    if (site == stimulusSite)
        return kReportPurple;
    if (site == referenceSite(m))
        return kReportGreen;
    return kReportBlack;
}

void pageHead(const StepPages& s, ReportPageWriter& w)
{
    const CircuitModel& m = s.input.model;
    const RunResults& r = s.input.results;
    const bool single = m.stimulationMode != 0;
    w.text(2, single ? "<<single>>" : "<<Train>>");
    w.header(2, s.header);
    const ScanStepRecord& record = r.ScanStepRecords[s.step];
    if (single) {
        // The step's own message: a step without capture is not printed as a capture.
        const bool captured = record.captured == 1.0;
        const ResultMessages messages = singleStimulusMessages(
            captured, record.couplingInterval, m.estimatedCycleLength, s.stimulusSite, nullptr);
        w.text(4, messages.LabelRes1, 10);
        if (captured && record.noteFlag == -1.0)
            w.text(5, kAntidromicNote, 10);
        return;
    }
    const int stimuli = std::max(0, r.shownRevolutionCount - 5);  // a train shows its stimuli + 5
    const std::string site = std::to_string(s.stimulusSite);
    w.text(4,
           r.captureCodeCount != 0 ? "Stimulus capture " + std::to_string(r.captureCodeCount) + " / " +
                   std::to_string(stimuli) + " times at site" + site
                                   : " No Stimulus capture at site" + site,
           10);
    w.text(5, " coupling interval of first beat = " + fixedText(record.couplingInterval, 4) + " sec", 10);
}

// Lines of the j-th revolution of a page (j = 1, 2, ...).
struct RevolutionLines {
    int time = 0;
    int mark = 0;
    int erp = 0;  // 0 without "display ERP"
    int rr = 0;
};

RevolutionLines revolutionLines(int j, bool displayErp)
{
    if (displayErp)
        return {5 * j + 3, 5 * j + 4, 5 * j + 5, 5 * j + 6};
    return {4 * j + 4, 4 * j + 5, 0, 4 * j + 6};
}

void planResultPage(const StepPages& s, int firstRevolution, int lastRevolution,
                    const std::vector<int>& sites, bool summary, ReportPlan& plan)
{
    const CircuitModel& m = s.input.model;
    const RunResults& r = s.input.results;
    const bool displayErp = s.input.session.displayErp == 1;
    const ReportPageKind kind = resultPageKind(s.size);
    const int x0 = kind.x0;
    const int cw = kind.cw;
    const int lh = kind.lineHeight;
    ReportPage& page = plan.pages.emplace_back();
    page.section = ReportSection::ResultSheet;
    ReportPageWriter w(page, kind);
    pageHead(s, w);

    const int columns = static_cast<int>(sites.size());
    for (int j = 1; j <= columns; ++j) {
        const int site = sites[static_cast<size_t>(j - 1)];
        w.text(7, x0 + j * cw, "site" + std::to_string(site), 10, siteHeadColour(m, site, s.stimulusSite));
    }
    if (summary) {
        w.text(7, x0 + (columns + 1) * cw, "Fusion", 10);
        w.text(7, x0 + (columns + 2) * cw, "Antidr", 10);
    }

    int lastLine = 7;
    for (int rev = firstRevolution; rev <= lastRevolution; ++rev) {
        const RevolutionLines lines = revolutionLines(rev - firstRevolution + 1, displayErp);
        lastLine = lines.rr;
        w.text(lines.time, "Time", 10);
        w.text(lines.mark, std::to_string(rev), 10);
        if (displayErp)
            w.text(lines.erp, "ERP", 10);
        w.text(lines.rr, "R-R", 10);
        for (int j = 1; j <= columns; ++j) {
            const int site = sites[static_cast<size_t>(j - 1)];
            if (site < 1 || site > kMaxResultSites)
                continue;
            const ActivationRecord& a = r.SiteActivation[s.step][site][rev];
            const int x = x0 + j * cw;
            w.text(lines.time, x, fixedText(a.time, 3), 10);
            const ActivationMark mark = activationMark(a.code);
            w.text(lines.mark, x, mark.text, 10, mark.colour);
            if (displayErp)
                w.text(lines.erp, x, fixedText(a.erp, 3), 10);
            if (rev > 1)
                w.text(lines.rr, x, fixedText(a.time - r.SiteActivation[s.step][site][rev - 1].time, 3), 10,
                       siteHeadColour(m, site, s.stimulusSite));
        }
        if (summary) {
            const RevolutionIndex& index = r.RevolutionIndices[s.step][rev];
            w.text(lines.mark, x0 + (columns + 1) * cw, fixedText(index.fusionIndex, 4), 10);
            w.text(lines.mark, x0 + (columns + 2) * cw, fixedText(index.antidromicFraction, 4), 10);
        }
    }

    const int ruleWidth = reportRuleWidth(s.size);
    if (summary) {
        const int y = 9 * lh - lh / 10;
        w.rule(x0 - cw / 10, y, x0 + kTableColumns * cw - cw / 10, y, ruleWidth);
    }
    const int top = 8 * lh - lh / 10;
    const int bottom = (lastLine + 2) * lh - lh / 10;
    for (int c = 0; c <= kTableColumns; ++c) {
        const int x = x0 + c * cw - cw / 10;
        w.rule(x, top, x, bottom, ruleWidth);
    }
}

std::vector<std::vector<int>> siteGroups(const CircuitModel& m)
{
    std::vector<std::vector<int>> groups;
    if (m.displayAllSites == 1) {
        groups.emplace_back(m.displayedSites + 1, m.displayedSites + 11);
        return groups;
    }
    const int N = std::clamp(m.totalSiteCount, 1, kMaxResultSites);
    for (int first = 1; first <= N; first += kSitesPerGroup) {
        std::vector<int>& group = groups.emplace_back();
        for (int site = first; site <= std::min(N, first + kSitesPerGroup - 1); ++site)
            group.push_back(site);
    }
    return groups;
}

void planNoCalculation(const ReportInput& input, ReportPageSize size, const std::string& header,
                       ReportPlan& plan)
{
    const ReportPageKind kind = resultPageKind(size);
    ReportPage& page = plan.pages.emplace_back();
    page.section = ReportSection::ResultSheet;
    ReportPageWriter w(page, kind);
    w.text(2, input.model.stimulationMode != 0 ? "<<single>>" : "<<Train>>");
    w.header(2, header);
    w.text(4, kNoCalculationText, 10);
}

}  // namespace

int reportShownStep(const CircuitModel& m, const RunResults& results, const SessionState& session)
{
    const int held = std::min(results.scanCount, kMaxScanSteps);
    if (!hasResults(results) || held < 1)
        return 0;
    if (m.stimulationMode == 0)
        return 1;
    return std::clamp(session.scrollBar2.position, 1, held);
}

std::vector<int> reportScanSteps(const ReportInput& input)
{
    const int shown = reportShownStep(input.model, input.results, input.session);
    if (shown == 0)
        return {};
    if (input.model.stimulationMode == 0 || !input.options.allPages)
        return {shown};
    const int held = std::min(input.results.scanCount, kMaxScanSteps);
    std::vector<int> steps;
    for (int step = 1; step <= held; ++step)
        steps.push_back(step);
    return steps;
}

void planResultSheet(const ReportInput& input, ReportPageSize size, const std::string& header,
                     ReportPlan& plan)
{
    const CircuitModel& m = input.model;
    const RunResults& r = input.results;
    const std::vector<int> steps = reportScanSteps(input);
    if (steps.empty()) {
        planNoCalculation(input, size, header, plan);
        return;
    }
    const int revolutions = std::min(r.shownRevolutionCount, kMaxRevolutions);
    const int groupSize = input.session.displayErp == 1 ? 12 : 15;
    const std::vector<std::vector<int>> groups = siteGroups(m);
    for (int step : steps) {
        const double site = r.ScanStepRecords[m.stimulationMode == 0 ? 1 : step].stimulusSite;
        const StepPages s{input, size, header, step, site >= 1.0 ? static_cast<int>(site) : m.stimulusSite};
        for (int first = 1; first <= revolutions; first += groupSize) {
            const int last = std::min(revolutions, first + groupSize - 1);
            for (size_t g = 0; g < groups.size(); ++g) {
                const bool lastGroup = g + 1 == groups.size();
                if (lastGroup && groups[g].size() > kSitesBesideSummary) {
                    planResultPage(s, first, last, groups[g], false, plan);
                    planResultPage(s, first, last, {}, true, plan);
                } else {
                    planResultPage(s, first, last, groups[g], lastGroup, plan);
                }
            }
        }
    }
}

}  // namespace quorel
