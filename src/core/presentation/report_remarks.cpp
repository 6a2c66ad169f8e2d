// The remarks: the two laws of the model with their constants, notes on the stimulus
// site, and the memo, which continues on further pages when it is long.
#include "presentation/report_sections.h"

#include "text/number_text.h"

#include <algorithm>

namespace quorel {

namespace {

constexpr int kMemoColumns = 70;  // the width of the page's rules of "*"
constexpr int kTabColumns = 8;

// The published source of the restitution constants U5 to U8, as one line: the two
// exponentials of the restitution of the action potential's duration in dog cardiac fibres.
const char* const kRestitutionSource = "       U5-U8 from Elharrar V, Surawicz B. Am J Physiol 1983.";

const char* const kMemoRule = "******************************** MEMO ********************************";

// Code points of a UTF-8 text: a wrapped line never splits a character.
std::vector<std::string> characters(const std::string& text)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        length = std::min(length, text.size() - i);
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

void wrapLine(const std::string& line, std::vector<std::string>& out)
{
    std::vector<std::string> chars;
    for (const std::string& c : characters(line)) {
        if (c == "\t") {
            do
                chars.push_back(" ");
            while (chars.size() % kTabColumns != 0);
        } else if (c != "\r") {
            chars.push_back(c);
        }
    }
    size_t start = 0;
    do {
        size_t end = std::min(chars.size(), start + kMemoColumns);
        size_t next = end;
        if (end < chars.size()) {
            // Break after the last blank of the piece; a piece without one is cut.
            for (size_t k = end; k > start + 1; --k) {
                if (chars[k - 1] == " ") {
                    end = k - 1;
                    next = k;
                    break;
                }
            }
        }
        std::string piece;
        for (size_t k = start; k < end; ++k)
            piece += chars[k];
        out.push_back(piece);
        start = next;
    } while (start < chars.size());
}

}  // namespace

std::vector<std::string> reportMemoLines(const std::vector<std::string>& memoLines)
{
    std::vector<std::string> out;
    for (const std::string& line : memoLines)
        wrapLine(line, out);
    return out;
}

void planRemarks(const ReportInput& input, ReportPageSize size, const std::string& header, ReportPlan& plan)
{
    const CircuitModel& m = input.model;
    const int I = m.innerSiteCount;
    const int outerEnd = I + m.outerSiteCount + m.delaySegmentCount + 2;
    const ReportPageKind kind = remarksPageKind(size);
    // The last line whose text still ends on the page.
    const int lastLine = size.PH / std::max(1, kind.lineHeight) - kind.base - 1;

    ReportPage* page = &plan.pages.emplace_back();
    page->section = ReportSection::Remarks;
    ReportPageWriter w(*page, kind);
    w.text(0, "<< Remarks >>");
    w.header(0, header);
    w.text(1, kReportStars);
    w.text(2, " Zero activation time is at site1 not at the QRS onset ");
    w.text(3, "************************* CONDUCTION VELOCITY ************************");
    w.text(4, " Conduction Velocity is defined by the function");
    w.text(5, "   CV = Vnormal*(1-EXP(-N1*(DI*B[0][X][7]+B[1][X][7])))");
    w.text(6, "    Vnormal   =normal CV, DI =Diastolic interval(R-R interval-RP)");
    w.text(7, "    B[0][X][7]=Scaling factor for the effect of DI (from 0 to 1)");
    w.text(8, "    B[1][X][7] and N1 = constants calculated from the specified values");
    w.text(9, "                   N1 = B[2][I][7]");
    w.text(10, "************************** ERP CALCULATIONS **************************");
    w.text(11, "   ERP=B[0][I][4]*(1-U5*EXP(-DI/U7)-U6*EXP(-DI/U8))");
    w.text(12, "       B[0][I][4] is the maximal ERP calculated for each site");
    w.text(13, kRestitutionSource);
    // The constants with the digits they have: U7 = 0.097 is not 0.10.
    w.text(14,
           "       U5= " + generalText(U5) + "     U6= " + generalText(U6) + "     U7= " + generalText(U7) +
               "     U8= " + generalText(U8));
    w.text(15, kReportStars);
    if (I < m.stimulusSite && m.stimulusSite < outerEnd) {
        w.text(16, " Stimulus site is outside inner loop ");
        w.text(17, "  and % antidromic activation will not be calculated");
    } else if (m.stimulusSite > outerEnd && m.deadEnd1Site > I) {
        w.text(18, " Dead end pathway containing stimulus site is not connected to ");
        w.text(19, "  inner loop and % antidromic activation will not be calculated");
    }
    w.text(20, "All Times are Seconds.");
    w.text(21, "All Length are in meters unless noted.");
    w.text(22, kMemoRule);

    // The memo, and the closing rule after it, continue on further pages.
    int line = 23;
    auto print = [&](const std::string& text) {
        if (line > lastLine) {
            page = &plan.pages.emplace_back();
            page->section = ReportSection::Remarks;
            ReportPageWriter more(*page, kind);
            more.text(0, "<< Remarks >>");
            more.header(0, header);
            more.text(1, kMemoRule);
            line = 2;
        }
        ReportPageWriter(*page, kind).text(line++, text);
    };
    for (const std::string& text : reportMemoLines(input.session.memoLines))
        print(text);
    print(kReportStars);
}

}  // namespace quorel
