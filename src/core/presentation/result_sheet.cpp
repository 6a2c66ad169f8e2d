#include "presentation/result_sheet.h"

#include "presentation/site_colour.h"
#include "text/number_text.h"

#include <algorithm>
#include <cstdlib>

namespace quorel {

namespace {

constexpr Rgb kGreen = 0x008000;

std::string threeDecimals(double value)
{
    return fixedText(value, 3);
}

}  // namespace

bool hasResults(const RunResults& results)
{
    return results.scanCount > 0 && results.shownRevolutionCount > 0;
}

int resultSheetStep(const CircuitModel& m, const RunResults& results, int scrollBarPosition)
{
    if (m.stimulationMode == 0)
        return 1;
    const int last = std::clamp(results.scanCount, 1, kMaxScanSteps);
    return std::clamp(scrollBarPosition, 1, last);
}

ResultSheetLayout resultSheetLayout(const CircuitModel& m, int shownRevolutionCount, bool displayErp)
{
    ResultSheetLayout layout;
    layout.rowsPerRevolution = displayErp ? 4 : 3;
    layout.siteColumnCount = m.displayAllSites == 1 ? 10 : m.totalSiteCount;
    layout.columnCount = layout.siteColumnCount + 3;
    layout.rowCount = shownRevolutionCount * layout.rowsPerRevolution + 1;
    layout.fusionColumn = layout.siteColumnCount + 1;
    layout.antidrColumn = layout.siteColumnCount + 2;
    return layout;
}

int resultColumnWidth(const ResultSheetLayout& layout, int column, bool largeFonts)
{
    if (column == 0)
        return 32;
    if (column > layout.siteColumnCount)
        return largeFonts ? 39 : 42;
    return 35;
}

int siteOfResultColumn(const CircuitModel& m, const ResultSheetLayout& layout, int column)
{
    if (column < 1 || column > layout.siteColumnCount)
        return 0;
    return m.displayAllSites == 1 ? m.displayedSites[column] : column;
}

ResultRow resultRowKind(const ResultSheetLayout& layout, int row)
{
    const int k = layout.rowsPerRevolution;
    if (row == 0)
        return ResultRow::Header;
    switch (row % k) {
    case 1: return ResultRow::Time;
    case 2: return ResultRow::Code;
    case 0: return ResultRow::RR;
    default: return ResultRow::Erp;
    }
}

int revolutionOfRow(const ResultSheetLayout& layout, int row)
{
    return (row + layout.rowsPerRevolution - 1) / layout.rowsPerRevolution;
}

std::string resultCellText(const CircuitModel& m, const RunResults& results,
                           const ResultSheetLayout& layout, int step, int column, int row,
                           bool hasResults)
{
    const ResultRow kind = resultRowKind(layout, row);
    if (kind == ResultRow::Header) {
        if (column == layout.fusionColumn)
            return "Fusion";
        if (column == layout.antidrColumn)
            return "Antidr";
        const int site = siteOfResultColumn(m, layout, column);
        return site > 0 ? std::to_string(site) : std::string();
    }
    const int r = revolutionOfRow(layout, row);
    if (column == 0) {
        switch (kind) {
        case ResultRow::Time: return std::to_string(r);
        case ResultRow::Erp: return "ERP";
        case ResultRow::RR: return "R-R";
        default: return {};
        }
    }
    if (!hasResults || step < 0 || step > kMaxScanSteps || r > kMaxRevolutions)
        return {};
    if (column > layout.siteColumnCount) {
        if (kind != ResultRow::Code)
            return {};
        const RevolutionIndex& idx = results.RevolutionIndices[step][r];
        return threeDecimals(column == layout.fusionColumn ? idx.fusionIndex : idx.antidromicFraction);
    }
    const int site = siteOfResultColumn(m, layout, column);
    if (site < 1 || site > kMaxResultSites)
        return {};
    const ActivationRecord& a = results.SiteActivation[step][site][r];
    switch (kind) {
    case ResultRow::Time: return threeDecimals(a.time);
    case ResultRow::Code: return std::to_string(static_cast<int>(a.code));
    case ResultRow::Erp: return threeDecimals(a.erp);
    case ResultRow::RR:
        if (r < 2)
            return {};
        return threeDecimals(a.time - results.SiteActivation[step][site][r - 1].time);
    default: return {};
    }
}

bool isHighlightedSite(const CircuitModel& m, int site)
{
    return site == referenceSite(m) ||
           (m.delaySegmentCount == 0 && site == m.innerSiteCount + 1) || site == m.stimulusSite;
}

ResultCellStyle resultCellStyle(const CircuitModel& m, const ResultSheetLayout& layout, int column,
                                int row, const std::string& text, bool largeFonts)
{
    ResultCellStyle style;
    const int k = layout.rowsPerRevolution;
    const bool summary = column > layout.siteColumnCount;
    const int site = siteOfResultColumn(m, layout, column);
    const int normalSize = largeFonts ? 8 : 10;
    const int smallSize = largeFonts ? 6 : 8;

    // Background.
    if (column == 0 || (row == 0 && summary)) {
        style.menuBackground = true;
    } else if (row == 0) {
        style.background = siteColour(m, site, true);
    } else {
        static constexpr Rgb fourRows[4] = {0xCCFFFF, 0xFF9999, 0xFFFFCC, 0xDDDDFF};
        static constexpr Rgb threeRows[3] = {0xCCFFFF, 0xFF9999, 0xFFFFCC};
        style.background = k == 4 ? fourRows[row % 4] : threeRows[row % 3];
        if (row % k == 2) {
            if (text == "1") style.background = 0xCCFFCC;
            else if (text == "2") style.background = 0xFFCCCC;
            else if (text == "3") style.background = 0xFFFF00;
            else if (text == "5" || text == "6" || text == "7") style.background = 0xFFCCFF;
        }
    }

    // Font.
    style.fontSize = normalSize;
    if (column > 0 && row > 0 && !text.empty()) {
        const double v = std::strtod(text.c_str(), nullptr);
        if (v == 0.0) {
            style.textColour = kBlue;
        } else if (v < 0.0) {
            style.textColour = kRed;
            style.fontSize = smallSize;
        } else if (v >= 10.0) {
            style.fontSize = smallSize;
        }
    }
    style.drawText = !text.empty();

    // Code rows show a mark instead of the digit; anything else there draws nothing.
    if (column > 0 && row > 0 && row % k == 2) {
        style.drawText = false;
        if (text == "1") { style.mark = " >>>"; style.markColour = kBlue; }
        else if (text == "2") { style.mark = " <<<"; style.markColour = kRed; }
        else if (text == "3") { style.mark = " <S>"; style.markColour = 0xFF00FF; }
        else if (text == "5") { style.mark = " <O>"; style.markColour = kGreen; }
        else if (text == "6") { style.mark = " <D>"; style.markColour = kGreen; }
        else if (text == "7") { style.mark = " <Q>"; style.markColour = kGreen; }
    } else if (column == 0) {
        style.textColour = kBlack;
    } else if (!summary && row % k == 0 && isHighlightedSite(m, site)) {
        // Header and R-R rows name the reference, closing-node and stimulus sites in blue.
        style.textColour = kBlue;
    } else if (row == 0) {
        style.textColour = kBlack;
    }

    if (summary) {
        style.summaryGreen = !text.empty();
        style.textColour = kGreen;
    }
    return style;
}

}  // namespace quorel
