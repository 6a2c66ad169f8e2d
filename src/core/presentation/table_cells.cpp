#include "presentation/table_cells.h"

#include "model/table_edit.h"
#include "presentation/site_colour.h"
#include "text/number_text.h"

namespace quorel {

CellFill segmentCellFill(const CircuitModel& m, SegmentGrid grid, int row, int column,
                         std::string_view text)
{
    const bool highlight = grid == SegmentGrid::SGDI2;
    if (row == 0) {
        if (grid == SegmentGrid::SGDI && column >= kColumnCv)
            return CellFill::colour(kWhite);
        return CellFill::menu();
    }
    if (column == kColumnSf) {
        const auto value = parseReal(text);
        if (value && *value != 0.0)
            return CellFill::colour(kScalingFactorHighlight);
    }
    return CellFill::colour(siteColour(m, row, highlight));
}

CellFill curveCellFill(int row, int column)
{
    if (row == 0 || column == 0)
        return CellFill::menu();
    return CellFill::colour(kWhite);
}

bool segmentCellEditable(const CircuitModel& m, int row, int column)
{
    return row >= 1 && row <= m.totalSiteCount && row < kSiteRows && column >= kColumnCv &&
           column <= kColumnSf;
}

bool isRealKey(char32_t key)
{
    return (key >= U'0' && key <= U'9') || key == U'.' || key < 32 || key == 127;
}

bool passesRealKeyFilter(std::string_view text)
{
    for (char c : text)
        if (!isRealKey(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::vector<std::vector<std::string>> parseTabSeparated(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    if (text.empty())
        return rows;
    if (text.back() == '\n')
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::vector<std::string> cells;
        size_t cellStart = 0;
        while (true) {
            const size_t tab = line.find('\t', cellStart);
            if (tab == std::string_view::npos) {
                cells.emplace_back(line.substr(cellStart));
                break;
            }
            cells.emplace_back(line.substr(cellStart, tab - cellStart));
            cellStart = tab + 1;
        }
        rows.push_back(std::move(cells));
        lineStart = lineEnd + 1;
    }
    return rows;
}

std::string tabSeparatedText(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += '\t';
            text += row[c];
        }
        text += '\n';
    }
    if (rows.size() == 1 && rows[0].size() == 1)
        text.pop_back();
    return text;
}

namespace {

std::string_view trimmedBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

}  // namespace

PastePlan planSegmentPaste(const CircuitModel& m, int anchorRow, int anchorColumn,
                           std::string_view clipboard)
{
    PastePlan plan;
    const auto rows = parseTabSeparated(clipboard);
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = 0; j < rows[i].size(); ++j) {
            const std::string_view text = trimmedBlanks(rows[i][j]);
            if (text.empty())
                continue;
            const int row = anchorRow + static_cast<int>(i);
            const int column = anchorColumn + static_cast<int>(j);
            if (!segmentCellEditable(m, row, column)) {
                ++plan.outside;
                continue;
            }
            // A pasted value must be one the user could have typed: no sign, no
            // exponent, no comma.
            if (!passesRealKeyFilter(text) || !parseReal(text)) {
                plan.error = invalidRealMessage(text);
                plan.writes.clear();
                return plan;
            }
            plan.writes.push_back({row, column, std::string(text)});
        }
    }
    return plan;
}

std::string pasteOutsideMessage(int outside)
{
    if (outside == 1)
        return "1 value fell outside the C.V., ERP and S.F. cells and was not pasted.";
    return std::to_string(outside) +
           " values fell outside the C.V., ERP and S.F. cells and were not pasted.";
}

}  // namespace quorel
