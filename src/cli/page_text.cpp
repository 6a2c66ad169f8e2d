#include "page_text.h"

#include "model/circuit_description.h"
#include "model/segment_table.h"

#include <algorithm>

namespace quorel::cli {

const char* lampName(LampState lamp)
{
    switch (lamp) {
    case LampState::Blue: return "blue";
    case LampState::Yellow: return "yellow";
    case LampState::Red: return "red";
    }
    return "";
}

std::vector<std::string> alignedColumns(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - row[c].size(), ' ');
            if (c == 0)
                line += row[c] + (row.size() > 1 ? pad : "");
            else
                line += "  " + pad + row[c];
        }
        lines.push_back(line);
    }
    return lines;
}

namespace {

// A check grid: the row titles and one column per reported segment.
void appendGrid(std::vector<std::string>& lines, const std::vector<CheckColumn>& columns)
{
    std::vector<std::vector<std::string>> rows(4);
    for (int r = 0; r < 4; ++r)
        rows[static_cast<std::size_t>(r)].push_back(kCheckRowTitles[r]);
    for (const CheckColumn& column : columns) {
        rows[0].push_back(column.site);
        rows[1].push_back(column.cv);
        rows[2].push_back(column.erp);
        rows[3].push_back(column.sf);
    }
    for (const std::string& line : alignedColumns(rows))
        lines.push_back("  " + line);
}

}  // namespace

std::vector<std::string> checkPageLines(const CircuitCheckReport& report, bool deadEndConflict)
{
    std::vector<std::string> lines;
    auto add = [&lines](bool shown, const char* text) {
        if (shown)
            lines.emplace_back(text);
    };
    add(report.Label91, CheckCaption::Label91);
    if (report.gridsVisible) {
        add(report.Label90, CheckCaption::Label90);
        add(report.Label89, CheckCaption::Label89);
        appendGrid(lines, report.loopColumns);
        add(report.Label84, CheckCaption::Label84);
        add(report.Label87, CheckCaption::Label87);
        appendGrid(lines, report.deadEndColumns);
    }
    add(report.Label85, CheckCaption::Label85);
    add(report.Label86, CheckCaption::Label86);
    add(report.Label88, CheckCaption::Label88);
    add(report.Label151, CheckCaption::Label151);
    add(report.Label146, CheckCaption::Label146);
    add(report.Label148, CheckCaption::Label148);
    add(report.Label149, CheckCaption::Label149);
    add(report.Label150, CheckCaption::Label150);
    for (const std::string& reason : checkErrorReasons(report, deadEndConflict))
        lines.push_back(reason);
    return lines;
}

std::vector<std::string> checkErrorReasons(const CircuitCheckReport& report, bool deadEndConflict)
{
    std::vector<std::string> reasons;
    if (report.Label152)
        reasons.emplace_back(CheckCaption::Label152);
    if (report.Label153)
        reasons.emplace_back(CheckCaption::Label153);
    if (report.Label154)
        reasons.emplace_back(CheckCaption::Label154);
    if (deadEndConflict)
        reasons.emplace_back(CheckCaption::Label79);
    return reasons;
}

std::vector<std::string> describeLines(const CircuitModel& m)
{
    std::vector<std::string> lines;
    for (const CircuitDescriptionLine& line : circuitDescriptionLines(describeCircuit(m)))
        if (line.enabled)
            lines.push_back(line.text);
    lines.emplace_back();

    auto table = std::make_unique<SegmentTable>();
    describeSegments(m, *table);
    std::vector<std::vector<std::string>> rows;
    for (int x = 0; x <= m.totalSiteCount; ++x) {
        const auto& cells = table->cells[static_cast<std::size_t>(x)];
        rows.emplace_back(cells.begin(), cells.end());
    }
    for (const std::string& line : alignedColumns(rows))
        lines.push_back(line);
    return lines;
}

}  // namespace quorel::cli
