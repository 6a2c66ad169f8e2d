#pragma once
// The pieces the report's sections share: the geometry of each page kind and a small
// builder that puts texts on the lines of a page. Each section has a file of its own.

#include "presentation/report_plan.h"

#include <string>

namespace quorel {

// One page kind: line k stands at y = (base + k) x lineHeight.
struct ReportPageKind {
    int lineHeight = 1;
    int x0 = 0;  // left margin
    int base = 0;
    int cw = 0;           // column width (tables)
    int headerRight = 0;  // the page header ends here: PW - margin

    int lineY(int k) const { return (base + k) * lineHeight; }
};

ReportPageKind descriptionPageKind(ReportPageSize page);
ReportPageKind parameterPageKind(ReportPageSize page);
ReportPageKind remarksPageKind(ReportPageSize page);
ReportPageKind resultPageKind(ReportPageSize page);

constexpr Rgb kReportBlack = 0x000000;
constexpr Rgb kReportWhite = 0xFFFFFF;
constexpr Rgb kReportRed = 0xFF0000;
constexpr Rgb kReportGreen = 0x008000;
constexpr Rgb kReportPurple = 0x800080;
constexpr Rgb kReportDarkRed = 0x800000;
constexpr Rgb kReportBlue = 0x0000FF;

// The width of the table rules: thin, but still visible on a fine printer.
int reportRuleWidth(ReportPageSize page);

// A line of 70 "*".
extern const std::string kReportStars;
// Without results the result and ECG sections say so.
extern const char* const kNoCalculationText;

// Puts texts of one page kind on a page: Courier New bold, size 12 unless told.
class ReportPageWriter {
public:
    ReportPageWriter(ReportPage& page, const ReportPageKind& kind) : page_(page), kind_(kind) { }

    ReportText& text(int line, int x, std::string text, int points = 12, Rgb colour = kReportBlack);
    ReportText& text(int line, std::string text, int points = 12)
    {
        return this->text(line, kind_.x0, std::move(text), points);
    }
    // The page header, right-aligned on the line of the page title.
    void header(int line, const std::string& header);
    void rule(int x1, int y1, int x2, int y2, int width);

private:
    ReportPage& page_;
    const ReportPageKind& kind_;
};

void planDescription(const ReportInput& input, ReportPageSize size, const std::string& header,
                     ReportPlan& plan);
void planParameters(const ReportInput& input, ReportPageSize size, const std::string& header,
                    ReportPlan& plan);
void planRemarks(const ReportInput& input, ReportPageSize size, const std::string& header, ReportPlan& plan);
void planResultSheet(const ReportInput& input, ReportPageSize size, const std::string& header,
                     ReportPlan& plan);
void planEcg(const ReportInput& input, ReportPageSize size, const std::string& header, ReportPlan& plan);

}  // namespace quorel
