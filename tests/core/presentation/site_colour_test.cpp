#include "model/circuit_construction.h"
#include "presentation/site_colour.h"

#include <gtest/gtest.h>

using namespace quorel;

namespace {

// The default circuit (n = 20, entrance 10, scar entry 26, m = 8) with a delay path of
// 3 segments (sites 30..32), a first dead-end pathway of 4 at site 2 (33..36) and a
// second of 2 at site 5 (37..38).
std::unique_ptr<CircuitModel> fullCircuit()
{
    auto m = createModel();
    m->hasDelayPath = 1;
    m->delaySegmentCount = 3;
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 2;
    m->deadEnd1SegmentCount = 4;
    m->hasDeadEnd2 = 1;
    m->deadEnd2Site = 5;
    m->deadEnd2SegmentCount = 2;
    rebuildCircuit(*m);
    return m;
}

struct SiteRange {
    int first, last;
    Rgb colour;
};

}  // namespace

TEST(SiteColour, EveryRegionOfAFullCircuitHasItsColour)
{
    auto m = fullCircuit();
    ASSERT_EQ(m->totalSiteCount, 38);
    ASSERT_EQ(m->qrsSite, 32);
    const SiteRange regions[] = {
        {1, 9, 0xFFFFCC},    // inner loop before the common-pathway entrance
        {10, 20, 0xFFDDCC},  // common pathway
        {21, 21, 0xFFFFAA},  // closing node
        {22, 25, 0xFFFFFF},  // outer loop before the scar
        {26, 28, 0xDDDDFF},  // outer loop in the scar
        {29, 29, 0xDDDDFF},  // last outer site
        {30, 30, 0xAAFFAA},  // first delay-path site
        {31, 32, 0xCCFFCC},  // rest of the delay path
        {33, 33, 0xFFAAFF},  // first site of dead-end pathway 1
        {34, 36, 0xFFCCFF},
        {37, 37, 0xAAFFFF},  // first site of dead-end pathway 2
        {38, 38, 0xCCFFFF},
    };
    for (const SiteRange& r : regions)
        for (int site = r.first; site <= r.last; ++site)
            EXPECT_EQ(siteColour(*m, site, false), r.colour) << "site " << site;
}

TEST(SiteColour, HighlightMarksTheQrsReferenceAndTheStimulusSite)
{
    auto m = fullCircuit();
    m->stimulusSite = 5;
    EXPECT_EQ(siteColour(*m, 32, true), kYellow);          // qrsSite is the reference
    EXPECT_EQ(siteColour(*m, 5, true), kRed);
    EXPECT_EQ(siteColour(*m, 1, true), 0xFFFFCCu);         // site 1 is not the reference here
    EXPECT_EQ(siteColour(*m, 21, true), 0xFFFFAAu);        // closing node only without delay
    EXPECT_EQ(siteColour(*m, 31, true), 0xCCFFCCu);

    m->stimulusSite = 32;                                   // the stimulus wins over the reference
    EXPECT_EQ(siteColour(*m, 32, true), kRed);
    EXPECT_EQ(siteColour(*m, 32, false), 0xCCFFCCu);
}

TEST(SiteColour, WithoutDelayPathSiteOneAndTheClosingNodeAreTheReference)
{
    auto m = createModel();
    m->stimulusSite = 12;
    EXPECT_EQ(siteColour(*m, 1, true), kYellow);
    EXPECT_EQ(siteColour(*m, 21, true), kYellow);
    EXPECT_EQ(siteColour(*m, 12, true), kRed);
    EXPECT_EQ(siteColour(*m, 2, true), 0xFFFFCCu);

    m->stimulusSite = 1;
    EXPECT_EQ(siteColour(*m, 1, true), kRed);
    EXPECT_EQ(siteColour(*m, 1, false), 0xFFFFCCu);
}

TEST(SiteColour, EarlierRulesWinWhereRegionsMeet)
{
    auto m = createModel();
    // Scar entry at the last outer site: the last-outer-site rule decides, and the outer
    // sites before it stay white.
    m->scarEntrySite = 29;
    EXPECT_EQ(siteColour(*m, 29, false), 0xDDDDFFu);
    EXPECT_EQ(siteColour(*m, 28, false), 0xFFFFFFu);
    // Even with the scar entry beyond the loop the last outer site keeps its colour.
    m->scarEntrySite = 31;
    EXPECT_EQ(siteColour(*m, 29, false), 0xDDDDFFu);
    EXPECT_EQ(siteColour(*m, 28, false), 0xFFFFFFu);
    m->scarEntrySite = 26;

    // A delay path switched on with 0 segments puts qrsSite on the last outer site, which
    // keeps its own colour; no site gets a delay colour.
    m->hasDelayPath = 1;
    m->delaySegmentCount = 0;
    rebuildCircuit(*m);
    ASSERT_EQ(m->qrsSite, 29);
    EXPECT_EQ(siteColour(*m, 29, false), 0xDDDDFFu);
    // No delay segments: site 1 and the closing node are still the reference.
    EXPECT_EQ(siteColour(*m, 21, true), kYellow);

    // Connection site 2: no inner site lies before the entrance.
    auto c = createModel();
    c->connectionSite = 2;
    EXPECT_EQ(siteColour(*c, 1, false), 0xFFFFCCu);
    EXPECT_EQ(siteColour(*c, 2, false), 0xFFDDCCu);
}

TEST(SiteColour, DeadEndPathwayWithoutDelayFollowsTheOuterLoop)
{
    auto m = createModel();
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 1;   // stored as the closing node after the rebuild
    m->deadEnd1SegmentCount = 3;
    m->deadEnd2Site = 0;
    rebuildCircuit(*m);
    ASSERT_EQ(m->deadEnd1Site, 21);
    EXPECT_EQ(siteColour(*m, 30, false), 0xFFAAFFu);
    EXPECT_EQ(siteColour(*m, 31, false), 0xFFCCFFu);
    EXPECT_EQ(siteColour(*m, 32, false), 0xFFCCFFu);
    EXPECT_EQ(siteColour(*m, 30, true), 0xFFAAFFu);   // no highlight on a pathway site
}
