#include "persistence/keyword_file.h"
#include "persistence_test_support.h"
#include "result_set_fixture.h"

#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::testing;

TEST(KeywordFile, EntriesStandInTheirOrderWithOneBlockPerScanStep)
{
    ResultSet set = trainResultSet();
    set.results->shownRevolutionCount = 2;
    set.results->scanCount = 3;
    set.session.caliperCount = 1;
    const auto lines = linesOf(formatKeywordFile(*set.model, *set.results, set.session));
    // 65 fixed lines, one caliper line, 3 blocks of 2 x (29 + 1) + 1 lines.
    ASSERT_EQ(lines.size(), 65u + 1 + 3 * (2 * 30 + 1));
    const std::pair<int, const char*> expected[] = {
        {1, "STIMULUS-SITE"}, {2, "4"}, {3, "SINGLE-OR-TRAINS"}, {4, "0"},
        {5, "NUMBER-OF-REVOLUTION"}, {6, "7,2"}, {7, "SCAN-STIMULI-IN-DECREMENTS-OF"},
        {8, "20.000000"}, {9, "NUMBER-OF-STIMULI"}, {10, "5"}, {11, "PACING-CYCLE-LENGTH"},
        {12, "0.280000"}, {13, "COUPLING-INTERVAL-OF-FIRST-BEAT"}, {14, "0.210000"},
        {15, "**SET-CLOCK-(Q)-TO-SCAN-IN-INCREMENTS-OF"}, {16, "0.000500"},
        {17, "SITE-TO-BE-DISPLAYED(ALL-OR-SELECTED-10)"}, {18, "1"}, {19, "SITE"}, {20, "3"},
        {29, "12"}, {30, "SITE-TO-BE-DISPLAYED(EKG)"}, {31, "29"}, {46, "14"}, {47, "RESULT"},
        {48, "2,29,3"}, {49, "RESULT"},
        {50, "0.301000,3.000000,0.150008"},     // step 1, revolution 1, site 1
        {78, "0.329000,3.000000,0.150204"},     // site 29
        {79, "0.125000,-0.062500"},             // fusion index, antidromic fraction
        {80, "0.601000,5.000000,0.150009"},     // revolution 2, site 1
        {110, "0.210000,4.000000,1.000000,1.000000"},   // the step's summary
        {111, "0.000000,0.000000,0.000000"},    // step 2
        {233, "MOUSE-NUM"}, {234, "1"}, {235, "MOUSE-POSITION"},
        {236, "12.500000,0.250000,140.000000,0.750000,128"}, {237, "SCROLL-BAR4-MAX-POSITION"},
        {238, "30,4"}, {239, "SCROLL-BAR3-MAX-POSITION"}, {240, "10,6"},
        {241, "SCROLL-BAR2-MAX-POSITION"}, {242, "1,1"}, {243, "CHECKBOX6-flagSIZE"}, {244, "1"},
        {245, "CHECKBOX7-flagBCLEAR"}, {246, "0"}, {247, "CHECKBOX-ERP"}, {248, "1"},
        {249, "END-OF-DATA"}};
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines.at(static_cast<std::size_t>(line - 1)), text) << "line " << line;
}

TEST(KeywordFile, ParsedFileHoldsEveryValueAndCountsTheCaptures)
{
    ResultSet set = trainResultSet();
    const std::string text = formatKeywordFile(*set.model, *set.results, set.session);
    KeywordFileData data;
    ASSERT_FALSE(parseKeywordFile(text, 29, data));
    EXPECT_EQ(data.stimulusSite, 4);
    EXPECT_EQ(data.stimulationMode, 0);
    EXPECT_EQ(data.clockStep, 0.0005);
    EXPECT_EQ(data.displayedSites[10], 12);
    EXPECT_EQ(data.ecgChannelSite[16], 14);
    EXPECT_EQ(data.results->shownRevolutionCount, 10);
    EXPECT_EQ(data.results->scanCount, 1);
    EXPECT_EQ(data.results->SiteActivation[1][17][9].time, set.results->SiteActivation[1][17][9].time);
    EXPECT_EQ(data.caliperMarks[1].rightX, 260.25);
    EXPECT_EQ(data.caliperMarks[1].intervalMs, 60);
    const int captures = captureCodesOf(*set.results);
    ASSERT_GT(captures, 0);
    EXPECT_EQ(data.results->captureCodeCount, captures);
    EXPECT_EQ(data.results->captureLamp, 1);
    EXPECT_EQ(data.results->resultsLoaded, 1);

    // Without code 3 anywhere the lamp stays off.
    for (int rev = 1; rev <= 10; ++rev)
        for (int x = 1; x <= 29; ++x)
            if (set.results->SiteActivation[1][x][rev].code == 3.0)
                set.results->SiteActivation[1][x][rev].code = 1.0;
    KeywordFileData quiet;
    ASSERT_FALSE(parseKeywordFile(formatKeywordFile(*set.model, *set.results, set.session), 29, quiet));
    EXPECT_EQ(quiet.results->captureCodeCount, 0);
    EXPECT_EQ(quiet.results->captureLamp, 0);
}

