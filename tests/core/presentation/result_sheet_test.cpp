#include "presentation/result_messages.h"
#include "presentation/result_sheet.h"

#include "model/circuit_construction.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

struct ResultSheetFixture : ::testing::Test {
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();

    std::string cell(const ResultSheetLayout& layout, int column, int row, int step = 2)
    {
        return resultCellText(*m, *results, layout, step, column, row, true);
    }
};

}  // namespace

TEST_F(ResultSheetFixture, LayoutOfBothModes)
{
    auto all = resultSheetLayout(*m, 5, false);
    EXPECT_EQ(all.columnCount, 32);
    EXPECT_EQ(all.rowCount, 16);
    EXPECT_EQ(all.fusionColumn, 30);
    EXPECT_EQ(resultColumnWidth(all, 0, false), 32);
    EXPECT_EQ(resultColumnWidth(all, 29, false), 35);
    EXPECT_EQ(resultColumnWidth(all, 31, false), 42);
    EXPECT_EQ(resultColumnWidth(all, 31, true), 39);

    m->displayAllSites = 1;
    m->displayedSites[1] = 7;
    m->displayedSites[2] = 7;   // the same site may stand in two columns
    auto selected = resultSheetLayout(*m, 10, true);
    EXPECT_EQ(selected.columnCount, 13);
    EXPECT_EQ(selected.rowCount, 41);
    EXPECT_EQ(selected.antidrColumn, 12);
    EXPECT_EQ(cell(selected, 1, 0), "7");
    EXPECT_EQ(cell(selected, 2, 0), "7");
    EXPECT_EQ(cell(selected, 11, 0), "Fusion");
    EXPECT_EQ(cell(selected, 12, 0), "Antidr");
}

TEST_F(ResultSheetFixture, RevolutionBlocksWithAndWithoutErpRows)
{
    results->SiteActivation[2][4][1] = {0.35, 1.0, 0.2};
    results->SiteActivation[2][4][2] = {0.338, 3.0, 0.19};
    results->RevolutionIndices[2][2] = {0.5, 0.25};

    for (bool erpRows : {false, true}) {
        const auto layout = resultSheetLayout(*m, 3, erpRows);
        const int k = layout.rowsPerRevolution;
        // Revolution 2 starts at row k + 1.
        EXPECT_EQ(cell(layout, 0, 1), "1");
        EXPECT_EQ(cell(layout, 0, k + 1), "2");
        EXPECT_EQ(cell(layout, 4, 1), "0.350");
        EXPECT_EQ(cell(layout, 4, 2), "1");
        EXPECT_EQ(cell(layout, 4, k), "");                 // no R-R in revolution 1
        EXPECT_EQ(cell(layout, 4, 2 * k), "-0.012");       // whatever the stored times are
        EXPECT_EQ(cell(layout, 0, 2 * k), "R-R");
        EXPECT_EQ(cell(layout, layout.fusionColumn, k + 2), "0.500");
        EXPECT_EQ(cell(layout, layout.antidrColumn, k + 2), "0.250");
        EXPECT_EQ(cell(layout, layout.fusionColumn, k + 1), "");
        if (erpRows) {
            EXPECT_EQ(cell(layout, 0, 3), "ERP");
            EXPECT_EQ(cell(layout, 4, k + 3), "0.190");
        }
    }
    const auto layout = resultSheetLayout(*m, 3, false);
    EXPECT_EQ(resultCellText(*m, *results, layout, 2, 4, 1, false), "");   // nothing run yet
    EXPECT_EQ(resultCellText(*m, *results, layout, 2, 0, 1, false), "1");
}

TEST_F(ResultSheetFixture, CodeRowsShowMarksOnTheirColours)
{
    const auto layout = resultSheetLayout(*m, 2, false);
    struct Case { const char* text; const char* mark; Rgb markColour; Rgb background; };
    const Case cases[] = {
        {"1", " >>>", 0x0000FF, 0xCCFFCC}, {"2", " <<<", 0xFF0000, 0xFFCCCC},
        {"3", " <S>", 0xFF00FF, 0xFFFF00}, {"5", " <O>", 0x008000, 0xFFCCFF},
        {"6", " <D>", 0x008000, 0xFFCCFF}, {"7", " <Q>", 0x008000, 0xFFCCFF},
        {"0", "", 0x000000, 0xFFFFCC},
    };
    for (const Case& c : cases) {
        const auto style = resultCellStyle(*m, layout, 3, 5, c.text, false);
        EXPECT_EQ(style.mark, c.mark) << c.text;
        EXPECT_FALSE(style.drawText);
        EXPECT_EQ(style.background, c.background) << c.text;
        if (*c.mark) {
            EXPECT_EQ(style.markColour, c.markColour) << c.text;
        }
    }
}

