#include "persistence/memo_history_files.h"
#include "persistence_test_support.h"

#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::testing;

namespace {

HistoryRow trainRow()
{
    return {"2024/06/11 10:15:02", "Train", "3", "10", "", "5", "0.3000", "0.2000"};
}

HistoryRow singleRow()
{
    return {"2024/06/11 10:20:40", "Single", "1", "5", "50", "1", "", ""};
}

}  // namespace

TEST(MemoFile, LinesComeBackAsTheyWere)
{
    const std::vector<std::string> memo = {"Patient 12, VT 2", "", "  indented, with a comma", ""};
    const std::string text = formatMemoFile(memo);
    EXPECT_EQ(text, "Patient 12, VT 2\r\n\r\n  indented, with a comma\r\n\r\n");
    EXPECT_EQ(parseMemoFile(text), memo);
    // A memo edited elsewhere with bare line feeds and no final line end reads alike.
    EXPECT_EQ(parseMemoFile("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(parseMemoFile("").empty());
}

TEST(HistoryFile, CountThenEightLinesPerRow)
{
    StimulationHistory history;
    history.rows = {trainRow(), singleRow()};
    const auto lines = linesOf(formatHistoryFile(history));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "2");
    EXPECT_EQ(lines[1], "2024/06/11 10:15:02");
    EXPECT_EQ(lines[2], "Train");
    EXPECT_EQ(lines[5], "");       // "dec." of a train
    EXPECT_EQ(lines[7], "0.3000");
    EXPECT_EQ(lines[8], "0.2000");
    EXPECT_EQ(lines[10], "Single");
    EXPECT_EQ(lines[16], "");

    StimulationHistory read;
    ASSERT_FALSE(parseHistoryFile(formatHistoryFile(history), read));
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0].time, trainRow().time);
    EXPECT_EQ(read.rows[0].stimuli, "5");
    EXPECT_EQ(read.rows[1].decrement, "50");
    EXPECT_EQ(read.rows[1].couplingInterval, "");
}

TEST(HistoryFile, IntervalsAreShownWithFourDecimalsAfterLoading)
{
    const std::string text = joinLines({"1", "t", "Train", "1", "10", "", "5", "0.3", ""});
    StimulationHistory history;
    ASSERT_FALSE(parseHistoryFile(text, history));
    EXPECT_EQ(history.rows.at(0).pacingCycleLength, "0.3000");
    EXPECT_EQ(history.rows.at(0).couplingInterval, "");
    EXPECT_EQ(historyIntervalText("0.12345"), "0.1235");
    EXPECT_EQ(historyIntervalText("1"), "1.0000");
    EXPECT_EQ(historyIntervalText("  "), "");
    EXPECT_FALSE(historyIntervalText("0,3"));
}

TEST(HistoryFile, DamagedFilesAreRefusedAndTheListKept)
{
    struct Case {
        std::vector<std::string> lines;
        int line;
        const char* detail;
    };
    const Case cases[] = {
        {{}, 1, "ends before the number of rows"},
        {{"two"}, 1, "not a whole number"},
        {{"-1"}, 1, "outside 0 to"},
        {{"2", "t", "Train", "1", "10", "", "5", "0.3", "0.2", "t2", "Single"}, 12,
         "\"site\" text of row 2 of 2"},
        {{"1", "t", "Train", "1", "10", "", "5", "abc", ""}, 8, "\"S1-S1\" text \"abc\""},
        {{"1", "t", "Train", "1", "10", "", "5", "0.3", "0.2x"}, 9, "\"R-S1\""},
    };
    for (const Case& c : cases) {
        StimulationHistory history;
        history.rows = {singleRow()};
        const auto problem = parseHistoryFile(joinLines(c.lines), history);
        ASSERT_TRUE(problem) << c.detail;
        EXPECT_EQ(problem->line, c.line) << problem->detail;
        EXPECT_NE(problem->detail.find(c.detail), std::string::npos) << problem->detail;
        ASSERT_EQ(history.rows.size(), 1u);
        EXPECT_EQ(history.rows[0].mode, "Single");
    }
}
