#include "model/circuit_construction.h"
#include "model/circuit_description.h"
#include "model/conduction.h"
#include "model/segment_table.h"
#include "model/site_lists.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

SegmentTable tableOf(const CircuitModel& m)
{
    SegmentTable t;
    describeSegments(m, t);
    return t;
}

void addDelayPath(CircuitModel& m, int segments)
{
    m.hasDelayPath = 1;
    m.delaySegmentCount = segments;
    rebuildCircuit(m);
}

}  // namespace

TEST(CircuitConstruction, DefaultTableLabelsTheTellingRows)
{
    auto m = createModel();
    const SegmentTable t = tableOf(*m);
    EXPECT_EQ(t.rowCount, 31);
    EXPECT_EQ(t.cells[0][0], "site");
    EXPECT_EQ(t.cells[0][6], "S.F.");
    EXPECT_EQ(t.cells[10][0], "from site 10 to 11 (enter common path)");
    EXPECT_EQ(t.cells[20][0], "from site 20 to 21");
    EXPECT_EQ(t.cells[21][0], "from site 1 to site22 (to outer loop)");
    EXPECT_EQ(t.cells[26][0], "from site 26 to 27 (enter scar)");
    EXPECT_EQ(t.cells[29][0], "from site 29 to 10");
    EXPECT_EQ(t.cells[1][0], "from site 1 to 2");
    // D.I., S.L., C.T. with four decimals; the entered values in the shortest form.
    EXPECT_EQ(t.cells[1][1], "0.0513");
    EXPECT_EQ(t.cells[1][2], "0.0063");
    EXPECT_EQ(t.cells[1][3], "0.0126");
    EXPECT_EQ(t.cells[1][4], "0.5");
    EXPECT_EQ(t.cells[1][5], "0.2");
    EXPECT_EQ(t.cells[1][6], "0");
    EXPECT_TRUE(t.cells[30][0].empty());
}

TEST(CircuitConstruction, DelayPathThenFirstDeadEndPathway)
{
    auto m = createModel();
    addDelayPath(*m, 3);
    EXPECT_EQ(m->qrsSite, 32);
    EXPECT_EQ(m->totalSiteCount, 32);
    SegmentTable t = tableOf(*m);
    EXPECT_EQ(t.cells[30][0], "from site 1 to site30 in path to QRS");
    EXPECT_EQ(t.cells[31][0], "from site 30 to 31");
    EXPECT_EQ(t.cells[32][0], "from site 31 to 32");
    EXPECT_NEAR(segmentLength(*m, 31), 0.02 / 3, 1e-15);
    const CircuitDescription d = describeCircuit(*m);
    EXPECT_EQ(d.Label63, "30");
    EXPECT_EQ(d.Label65, "32");
    EXPECT_TRUE(d.delayLinesEnabled);
    EXPECT_FALSE(d.deadEnd1LineEnabled);

    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 2;
    m->deadEnd1SegmentCount = 4;
    rebuildCircuit(*m);
    EXPECT_EQ(m->deadEnd1LastSite, 36);
    EXPECT_EQ(m->totalSiteCount, 36);
    t = tableOf(*m);
    EXPECT_EQ(t.cells[33][0], "from site 2 to D.E. pathway site 33");
    EXPECT_EQ(t.cells[34][0], "from site 33 to 34");
    EXPECT_EQ(t.cells[36][0], "from site 35 to 36");
    EXPECT_NEAR(segmentLength(*m, 34), 0.02 / 4, 1e-15);
}

TEST(CircuitConstruction, DeadEndPathwayAtSiteOneHangsFromTheClosingNode)
{
    auto m = createModel();
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 1;
    m->deadEnd1SegmentCount = 2;
    m->hasDeadEnd2 = 1;
    m->deadEnd2Site = 1;
    m->deadEnd2SegmentCount = 3;
    rebuildCircuit(*m);
    EXPECT_EQ(m->deadEnd1Site, 21);
    EXPECT_EQ(m->deadEnd2Site, 21);
    EXPECT_EQ(m->deadEnd1LastSite, 31);
    EXPECT_EQ(m->deadEnd2LastSite, 34);
    const SegmentTable t = tableOf(*m);
    // Without a delay path the first row after the outer loop belongs to the dead-end pathway.
    EXPECT_EQ(t.cells[30][0], "from site 21 to D.E. pathway site 30");
    EXPECT_EQ(t.cells[32][0], "from site 21 to 2nd D.E. path site 32");
    EXPECT_EQ(t.cells[34][0], "from site 33 to 34");
    EXPECT_EQ(describeCircuit(*m).Label72, "21");
}

