#include "model/circuit_construction.h"
#include "model/table_edit.h"
#include "presentation/site_colour.h"
#include "presentation/table_cells.h"

#include <gtest/gtest.h>

using namespace quorel;

TEST(SegmentCellFill, HeaderRowDiffersBetweenTheEditableTableAndItsCopy)
{
    auto m = createModel();
    for (int c = 0; c < 7; ++c) {
        const CellFill expected = c >= 4 ? CellFill::colour(0xFFFFFF) : CellFill::menu();
        EXPECT_EQ(segmentCellFill(*m, SegmentGrid::SGDI, 0, c, "x"), expected) << c;
        EXPECT_EQ(segmentCellFill(*m, SegmentGrid::SGDI2, 0, c, "x"), CellFill::menu()) << c;
    }
}

TEST(SegmentCellFill, RowsTakeTheSiteColourPlainInSgdiHighlightedInSgdi2)
{
    auto m = createModel();
    m->stimulusSite = 5;
    for (int c : {0, 3, 4, 5}) {
        EXPECT_EQ(segmentCellFill(*m, SegmentGrid::SGDI, 5, c, "0.5"),
                  CellFill::colour(0xFFFFCC));
        EXPECT_EQ(segmentCellFill(*m, SegmentGrid::SGDI2, 5, c, "0.5"), CellFill::colour(kRed));
        EXPECT_EQ(segmentCellFill(*m, SegmentGrid::SGDI2, 1, c, "0.5"),
                  CellFill::colour(kYellow));
    }
}

TEST(SegmentCellFill, NonZeroScalingFactorIsHighlightedInBothTables)
{
    auto m = createModel();
    m->stimulusSite = 3;
    struct Case {
        const char* text;
        bool highlighted;
    };
    const Case cases[] = {{"0", false}, {"0.0", false}, {"", false}, {".", false},
                          {"0.5", true}, {"0.01", true}, {".3", true}, {"0.99", true}};
    for (const Case& k : cases) {
        for (SegmentGrid grid : {SegmentGrid::SGDI, SegmentGrid::SGDI2}) {
            const CellFill fill = segmentCellFill(*m, grid, 3, kColumnSf, k.text);
            const Rgb plain = grid == SegmentGrid::SGDI ? 0xFFFFCC : kRed;
            EXPECT_EQ(fill, CellFill::colour(k.highlighted ? kScalingFactorHighlight : plain))
                << k.text;
        }
        // Only the S.F. column looks at its value.
        EXPECT_EQ(segmentCellFill(*m, SegmentGrid::SGDI, 3, kColumnErp, k.text),
                  CellFill::colour(0xFFFFCC));
    }
}

TEST(CurveCellFill, HeadersAndPointNumbersOnMenuColourValuesWhite)
{
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(curveCellFill(0, c), CellFill::menu());
    for (int r = 1; r < 6; ++r) {
        EXPECT_EQ(curveCellFill(r, 0), CellFill::menu());
        for (int c = 1; c < 4; ++c)
            EXPECT_EQ(curveCellFill(r, c), CellFill::colour(0xFFFFFF));
    }
}

TEST(SegmentCellEditable, OnlyValueColumnsOfSegmentRows)
{
    auto m = createModel();   // 29 segment rows, row 30 is the empty last row
    for (int c = 0; c < 7; ++c) {
        EXPECT_FALSE(segmentCellEditable(*m, 0, c));
        EXPECT_EQ(segmentCellEditable(*m, 1, c), c >= 4) << c;
        EXPECT_EQ(segmentCellEditable(*m, 29, c), c >= 4) << c;
        EXPECT_FALSE(segmentCellEditable(*m, 30, c));
    }
}

TEST(RealKeyFilter, DigitsPointAndControlKeysOnly)
{
    for (char32_t k : {U'0', U'5', U'9', U'.', U'\b', U'\t', U'\r', U'\x1b', U'\x03', U'\x16',
                       char32_t{127}})
        EXPECT_TRUE(isRealKey(k)) << static_cast<unsigned>(k);
    for (char32_t k : {U'-', U'+', U'e', U'E', U',', U' ', U'a', U'/', U':', U'\u00e9'})
        EXPECT_FALSE(isRealKey(k)) << static_cast<unsigned>(k);
    EXPECT_TRUE(passesRealKeyFilter("0.25"));
    EXPECT_FALSE(passesRealKeyFilter("-0.25"));
    EXPECT_FALSE(passesRealKeyFilter("1e-2"));
    EXPECT_FALSE(passesRealKeyFilter("0,5"));
}

