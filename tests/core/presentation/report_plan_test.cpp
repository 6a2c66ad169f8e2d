#include "presentation/report_plan.h"

#include "model/circuit_construction.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorel;

namespace {

// A page whose fractions divide evenly: PH/50 = 132, PH/65 = 101, PH/40 = 165, PH/68 = 97.
constexpr ReportPageSize kPage{4800, 6600};

struct ReportFixture : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    SessionState session;
    ReportOptions options;

    ReportPlan plan(ReportCircuitPicture picture = {})
    {
        const ReportInput input{*m, *results, session, options, "/data/vt/case1.cir", "02/01/2024 03:04:05",
                                0,  400,      picture};
        return planReport(input, kPage);
    }
    void only(bool ReportOptions::*section)
    {
        options = {false, false, false, false, false, false, false};
        options.*section = true;
    }
    void resize(int inner)
    {
        m->innerSiteCount = inner;
        refreshDerivedModel(*m);
    }
};

const ReportText* findText(const ReportPage& page, const std::string& text)
{
    for (const ReportText& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

bool hasTextStarting(const ReportPage& page, const std::string& start)
{
    return std::any_of(page.texts.begin(), page.texts.end(),
                       [&](const ReportText& t) { return t.text.rfind(start, 0) == 0; });
}

}  // namespace

TEST_F(ReportFixture, SectionsFollowInOrderEachOnPagesOfItsOwn)
{
    options = {true, true, true, true, true, false, false};
    const ReportPlan all = plan();
    std::vector<ReportSection> sections;
    for (const ReportPage& page : all.pages)
        sections.push_back(page.section);
    EXPECT_EQ(
        sections,
        (std::vector<ReportSection>{ReportSection::Description, ReportSection::Parameters,
                                    ReportSection::Remarks, ReportSection::ResultSheet, ReportSection::Ecg}));
    only(&ReportOptions::ecg);
    EXPECT_EQ(plan().pages.size(), 1u);
    options = {false, false, false, false, false, false, false};
    EXPECT_TRUE(plan().pages.empty());
}

TEST_F(ReportFixture, NamesAndTheHeaderOnEveryPageButTheEcgPage)
{
    EXPECT_EQ(reportJobName(""), "Quorel < noname >");
    EXPECT_EQ(reportJobName("/data/vt/case1.cir"), "Quorel < case1.cir >");
    EXPECT_EQ(reportPageHeader("/data/vt/case1.cir", "02/01/2024 03:04:05"),
              "case1.cir [02/01/2024 03:04:05]");

    options = {true, true, true, true, false, false, false};
    for (const ReportPage& page : plan().pages) {
        const ReportText* header = findText(page, "case1.cir [02/01/2024 03:04:05]");
        ASSERT_NE(header, nullptr);
        // Right-aligned: the painter measures it on the page's own device.
        EXPECT_EQ(header->along, AlongAnchor::End);
        const int margin =
            page.section == ReportSection::Description || page.section == ReportSection::Remarks
            ? kPage.PW / 15
            : kPage.PW / 20;
        EXPECT_EQ(header->x, kPage.PW - margin);
        // It gives way to the page's title on the same line.
        ASSERT_GE(header->keepRightOf, 0);
        EXPECT_EQ(page.texts[static_cast<size_t>(header->keepRightOf)].text.substr(0, 2), "<<");
        EXPECT_EQ(page.texts[static_cast<size_t>(header->keepRightOf)].y, header->y);
    }
}

TEST_F(ReportFixture, FiftyParameterRowsFitOnePageAndFiftyOneNeedTwo)
{
    only(&ReportOptions::parameters);
    resize(41);  // 41 + 8 + 1 = 50 sites
    ASSERT_EQ(m->totalSiteCount, 50);
    ReportPlan one = plan();
    ASSERT_EQ(one.pages.size(), 1u);
    // Row 50 stands on line 54, the legend below the table ends on line 60.
    const int lh = kPage.PH / 65;
    EXPECT_EQ(findText(one.pages[0], parameterRowLabel(*m, 50))->y, (1 + 54) * lh);
    EXPECT_EQ(findText(one.pages[0], "C.T. : conduction time(s)")->y, (1 + 60) * lh);

    resize(42);
    ASSERT_EQ(m->totalSiteCount, 51);
    ReportPlan two = plan();
    ASSERT_EQ(two.pages.size(), 2u);
    const ReportPage& second = two.pages[1];
    EXPECT_NE(findText(second, "<< Parameters >>"), nullptr);
    EXPECT_NE(findText(second, "C.V."), nullptr);
    EXPECT_EQ(findText(second, "from site 51 to 10")->y, (1 + 5) * lh);
    EXPECT_TRUE(hasTextStarting(second, "estimated VT cycle length = "));
    EXPECT_EQ(findText(second, "C.T. : conduction time(s)")->y, (1 + 11) * lh);
    // Rules of a one-row page: three across, seven down, from line 4 to the row's end.
    EXPECT_EQ(second.lines.size(), 3u + 8u);
}

TEST_F(ReportFixture, ParameterRowLabelsFollowTheFirstRuleThatMatches)
{
    m->hasDelayPath = 1;
    m->delaySegmentCount = 3;
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 2;
    m->deadEnd1Site = 5;
    m->hasDeadEnd2 = 1;
    m->deadEnd2SegmentCount = 2;
    m->deadEnd2Site = 15;
    refreshDerivedModel(*m);
    ASSERT_EQ(m->qrsSite, 32);
    const std::pair<int, const char*> rows[] = {
        {5, "from site 5 to 6"},
        {10, "from site 10 to 11 ( enter common path )"},
        {21, "from site 1 to site22 ( to outer loop )"},
        {26, "from site 26 to 27 ( enter scar )"},
        {29, "from site 29 to 10"},
        {30, "from site 1 to site30 in path to QRS onset"},
        {32, "from site 31 to 32 ( QRS )"},
        {33, "from site 5 to dead-end pathway site 33"},
        {34, "from site 33 to 34 ( dead end )"},
        {35, "from site 15 to 2nd dead-end path site 35"},
        {36, "from site 35 to 36 ( 2nd dead end )"},
    };
    for (const auto& [row, label] : rows)
        EXPECT_EQ(parameterRowLabel(*m, row), label) << row;
}

TEST_F(ReportFixture, AScalingFactorAboveZeroIsPrintedRed)
{
    only(&ReportOptions::parameters);
    sf(*m, 3) = 0.25;
    sf(*m, 4) = 0.0;
    const ReportPage page = plan().pages[0];
    const int lh = kPage.PH / 65;
    const int sfColumn = kPage.PW / 20 + 8 * ((kPage.PW - kPage.PW / 20) * 5 / 61);
    auto sfText = [&](int row) {
        for (const ReportText& t : page.texts)
            if (t.x == sfColumn && t.y == (1 + 4 + row) * lh)
                return t;
        return ReportText{};
    };
    EXPECT_EQ(sfText(3).text, "0.2500");
    EXPECT_EQ(sfText(3).colour, 0xFF0000u);
    EXPECT_EQ(sfText(4).text, "0.0000");
    EXPECT_EQ(sfText(4).colour, 0x000000u);
}

TEST_F(ReportFixture, DescriptionPrintsThePathLinesOnlyForChosenPathsAndCopiesThePicture)
{
    only(&ReportOptions::description);
    ReportPage page = plan().pages[0];
    EXPECT_NE(findText(page, "site10 is an entrance to the common pathway in the fiure8"), nullptr);
    EXPECT_FALSE(hasTextStarting(page, "sites31 to site"));
    EXPECT_TRUE(page.rects.empty());

    m->hasDelayPath = 1;
    m->delaySegmentCount = 2;
    refreshDerivedModel(*m);
    ReportCircuitPicture picture;
    picture.width = 400;
    picture.height = 300;
    picture.siteCount = m->totalSiteCount;
    picture.sites[2] = {100, 150};
    page = plan(picture).pages[0];
    const int lh = kPage.PH / 50;
    EXPECT_EQ(findText(page, "site31 is at the QRS onset 2.0000cm from site1")->y, (2 + 11) * lh);
    EXPECT_EQ(findText(page, "sites30 to site31 are between the circuit exit and the QRS onset")->y,
              (2 + 12) * lh);
    // Sites 2..N get squares, site 1 none; site 2 scaled by (PW - 2 PW/15) / 400 and
    // (PH - 30 PH/50) / 300 below 28 lines.
    ASSERT_EQ(page.rects.size(), static_cast<size_t>(m->totalSiteCount - 1));
    const ReportRect square = page.rects[0];
    EXPECT_EQ(square.left, 1040 - 26);
    EXPECT_EQ(square.right, 1040 + 145);
    EXPECT_EQ(square.top, 1320 + 28 * lh - 26);
    const ReportText* number = findText(page, "2");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->colour, 0xFFFFFFu);
    EXPECT_EQ(number->x, 1040);
}

