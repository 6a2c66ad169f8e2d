// The result-sheet and ECG sections of the report.
#include "presentation/report_plan.h"

#include "model/circuit_construction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace quorel;

namespace {

constexpr ReportPageSize kPage{4800, 6600};
constexpr int kLine = kPage.PH / 68;
constexpr int kX0 = kPage.PW / 20;
constexpr int kColumn = (kPage.PW - kPage.PW / 20) * 5 / 66;

struct ResultPages : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    SessionState session;
    ReportOptions options{false, false, false, true, false, false, false};

    std::vector<ReportPage> pages()
    {
        const ReportInput input{*m, *results, session, options, "", "now", 0, 400, {}};
        return planReport(input, kPage).pages;
    }
    void fillResults(int steps, int revolutions)
    {
        results->scanCount = steps;
        results->shownRevolutionCount = revolutions;
        for (int step = 1; step <= steps; ++step) {
            results->ScanStepRecords[step] = {0.5 - 0.05 * step, 5.0, 1.0, 1.0};
            for (int site = 1; site <= m->totalSiteCount; ++site)
                for (int rev = 1; rev <= revolutions; ++rev)
                    results->SiteActivation[step][site][rev] = {0.3 * rev + 0.001 * site, 1.0, 0.2};
        }
    }
    void sites(int count)
    {
        m->innerSiteCount = count - 9;  // with the outer loop of 8 sites and the closing node
        refreshDerivedModel(*m);
        ASSERT_EQ(m->totalSiteCount, count);
    }
};