// --- damaged files -----------------------------------------------------------------
// The train set's file: lines 47-49 the counts, 50-350 the one step block, 351-352 the
// caliper count, 354-355 the marks, 362-367 the flags, 368 END-OF-DATA.

struct BadKeywordFile {
    const char* name;
    std::string (*damage)(const std::string&);
    int line;
    int field;
    const char* detail;
};

class DamagedKeywordFile : public ::testing::TestWithParam<BadKeywordFile> {};

TEST_P(DamagedKeywordFile, IsRefusedWithItsPlace)
{
    const BadKeywordFile& bad = GetParam();
    ResultSet set = trainResultSet();
    const std::string text = formatKeywordFile(*set.model, *set.results, set.session);
    ASSERT_EQ(linesOf(text).size(), 368u);
    KeywordFileData data;
    const auto problem = parseKeywordFile(bad.damage(text), 29, data);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->line, bad.line) << problem->detail;
    EXPECT_EQ(problem->field, bad.field) << problem->detail;
    EXPECT_NE(problem->detail.find(bad.detail), std::string::npos) << problem->detail;
}

INSTANTIATE_TEST_SUITE_P(
    KeywordFile, DamagedKeywordFile,
    ::testing::Values(
        BadKeywordFile{"moreRevolutionsThanHeld",
                       [](const std::string& t) { return withField(t, 48, 1, "41"); }, 48, 1,
                       "outside 0 to 40"},
        BadKeywordFile{"moreScanStepsThanHeld",
                       [](const std::string& t) { return withField(t, 48, 3, "82"); }, 48, 3,
                       "outside 0 to 81"},
        BadKeywordFile{"otherSiteCount",
                       [](const std::string& t) { return withField(t, 48, 2, "30"); }, 48, 2,
                       "the circuit has 29"},
        BadKeywordFile{"moreCaliperMarksThanHeld",
                       [](const std::string& t) { return withLine(t, 352, "21"); }, 352, 1,
                       "outside 0 to 20"},
        BadKeywordFile{"countsDisagreeWithTheLines",
                       [](const std::string& t) { return withField(t, 48, 3, "2"); }, 351, 0,
                       "expected 3 values"},
        BadKeywordFile{"endMissing", [](const std::string& t) { return firstLines(t, 367); }, 368,
                       0, "ends before the keyword END-OF-DATA"},
        BadKeywordFile{"cutInTheResults", [](const std::string& t) { return firstLines(t, 200); },
                       201, 0, "ends before"},
        BadKeywordFile{"garbledTime",
                       [](const std::string& t) { return withField(t, 60, 1, "0.0x1"); }, 60, 1,
                       "not a number"},
        BadKeywordFile{"unknownActivationCode",
                       [](const std::string& t) { return withField(t, 60, 2, "4.500000"); }, 60, 2,
                       "not one of 0 to 7"},
        BadKeywordFile{"infiniteFusionIndex",
                       [](const std::string& t) { return withField(t, 80, 1, "inf"); }, 80, 1,
                       "not a finite number"},
        BadKeywordFile{"misspeltKeyword",
                       [](const std::string& t) { return withLine(t, 3, "SINGLE-OR-TRAIN"); }, 3, 0,
                       "expected the keyword SINGLE-OR-TRAINS"},
        BadKeywordFile{"stimulusSiteZero", [](const std::string& t) { return withLine(t, 2, "0"); },
                       2, 1, "the stimulus site is 0, outside 1 to 99"},
        BadKeywordFile{"displayedSiteBeyondTheRows",
                       [](const std::string& t) { return withLine(t, 20, "100"); }, 20, 1,
                       "displayed site 1 is 100, outside 1 to 99"},
        BadKeywordFile{"flagOfTwo", [](const std::string& t) { return withLine(t, 363, "2"); }, 363,
                       1, "CheckBox6"},
        BadKeywordFile{"zeroScanDecrement",
                       [](const std::string& t) { return withLine(t, 8, "0.000000"); }, 8, 1,
                       "above 0"},
        BadKeywordFile{"revolutionsAboveTheirBox",
                       [](const std::string& t) { return withField(t, 6, 1, "31"); }, 6, 1,
                       "outside 0 to 30"}),
    [](const ::testing::TestParamInfo<BadKeywordFile>& info) { return std::string(info.param.name); });
