#include "presentation/history_restore.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

struct HistoryRestoreFixture : ::testing::Test {
    CircuitModel m;
    SessionState session;
    ParameterForm form{m, session};
    void SetUp() override { form.runStartup(); }
};

}  // namespace

TEST_F(HistoryRestoreFixture, TrainRowSetsItsBoxesAndLeavesTheDecrement)
{
    m.scanDecrementMs = 30;
    const HistoryRow train{"2026/12/07 10:00:00", "Train", "5", "12", "", "7", "0.2500", "0.1800"};
    const EntryOutcome outcome = restoreHistoryRow(form, train);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(m.stimulationMode, 0);
    EXPECT_TRUE(form.radioChecked(10));
    EXPECT_EQ(m.stimulusSite, 5);
    EXPECT_EQ(m.revolutionCount, 12);   // the train's stimulus count + 5
    EXPECT_EQ(m.trainStimulusCount, 7);
    EXPECT_EQ(m.pacingCycleLength, 0.25);
    EXPECT_EQ(m.firstCouplingInterval, 0.18);
    EXPECT_EQ(m.scanDecrementMs, 30);
    EXPECT_EQ(form.boxText(23), "0.25");
    EXPECT_EQ(form.boxText(21), "7");
    EXPECT_EQ(m.ecgChannelColour[3], 0xFFFF00u);   // channel on site 1: the reference site
}

TEST_F(HistoryRestoreFixture, SingleRowSetsOneStimulusAndLeavesTheTrain)
{
    form.selectRadio(10);
    m.pacingCycleLength = 0.4;
    m.firstCouplingInterval = 0.3;
    const HistoryRow single{"t", "Single", "25", "30", "10", "1", "", ""};
    EXPECT_TRUE(restoreHistoryRow(form, single).accepted);
    EXPECT_EQ(m.stimulationMode, 1);
    EXPECT_EQ(m.stimulusSite, 25);
    EXPECT_EQ(m.stimulusSiteWarning, 1);   // an outer-loop stimulus is warned about at once
    EXPECT_EQ(m.revolutionCount, 30);
    EXPECT_EQ(m.scanDecrementMs, 10);
    EXPECT_EQ(form.boxText(25), "10");
    EXPECT_EQ(m.trainStimulusCount, 1);
    EXPECT_EQ(m.pacingCycleLength, 0.4);
    EXPECT_EQ(m.firstCouplingInterval, 0.3);
}

TEST_F(HistoryRestoreFixture, BadCellStopsWithTheMessageAndKeepsWhatCameBefore)
{
    const HistoryRow damaged{"t", "Single", "4", "9", "x5", "1", "", ""};
    const EntryOutcome outcome = restoreHistoryRow(form, damaged);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.error, "'x5' is not a valid floating point value");
    EXPECT_EQ(m.stimulusSite, 4);
    EXPECT_EQ(m.revolutionCount, 9);
    EXPECT_EQ(m.scanDecrementMs, 50);
}

TEST_F(HistoryRestoreFixture, ValuesPassThroughTheEntryLimits)
{
    const HistoryRow row{"t", "Single", "2", "45", "", "1", "", ""};
    EXPECT_TRUE(restoreHistoryRow(form, row).accepted);
    EXPECT_EQ(m.revolutionCount, 30);
    EXPECT_EQ(form.boxText(20), "30");
}

TEST_F(HistoryRestoreFixture, SiteOutsideThePresentCircuitIsRefused)
{
    const HistoryRow row{"t", "Single", "40", "9", "", "1", "", ""};
    const EntryOutcome outcome = restoreHistoryRow(form, row);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.error, "site40 is not in the present circuit");
    EXPECT_EQ(m.stimulusSite, 1);
    EXPECT_EQ(m.revolutionCount, 5);
}