const ReportText* findText(const ReportPage& page, const std::string& text)
{
    for (const ReportText& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::vector<std::string> siteHeads(const ReportPage& page)
{
    std::vector<std::string> heads;
    for (const ReportText& t : page.texts)
        if (t.y == (1 + 7) * kLine && t.x > kX0)
            heads.push_back(t.text);
    return heads;
}

}  // namespace

TEST_F(ResultPages, RevolutionAndSiteGroupsMakeThePages)
{
    struct Case {
        int sites;
        int revolutions;
        bool displayErp;
        size_t pages;
    };
    const Case cases[] = {
        {29, 12, true, 3},                      // sites 1-12, 13-24, 25-29 with the summary
        {29, 13, true, 6},                      // a second revolution group
        {29, 15, false, 3},                     // 15 revolutions a page without ERP rows
        {29, 16, false, 6}, {22, 5, false, 2},  // 1-12, 13-22 and the summary beside ten sites
        {24, 5, false, 3},                      // 1-12, 13-24, and the summary on a page of its own
    };
    for (const Case& c : cases) {
        sites(c.sites);
        fillResults(3, c.revolutions);
        session.displayErp = c.displayErp ? 1 : 0;
        EXPECT_EQ(pages().size(), c.pages) << c.sites << " sites, " << c.revolutions << " revolutions";
    }
    // "print all pages": every scan step.
    options.allPages = true;
    EXPECT_EQ(pages().size(), 9u);
}

TEST_F(ResultPages, TheSummaryColumnsAlwaysStandOnThePage)
{
    sites(24);
    fillResults(1, 5);
    const std::vector<ReportPage> p = pages();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(siteHeads(p[1]).front(), "site13");
    EXPECT_EQ(siteHeads(p[1]).back(), "site24");
    EXPECT_EQ(findText(p[1], "Fusion"), nullptr);
    EXPECT_EQ(findText(p[2], "Fusion")->x, kX0 + kColumn);
    EXPECT_EQ(findText(p[2], "Antidr")->x, kX0 + 2 * kColumn);
    for (const ReportPage& page : p) {
        for (const ReportText& t : page.texts) {
            if (t.along == AlongAnchor::Start) {
                EXPECT_LE(t.x, kX0 + 12 * kColumn) << t.text;
            }
        }
    }

    // "selected-10": the ten chosen sites and the summary beside them.
    m->displayAllSites = 1;
    for (int k = 1; k <= 10; ++k)
        m->displayedSites[k] = 2 * k;
    const std::vector<ReportPage> selected = pages();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(siteHeads(selected[0]).size(), 12u);
    EXPECT_EQ(siteHeads(selected[0])[9], "site20");
    EXPECT_EQ(findText(selected[0], "Antidr")->x, kX0 + 12 * kColumn);
}

TEST_F(ResultPages, NoRowOfAFullGroupIsCutAtTheBottomEdge)
{
    for (bool displayErp : {true, false}) {
        session.displayErp = displayErp ? 1 : 0;
        fillResults(1, displayErp ? 12 : 15);
        const ReportPage page = pages()[0];
        int lowest = 0;
        for (const ReportText& t : page.texts)
            lowest = std::max(lowest, t.y);
        EXPECT_EQ(lowest, (1 + 66) * kLine);
        EXPECT_LE(lowest + kLine, kPage.PH);
        EXPECT_NE(findText(page, displayErp ? "12" : "15"), nullptr);
    }
}

TEST_F(ResultPages, EachStepPrintsItsOwnMessageAndTheStepShownIsOneThatExists)
{
    fillResults(3, 2);
    results->ScanStepRecords[2] = {0.4, 5.0, 1.0, 0.0};    // no capture
    results->ScanStepRecords[3] = {0.35, 5.0, -1.0, 1.0};  // capture with the note
    options.allPages = true;
    std::vector<std::string> line4;
    std::vector<bool> notes;
    for (const ReportPage& page : pages()) {
        for (const ReportText& t : page.texts)
            if (t.y == (1 + 4) * kLine)
                line4.push_back(t.text);
        notes.push_back(findText(page, "antidromic activation does not include sties past1") != nullptr);
    }
    ASSERT_EQ(line4.size(), 9u);  // 3 steps of 3 site groups
    EXPECT_EQ(line4[3].rfind("No stimulus capture at coupling interval 0.4000 (", 0), 0u) << line4[3];
    EXPECT_EQ(line4[6].rfind("Stimulus capture at coupling interval 0.3500 (", 0), 0u);
    EXPECT_NE(line4[6].find(") sec at site5"), std::string::npos);
    EXPECT_FALSE(notes[3]);
    EXPECT_TRUE(notes[6]);

    // A stored step position of 0 prints step 1, a position past the last step the last.
    options.allPages = false;
    for (const auto& [position, interval] : {std::pair{0, "0.4500"}, std::pair{9, "0.3500"}}) {
        session.scrollBar2.position = position;
        const ReportPage page = pages()[0];
        EXPECT_NE(page.texts[2].text.find("interval " + std::string(interval)), std::string::npos)
            << page.texts[2].text;
    }
}

TEST_F(ResultPages, TrainsPrintTheirCaptureCount)
{
    m->stimulationMode = 0;
    fillResults(1, 8);
    results->ScanStepRecords[1] = {0.2, 7.0, 1.0, 1.0};
    results->captureCodeCount = 2;
    const ReportPage page = pages()[0];
    EXPECT_NE(findText(page, "<<Train>>"), nullptr);
    EXPECT_NE(findText(page, "Stimulus capture 2 / 3 times at site7"), nullptr);
    EXPECT_NE(findText(page, " coupling interval of first beat = 0.2000 sec"), nullptr);
    results->captureCodeCount = 0;
    EXPECT_NE(findText(pages()[0], " No Stimulus capture at site7"), nullptr);
}

TEST_F(ResultPages, BlocksCarryTimesMarksErpsAndIntervalsInTheirColours)
{
    session.displayErp = 1;
    fillResults(1, 2);
    m->stimulusSite = 5;
    const std::pair<double, std::pair<const char*, Rgb>> marks[] = {
        {1.0, {" >>>", 0x000000}}, {2.0, {" <--", 0xFF0000}}, {3.0, {"[[S]]", 0x800000}},
        {5.0, {" <O>", 0x800000}}, {6.0, {" <D>", 0x800000}}, {7.0, {" <Q>", 0x800000}},
        {0.0, {"???", 0x800000}},  {4.0, {"???", 0x800000}},
    };
    for (const auto& [code, mark] : marks) {
        results->SiteActivation[1][3][2].code = code;
        const ReportPage page = pages()[0];
        const auto at = std::find_if(page.texts.begin(), page.texts.end(), [&](const ReportText& t) {
            return t.x == kX0 + 3 * kColumn && t.y == (1 + 14) * kLine;  // revolution 2's mark line
        });
        ASSERT_NE(at, page.texts.end());
        EXPECT_EQ(at->text, mark.first) << code;
        EXPECT_EQ(at->colour, mark.second) << code;
    }
    const ReportPage page = pages()[0];
    auto textAt = [&](int column, int line) {
        for (const ReportText& t : page.texts)
            if (t.x == kX0 + column * kColumn && t.y == (1 + line) * kLine)
                return t;
        return ReportText{};
    };
    // Revolution 1: lines 8 to 11 with no R-R; revolution 2: lines 13 to 16.
    EXPECT_EQ(textAt(0, 8).text, "Time");
    EXPECT_EQ(textAt(0, 10).text, "ERP");
    EXPECT_EQ(textAt(4, 8).text, "0.304");
    EXPECT_EQ(textAt(4, 10).text, "0.200");
    EXPECT_EQ(textAt(4, 11).text, "");
    EXPECT_EQ(textAt(4, 16).text, "0.300");
    EXPECT_EQ(textAt(4, 16).colour, 0x000000u);
    // The QRS reference (site 1) green, the step's stimulus site purple.
    EXPECT_EQ(textAt(1, 16).colour, 0x008000u);
    EXPECT_EQ(textAt(5, 16).colour, 0x800080u);
    EXPECT_EQ(textAt(5, 7).text, "site5");
    EXPECT_EQ(textAt(5, 7).colour, 0x800080u);
}

TEST_F(ResultPages, WithoutResultsBothResultSectionsSaySoOnOnePage)
{
    options.ecg = true;
    const std::vector<ReportPage> p = pages();
    ASSERT_EQ(p.size(), 2u);
    for (const ReportPage& page : p) {
        EXPECT_NE(findText(page, "No calculation has been made."), nullptr);
        EXPECT_TRUE(page.wedges.empty());
    }
}

TEST_F(ResultPages, TheEcgPageTurnsTheStripAQuarterTurn)
{
    options = {false, false, false, false, true, false, true};
    fillResults(2, 3);
    for (int site = 1; site <= m->totalSiteCount; ++site)
        results->SiteActivation[2][site][1].time = 0.0;  // not activated: no mark at 0 ms
    results->SiteActivation[2][1][1].time = 0.0;         // site 1 starts the wavefront at 0
    m->ecgChannelSite[1] = 4;
    m->ecgChannelSite[2] = 1;
    session.scrollBar2.position = 2;
    session.scrollBar3.position = 5;  // 400 pixels of 5 ms: 0 to 2 s
    session.caliperCount = 1;
    session.caliperMarks[0] = {100.0, 0.5, 160.0, 0.25, 300};
    const std::vector<ReportPage> p = pages();
    ASSERT_EQ(p.size(), 1u);
    const ReportPage& page = p[0];

    const int mx = kPage.PW / 20, my = kPage.PH / 20;
    const int H = kPage.PH - 2 * my, y0 = kPage.PH - my - my / 3;
    const int span = kPage.PW - 2 * mx;
    auto wedgesAt = [&](int channel) {
        std::vector<int> ys;
        for (const ReportWedge& w : page.wedges)
            if (w.x == mx + (channel + 1) * span / 18)
                ys.push_back(w.y);
        return ys;
    };
    auto yOf = [&](int site, int rev) {
        const int ms = static_cast<int>(results->SiteActivation[2][site][rev].time * 1000.0);
        return y0 - static_cast<int>(std::lround(ms * static_cast<double>(H) / 2000));
    };
    // Channel 1 (site 4): about 0.604 s and 0.904 s lie within 2 s, 0 ms is not shown.
    EXPECT_EQ(wedgesAt(1), (std::vector<int>{yOf(4, 2), yOf(4, 3)}));
    // Channel 2 (site 1) shows its start at 0 ms; the QRS channel 0 is site 1 too.
    EXPECT_EQ(wedgesAt(2).front(), y0);
    EXPECT_EQ(wedgesAt(0).size(), 3u);
    // Turned texts: the labels below the strip, read from the bottom up, and "font2".
    const ReportText* label = findText(page, "S-4");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->turned);
    EXPECT_TRUE(label->outlined);
    EXPECT_EQ(label->face, ReportFace::Arial);
    EXPECT_GT(label->y, y0);
    EXPECT_TRUE(findText(page, "noname [now]")->turned);
    // The caliper: lines across the channels at 0.5 s and 0.8 s, its interval beside the bar.
    const int yLeft = y0 - 100 * H / 400, yRight = y0 - 160 * H / 400;
    auto across = [&](int y) {
        return std::count_if(page.lines.begin(), page.lines.end(), [&](const ReportLine& l) {
            return l.y1 == y && l.y2 == y && l.x1 == mx && l.x2 == mx + span && l.colour == 0x0000FF;
        });
    };
    EXPECT_EQ(across(yLeft), 1);
    EXPECT_EQ(across(yRight), 1);
    EXPECT_NE(findText(page, "300"), nullptr);
    // The time scale: a tick every 10 ms, 200 of them over 2 s, seconds beside some.
    EXPECT_NE(findText(page, "1.000"), nullptr);
}