TEST(TabSeparated, ParsesSpreadsheetClipboardText)
{
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(parseTabSeparated(""), Rows{});
    EXPECT_EQ(parseTabSeparated("0.4"), (Rows{{"0.4"}}));
    EXPECT_EQ(parseTabSeparated("0.4\n0.3\n"), (Rows{{"0.4"}, {"0.3"}}));
    EXPECT_EQ(parseTabSeparated("0.4\t0.2\r\n0.3\t\r\n"), (Rows{{"0.4", "0.2"}, {"0.3", ""}}));
    EXPECT_EQ(parseTabSeparated("a\n\nb"), (Rows{{"a"}, {""}, {"b"}}));
    EXPECT_EQ(parseTabSeparated("\t\t"), (Rows{{"", "", ""}}));
}

TEST(TabSeparated, JoinsRowsAndRoundTrips)
{
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(tabSeparatedText({{"0.5"}}), "0.5");
    const Rows block = {{"from site 1 to 2", "0.0513", "0.5"}, {"from site 2 to 3", "", "0.4"}};
    const std::string text = tabSeparatedText(block);
    EXPECT_EQ(text, "from site 1 to 2\t0.0513\t0.5\nfrom site 2 to 3\t\t0.4\n");
    EXPECT_EQ(parseTabSeparated(text), block);
}

TEST(SegmentPaste, AColumnOfVelocitiesLandsInTheCvCells)
{
    auto m = createModel();
    const PastePlan plan = planSegmentPaste(*m, 3, kColumnCv, "0.4\r\n 0.3 \r\n\r\n0.45\r\n");
    ASSERT_FALSE(plan.error);
    ASSERT_EQ(plan.writes.size(), 3u);
    EXPECT_EQ(plan.writes[0].row, 3);
    EXPECT_EQ(plan.writes[1].row, 4);
    EXPECT_EQ(plan.writes[1].text, "0.3");
    EXPECT_EQ(plan.writes[2].row, 6);   // the empty line skips row 5
    for (const PasteWrite& w : plan.writes)
        EXPECT_EQ(w.column, kColumnCv);
    EXPECT_EQ(plan.outside, 0);
}

TEST(SegmentPaste, ValuesBeyondTheEditableCellsAreCounted)
{
    auto m = createModel();
    // Three columns from S.F. on: two fall right of the table; three rows from row 28 on:
    // row 30 is the empty last row.
    const PastePlan plan = planSegmentPaste(*m, 28, kColumnSf, "0.1\t1\t2\n0.2\t1\t2\n0.3\n");
    ASSERT_FALSE(plan.error);
    ASSERT_EQ(plan.writes.size(), 2u);
    EXPECT_EQ(plan.writes[0].row, 28);
    EXPECT_EQ(plan.writes[1].row, 29);
    EXPECT_EQ(plan.outside, 5);
    EXPECT_EQ(pasteOutsideMessage(5),
              "5 values fell outside the C.V., ERP and S.F. cells and were not pasted.");

    const PastePlan intoLabels = planSegmentPaste(*m, 1, 0, "a\tb\n");
    EXPECT_FALSE(intoLabels.error);   // fixed cells take nothing, whatever the text
    EXPECT_EQ(intoLabels.outside, 2);
}

TEST(SegmentPaste, OneBadValueRefusesTheWholePaste)
{
    auto m = createModel();
    for (const char* bad : {".", "-0.3", "1e-1", "0,4", "abc", "0.4.1"}) {
        const std::string clip = std::string("0.4\n") + bad + "\n0.3\n";
        const PastePlan plan = planSegmentPaste(*m, 1, kColumnCv, clip);
        ASSERT_TRUE(plan.error) << bad;
        EXPECT_EQ(*plan.error, "'" + std::string(bad) + "' is not a valid floating point value");
        EXPECT_TRUE(plan.writes.empty()) << bad;
    }
}