TEST_F(ResultSheetFixture, FontsFollowTheValue)
{
    const auto layout = resultSheetLayout(*m, 2, true);
    auto zero = resultCellStyle(*m, layout, 3, 1, "0.000", false);
    EXPECT_EQ(zero.textColour, 0x0000FFu);
    EXPECT_EQ(zero.fontSize, 10);
    EXPECT_EQ(zero.background, 0xFF9999u);
    auto negative = resultCellStyle(*m, layout, 3, 8, "-0.012", false);
    EXPECT_EQ(negative.textColour, 0xFF0000u);
    EXPECT_EQ(negative.fontSize, 8);
    EXPECT_EQ(negative.background, 0xCCFFFFu);
    auto large = resultCellStyle(*m, layout, 3, 1, "10.250", true);
    EXPECT_EQ(large.textColour, 0x000000u);
    EXPECT_EQ(large.fontSize, 6);
    auto erpRow = resultCellStyle(*m, layout, 3, 3, "0.200", true);
    EXPECT_EQ(erpRow.fontSize, 8);
    EXPECT_EQ(erpRow.background, 0xDDDDFFu);
}

TEST_F(ResultSheetFixture, HeadersHighlightTheTellingSites)
{
    m->stimulusSite = 5;
    const auto layout = resultSheetLayout(*m, 2, false);
    for (int site : {1, 5, 21})
        EXPECT_EQ(resultCellStyle(*m, layout, site, 0, std::to_string(site), false).textColour, 0x0000FFu)
            << site;
    EXPECT_EQ(resultCellStyle(*m, layout, 4, 0, "4", false).textColour, 0x000000u);
    EXPECT_EQ(resultCellStyle(*m, layout, 5, 0, "5", false).background, 0xFF0000u);   // stimulus site
    EXPECT_EQ(resultCellStyle(*m, layout, 1, 0, "1", false).background, 0xFFFF00u);   // reference site
    const auto fusion = resultCellStyle(*m, layout, layout.fusionColumn, 0, "Fusion", false);
    EXPECT_TRUE(fusion.menuBackground);
    EXPECT_TRUE(fusion.summaryGreen);
    EXPECT_TRUE(resultCellStyle(*m, layout, 0, 4, "2", false).menuBackground);

    // With a delay path the QRS site is the reference and the closing node is plain.
    m->hasDelayPath = 1;
    m->delaySegmentCount = 3;
    rebuildCircuit(*m);
    const auto withDelay = resultSheetLayout(*m, 2, false);
    EXPECT_EQ(resultCellStyle(*m, withDelay, 32, 0, "32", false).textColour, 0x0000FFu);
    EXPECT_EQ(resultCellStyle(*m, withDelay, 21, 0, "21", false).textColour, 0x000000u);
}

TEST(ResultMessages, CaptureNoCaptureAndTrains)
{
    EXPECT_EQ(singleStimulusMessages(true, 0.45265482457436694, 0.25132741228718347, 5, "").LabelRes1,
              "Stimulus capture at coupling interval 0.4527 (0.2013) sec at site5");
    ScanStepRecord record{0.30265482457436694, 5.0, -1.0, 0.0};
    auto browsed = storedStepMessages(record, 0.25132741228718347, true);
    EXPECT_EQ(browsed.LabelRes1, "No stimulus capture at coupling interval 0.3027 (0.0513) sec at site5");
    EXPECT_EQ(browsed.LabelRes2, "");
    EXPECT_EQ(browsed.captureLamp, 0);
    record.captured = 1.0;
    browsed = storedStepMessages(record, 0.25132741228718347, true);
    EXPECT_EQ(browsed.LabelRes2, "antidromic activation does not include sties past1");
    EXPECT_EQ(browsed.captureLamp, 1);

    auto train = trainMessages(0, 5, 7, 0.2);
    EXPECT_EQ(train.LabelRes1, "No stimulus capture at site7");
    EXPECT_EQ(train.LabelRes2, " coupling interval of first beat = 0.2000 sec");
    train = trainMessages(3, 5, 7, 0.2);
    EXPECT_EQ(train.LabelRes1, "Stimulus capture 3 / 5 times at site7");
    EXPECT_EQ(designTimeMessages().LabelRes1, "Click <Calculation> button");
}

TEST(ResultMessages, AStoredTrainSpeaksOfItsOwnRunNotOfTheProtocolNow)
{
    auto results = createRunResults();
    results->scanCount = 1;
    results->shownRevolutionCount = 12;   // a train of 7 stimuli
    results->captureCodeCount = 4;
    results->ScanStepRecords[1] = {0.23, 9.0, 1.0, 1.0};
    auto shown = storedTrainMessages(*results);
    EXPECT_EQ(shown.LabelRes1, "Stimulus capture 4 / 7 times at site9");
    EXPECT_EQ(shown.LabelRes2, " coupling interval of first beat = 0.2300 sec");
    EXPECT_EQ(shown.captureLamp, 1);

    results->captureCodeCount = 0;
    shown = storedTrainMessages(*results);
    EXPECT_EQ(shown.LabelRes1, "No stimulus capture at site9");
    EXPECT_EQ(shown.captureLamp, 0);
}

TEST_F(ResultSheetFixture, TheStepShownStaysWithinTheStepsHeld)
{
    EXPECT_FALSE(hasResults(*results));
    results->scanCount = 6;
    results->shownRevolutionCount = 5;
    EXPECT_TRUE(hasResults(*results));
    struct Case { int mode, position, step; };
    const Case cases[] = {{1, 4, 4}, {1, 9, 6}, {1, 0, 1}, {0, 4, 1}};
    for (const Case& c : cases) {
        m->stimulationMode = c.mode;
        EXPECT_EQ(resultSheetStep(*m, *results, c.position), c.step) << c.mode << " " << c.position;
    }
}
