#include "presentation/report_plan.h"

#include "presentation/report_sections.h"

#include <algorithm>
#include <filesystem>

namespace quorel {

const std::string kReportStars(70, '*');
const char* const kNoCalculationText = "No calculation has been made.";

ReportPageKind descriptionPageKind(ReportPageSize page)
{
    return {page.PH / 50, page.PW / 15, 2, 0, page.PW - page.PW / 15};
}

ReportPageKind parameterPageKind(ReportPageSize page)
{
    return {page.PH / 65, page.PW / 20, 1, (page.PW - page.PW / 20) * 5 / 61, page.PW - page.PW / 20};
}

ReportPageKind remarksPageKind(ReportPageSize page)
{
    return {page.PH / 40, page.PW / 15, 2, 0, page.PW - page.PW / 15};
}

// 68 lines rather than 67: the R-R row of the last revolution of a full group (line 66)
// then ends on the page instead of starting at its bottom edge.
ReportPageKind resultPageKind(ReportPageSize page)
{
    return {page.PH / 68, page.PW / 20, 1, (page.PW - page.PW / 20) * 5 / 66, page.PW - page.PW / 20};
}

int reportRuleWidth(ReportPageSize page)
{
    return std::max(1, page.PH / 1500);
}

ReportText& ReportPageWriter::text(int line, int x, std::string text, int points, Rgb colour)
{
    ReportText& t = page_.texts.emplace_back();
    t.text = std::move(text);
    t.x = x;
    t.y = kind_.lineY(line);
    t.points = points;
    t.colour = colour;
    return t;
}

void ReportPageWriter::header(int line, const std::string& header)
{
    int title = -1;
    for (size_t i = 0; i < page_.texts.size(); ++i)
        if (page_.texts[i].y == kind_.lineY(line) && page_.texts[i].along == AlongAnchor::Start)
            title = static_cast<int>(i);
    ReportText& t = page_.texts.emplace_back();
    t.keepRightOf = title;
    t.text = header;
    t.x = kind_.headerRight;
    t.y = kind_.lineY(line);
    t.along = AlongAnchor::End;  // its width is measured on the page's own device
}

void ReportPageWriter::rule(int x1, int y1, int x2, int y2, int width)
{
    page_.lines.push_back({x1, y1, x2, y2, width, kReportBlack});
}

std::string reportFileNamePart(const std::string& fileName)
{
    if (fileName.empty())
        return "noname";
    const std::string name = std::filesystem::path(fileName).filename().string();
    return name.empty() ? fileName : name;
}

std::string reportJobName(const std::string& fileName)
{
    return "Quorel < " + reportFileNamePart(fileName) + " >";
}

std::string reportPageHeader(const std::string& fileName, const std::string& dateTime)
{
    return reportFileNamePart(fileName) + " [" + dateTime + "]";
}

ReportPlan planReport(const ReportInput& input, ReportPageSize page)
{
    ReportPlan plan;
    if (page.PW <= 0 || page.PH <= 0)
        return plan;
    const std::string header = reportPageHeader(input.fileName, input.dateTime);
    const ReportOptions& o = input.options;
    if (o.description)
        planDescription(input, page, header, plan);
    if (o.parameters)
        planParameters(input, page, header, plan);
    if (o.remarks)
        planRemarks(input, page, header, plan);
    if (o.resultSheet)
        planResultSheet(input, page, header, plan);
    if (o.ecg)
        planEcg(input, page, header, plan);
    return plan;
}

}  // namespace quorel