TEST(CircuitConstruction, ScarEntryOnTheLastOuterSiteShowsNoScarNote)
{
    auto m = createModel();
    m->scarEntrySite = 29;
    rebuildCircuit(*m);
    EXPECT_EQ(tableOf(*m).cells[29][0], "from site 29 to 10");
}

TEST(CircuitConstruction, LargestCircuitFillsNinetyEightRows)
{
    auto m = createModel();
    m->innerSiteCount = 40;
    m->connectionSite = 38;
    m->equalSegments = 0;
    m->outerSiteCount = 42;
    m->scarEntrySite = 60;
    m->hasDelayPath = m->hasDeadEnd1 = m->hasDeadEnd2 = 1;
    m->delaySegmentCount = m->deadEnd1SegmentCount = m->deadEnd2SegmentCount = 5;
    m->deadEnd2Site = 3;
    rebuildCircuit(*m);
    EXPECT_EQ(m->totalSiteCount, 98);
    EXPECT_EQ(m->qrsSite, 88);
    EXPECT_EQ(m->deadEnd1LastSite, 93);
    EXPECT_EQ(m->deadEnd2LastSite, 98);
    const SegmentTable t = tableOf(*m);
    EXPECT_EQ(t.rowCount, 100);
    EXPECT_EQ(t.cells[98][0], "from site 97 to 98");
    EXPECT_EQ(t.cells[94][0], "from site 3 to 2nd D.E. path site 94");
}

TEST(CircuitConstruction, PathWithZeroSegmentsHasNoRows)
{
    auto m = createModel();
    addDelayPath(*m, 0);
    EXPECT_EQ(m->qrsSite, 29);
    EXPECT_EQ(m->totalSiteCount, 29);
    EXPECT_NEAR(m->delaySpacing, 0.02, 1e-15);   // as if it had one segment
}

TEST(CircuitConstruction, ShrinkingKeepsRowsBeyondTheCircuit)
{
    auto m = createModel();
    cv(*m, 29) = 0.3;
    m->connectionSite = 9;
    rebuildCircuit(*m);
    EXPECT_EQ(m->totalSiteCount, 28);
    m->connectionSite = 10;
    rebuildCircuit(*m);
    EXPECT_EQ(tableOf(*m).cells[29][4], "0.3");
}

TEST(CircuitConstruction, DescriptionOfTheDefaultCircuit)
{
    auto m = createModel();
    const CircuitDescription d = describeCircuit(*m);
    EXPECT_EQ(d.Label46, "20");
    EXPECT_EQ(d.Label54, "29");
    EXPECT_EQ(d.Label101, "21");
    EXPECT_EQ(d.Label103, "22");
    EXPECT_EQ(d.Label105, "0.0200");
    EXPECT_EQ(d.Label107, "0.1257");
    EXPECT_EQ(d.Label110, "0.0063");
    EXPECT_EQ(d.Label116, "1.0000");
    EXPECT_EQ(d.Label158, "0.2513");
    EXPECT_EQ(d.Label60, "2");
    EXPECT_FALSE(d.delayLinesEnabled);
    const auto lines = circuitDescriptionLines(d);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[15].text, "estimated VT cycle length = 0.2513 sec");
    EXPECT_FALSE(lines[5].enabled);
}

TEST(SiteLists, RefillOnceAfterEachChangeOfTheCircuit)
{
    auto m = createModel();
    m->stimulusSite = 7;
    m->ecgChannelSite[3] = 9;
    EXPECT_FALSE(fillSiteChoosers(*m));
    EXPECT_EQ(m->stimulusSite, 7);

    markCircuitChanged(*m);
    m->loadingFile = 1;
    EXPECT_TRUE(fillSiteChoosers(*m));
    EXPECT_EQ(m->stimulusSite, 7);   // a file being loaded keeps its stimulus site
    EXPECT_EQ(m->ecgChannelSite[3], 1);
    m->ecgChannelSite[3] = 9;
    EXPECT_FALSE(fillSiteChoosers(*m));   // once per change: a later choice stands
    EXPECT_EQ(m->ecgChannelSite[3], 9);

    m->loadingFile = 0;
    markCircuitChanged(*m);
    m->displayedSites[4] = 12;
    EXPECT_TRUE(fillSiteChoosers(*m));
    EXPECT_TRUE(fillDisplaySiteLists(*m));
    EXPECT_EQ(m->stimulusSite, 1);
    EXPECT_EQ(m->displayedSites[4], 1);
    EXPECT_FALSE(fillDisplaySiteLists(*m));
    EXPECT_EQ(siteItemText(11), "site12");
}