TEST_F(ReportFixture, RemarksCiteTheConstantsWithTheirDigitsAndContinueALongMemo)
{
    only(&ReportOptions::remarks);
    ReportPage page = plan().pages[0];
    EXPECT_NE(findText(page, "       U5= 0.38     U6= 0.12     U7= 0.097     U8= 1.46"), nullptr);
    const int lh = kPage.PH / 40;
    EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(), [&](const ReportText& t) {
        return t.y == (2 + 13) * lh && t.text.find("1983") != std::string::npos;
    }));
    EXPECT_FALSE(hasTextStarting(page, " Stimulus site is outside inner loop"));

    // Lines 23 to 37 take memo lines; the closing rule of a memo of 15 lines goes on.
    session.memoLines.assign(14, "note");
    ASSERT_EQ(plan().pages.size(), 1u);
    session.memoLines.assign(15, "note");
    const ReportPlan two = plan();
    ASSERT_EQ(two.pages.size(), 2u);
    EXPECT_EQ(findText(two.pages[0], "note")->y, (2 + 23) * lh);
    EXPECT_EQ(two.pages[1].texts.back().text, std::string(70, '*'));
    EXPECT_EQ(two.pages[1].texts.back().y, (2 + 2) * lh);
    EXPECT_NE(findText(two.pages[1], "<< Remarks >>"), nullptr);

    m->stimulusSite = m->innerSiteCount + 3;  // on the outer loop
    session.memoLines.clear();
    EXPECT_NE(findText(plan().pages[0], " Stimulus site is outside inner loop "), nullptr);
}

TEST(ReportMemo, LongLinesWrapAtABlankAndLoseNothing)
{
    std::string words = "word0";
    for (int i = 1; i < 30; ++i)
        words += " word" + std::to_string(i);
    const std::vector<std::string> lines = reportMemoLines({"", words, std::string(150, 'x'), "a\tb"});
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "");
    std::string joined;
    size_t i = 1;
    for (; lines[i][0] == 'w'; ++i) {
        EXPECT_LE(lines[i].size(), 70u);
        joined += (joined.empty() ? "" : " ") + lines[i];
    }
    EXPECT_GT(i, 2u);
    EXPECT_EQ(joined, words);
    EXPECT_EQ(lines[i], std::string(70, 'x'));
    EXPECT_EQ(lines[i + 2], std::string(10, 'x'));
    EXPECT_EQ(lines[i + 3], "a       b");
    // A character of several bytes is never split.
    const std::vector<std::string> umlauts = reportMemoLines({std::string(71, 'a') + "\xC3\xA4"});
    EXPECT_EQ(umlauts[1], "a\xC3\xA4");
}
