#include "engine/circuit_check.h"
#include "model/circuit_construction.h"
#include "pages/check_page.h"

#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

struct LabelText {
    const char* name;
    const char* text;
};

const LabelText kLabels[] = {
    {"Label91", "***** ERROR *****"},
    {"Label90", "The conduction time"},
    {"Label89", "from site to site"},
    {"Label84", "The conduction time from the "},
    {"Label87", "dead-end pathway site to site"},
    {"Label85", "are whithin 10 msec of the refractory period at one of the sites"},
    {"Label86", "This may allow inappropriate activition of a site during antidromic"},
    {"Label88", "wavefront propagation"},
    {"Label151", "***** WARNING *****"},
    {"Label146", "Stimulus site is outside inner loop "},
    {"Label148", "----> antidromic activation will not be calculated"},
    {"Label149", "Dead-end pathway containing stimulus site is not connected to inner loop"},
    {"Label150", "----> antidromic activation will not be calculated"},
    {"Label152", "input number of segments from site1 to QRS onset"},
    {"Label153", "input number of segments in the dead-end pathway"},
    {"Label154", "input number of segments in the second dead-end pathway"},
    {"Label79", "two dead-end pathways cannot be connected to the same site"},
};

// Names of the labels that are shown, in the order of kLabels.
std::vector<std::string> shownLabels(const CheckPage& page)
{
    std::vector<std::string> shown;
    for (const LabelText& l : kLabels)
        if (!page.findChild<QLabel*>(l.name)->isHidden())
            shown.push_back(l.name);
    return shown;
}

std::vector<std::string> gridRow(const QTableWidget* grid, int row)
{
    std::vector<std::string> texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts.push_back(grid->item(row, c) ? grid->item(row, c)->text().toStdString() : "");
    return texts;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(CheckPage, LabelsCarryTheirCaptions)
{
    CheckPage page;
    for (const LabelText& l : kLabels) {
        const QLabel* label = page.findChild<QLabel*>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text().toStdString(), l.text) << l.name;
    }
    EXPECT_EQ(page.Label91->palette().color(QPalette::WindowText), QColor(Qt::red));
    const char* titles[] = {"site", "C.V.(m/s)", "ERP(sec)", "Scale F."};
    for (QTableWidget* grid : {page.SGBS, page.SGBS2}) {
        ASSERT_EQ(grid->rowCount(), 4);
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(grid->item(r, 0)->text().toStdString(), titles[r]);
    }
}

TEST(CheckPage, CleanCircuitShowsNothing)
{
    auto m = createModel();
    CheckPage page;
    page.showReport(runCircuitCheck(*m));
    EXPECT_EQ(shownLabels(page), Names{});
    EXPECT_TRUE(page.SGBS->isHidden());
    EXPECT_TRUE(page.SGBS2->isHidden());
}

TEST(CheckPage, RefractoryWarningsFillBothTablesAndShowTheErrorBlock)
{
    auto m = createModel();
    // Segment 4 conducts in 0.157 s, within 10 ms of the ERP of site 5: listed once per
    // loop rule because inner and outer spacing are equal.
    cv(*m, 4) = 0.04;
    erp(*m, 5) = 0.16;
    // A dead-end pathway of 4 segments, 2 cm long, whose last site has an ERP equal to
    // the whole pathway's conduction time.
    m->hasDeadEnd1 = 1;
    m->deadEnd1SegmentCount = 4;
    rebuildCircuit(*m);
    ASSERT_EQ(m->deadEnd1LastSite, 33);
    cv(*m, 33) = 0.1;
    erp(*m, 33) = 0.2;

    CheckPage page;
    page.showReport(runCircuitCheck(*m));
    EXPECT_EQ(shownLabels(page), (Names{"Label91", "Label90", "Label89", "Label84", "Label87",
                                        "Label85", "Label86", "Label88"}));
    EXPECT_FALSE(page.SGBS->isHidden());
    EXPECT_FALSE(page.SGBS2->isHidden());
    EXPECT_EQ(gridRow(page.SGBS2, 0), (Names{"site", "4->5", "4->5"}));
    EXPECT_EQ(gridRow(page.SGBS2, 1), (Names{"C.V.(m/s)", "0.04", "0.04"}));
    EXPECT_EQ(gridRow(page.SGBS2, 2), (Names{"ERP(sec)", "0.2", "0.2"}));
    EXPECT_EQ(gridRow(page.SGBS, 0), (Names{"site", "33"}));
    EXPECT_EQ(gridRow(page.SGBS, 1), (Names{"C.V.(m/s)", "0.1"}));
    EXPECT_EQ(gridRow(page.SGBS, 3), (Names{"Scale F.", "0"}));

    // Once the segment is fixed, the next check clears the page and the columns.
    cv(*m, 4) = 0.5;
    cv(*m, 33) = 0.5;
    page.showReport(runCircuitCheck(*m));
    EXPECT_EQ(shownLabels(page), Names{});
    EXPECT_EQ(page.SGBS2->columnCount(), 1);
    EXPECT_EQ(page.SGBS->columnCount(), 1);
}

TEST(CheckPage, StimulusSiteAndSegmentCountWarnings)
{
    auto m = createModel();
    m->stimulusSite = 21;   // the closing node lies outside the inner loop
    CheckPage page;
    page.showReport(runCircuitCheck(*m));
    EXPECT_EQ(shownLabels(page), (Names{"Label151", "Label146", "Label148"}));

    // A first dead-end pathway hung from an outer site, with the stimulus on the second
    // pathway, and a delay path without segments.
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 24;
    m->deadEnd1SegmentCount = 2;
    m->hasDeadEnd2 = 1;
    m->deadEnd2Site = 3;
    m->deadEnd2SegmentCount = 0;
    m->hasDelayPath = 1;
    m->delaySegmentCount = 0;
    rebuildCircuit(*m);
    m->stimulusSite = 31;
    page.showReport(runCircuitCheck(*m));
    EXPECT_EQ(shownLabels(page), (Names{"Label151", "Label149", "Label150", "Label152", "Label154"}));
}

TEST(CheckPage, DeadEndConflictMessageIsSetByTheCaller)
{
    auto m = createModel();
    CheckPage page;
    page.setDeadEndConflictShown(true);
    page.showReport(runCircuitCheck(*m));   // the check does not decide about Label79
    EXPECT_EQ(shownLabels(page), Names{"Label79"});
    page.setDeadEndConflictShown(false);
    EXPECT_EQ(shownLabels(page), Names{});
}
