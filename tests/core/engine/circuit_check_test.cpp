#include "engine/circuit_check.h"
#include "engine/run_hooks.h"

#include "engine_test_support.h"

#include "text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace quorel;

namespace {

std::vector<std::string> labelsOf(const std::vector<CheckColumn>& columns)
{
    std::vector<std::string> out;
    for (const CheckColumn& c : columns)
        out.push_back(c.site);
    return out;
}

// An ERP above ct whose distance from it, as the check computes it, is exactly 0.01
// (searched among the neighbours of ct + 0.01; ct must be small enough for one to exist).
double erpExactlyTenMsAbove(double ct)
{
    double value = ct + 0.01;
    for (int i = 0; i < 300; ++i)
        value = std::nextafter(value, 0.0);
    for (int i = 0; i < 600 && std::fabs(value - ct) != 0.01; ++i)
        value = std::nextafter(value, 1.0);
    return value;
}

void addDeadEnd1(CircuitModel& m, int site, int segments)
{
    m.hasDeadEnd1 = 1;
    m.deadEnd1Site = site;
    m.deadEnd1SegmentCount = segments;
    refreshDerivedModel(m);
}

}  // namespace

TEST(CircuitCheck, DistanceOfExactlyTenMillisecondsIsNotReported)
{
    // Loop rule: erp[2] against the conduction time of segments 1 and 2 (both 0.0126 s);
    // a long outer loop keeps the outer rule out of the way.
    auto m = createModel();
    m->equalSegments = 0;
    m->outerInnerRatio = 3.0;
    refreshDerivedModel(*m);
    const double ctIn = m->innerSpacing / cv(*m, 1);
    erp(*m, 2) = erpExactlyTenMsAbove(ctIn);
    ASSERT_EQ(std::fabs(erp(*m, 2) - ctIn), 0.01);
    CircuitCheckReport report = runCircuitCheck(*m);
    EXPECT_TRUE(report.loopColumns.empty());
    EXPECT_EQ(m->refractoryWarningLoop, 0);
    EXPECT_EQ(report.lamp, LampState::Blue);

    erp(*m, 2) = std::nextafter(erp(*m, 2), ctIn);
    report = runCircuitCheck(*m);
    EXPECT_EQ(labelsOf(report.loopColumns), (std::vector<std::string>{"1->2", "2->3"}));
    EXPECT_EQ(m->refractoryWarningLoop, 1);

    // Dead-end rule: the whole pathway length (0.5 cm) over the last site's C.V. is 0.01 s.
    auto d = createModel();
    d->deadEnd1DistanceCm = 0.5;
    addDeadEnd1(*d, 5, 2);
    const int last = d->deadEnd1LastSite;
    ASSERT_EQ(last, 31);
    const double ctDeadEnd = 0.01 * d->deadEnd1DistanceCm / cv(*d, last);
    erp(*d, last) = erpExactlyTenMsAbove(ctDeadEnd);
    ASSERT_EQ(std::fabs(erp(*d, last) - ctDeadEnd), 0.01);
    report = runCircuitCheck(*d);
    EXPECT_TRUE(report.deadEndColumns.empty());
    EXPECT_EQ(d->refractoryWarningDeadEnd, 0);

    erp(*d, last) = std::nextafter(erp(*d, last), ctDeadEnd);
    report = runCircuitCheck(*d);
    ASSERT_EQ(report.deadEndColumns.size(), 1u);
    EXPECT_EQ(report.deadEndColumns[0].site, "31");
    EXPECT_EQ(report.deadEndColumns[0].cv, "0.5");
    EXPECT_EQ(report.deadEndColumns[0].sf, "0");
    EXPECT_TRUE(report.loopColumns.empty());
    EXPECT_EQ(d->refractoryWarningDeadEnd, 1);
    EXPECT_EQ(report.lamp, LampState::Yellow);
}

TEST(CircuitCheck, PathwaySwitchedOffIsNotCheckedAtItsRememberedLastSite)
{
    auto m = createModel();
    m->deadEnd1DistanceCm = 0.5;
    addDeadEnd1(*m, 5, 2);            // sites 30, 31
    erp(*m, 31) = 0.01 * 0.5 / 0.5;   // exactly the pathway's conduction time
    EXPECT_EQ(runCircuitCheck(*m).deadEndColumns.size(), 1u);
    m->hasDeadEnd1 = 0;               // off: deadEnd1LastSite stays 31
    m->deadEnd1SegmentCount = 0;
    m->deadEnd1Site = 0;
    m->hasDelayPath = 1;              // site 31 is now a delay-path site
    m->delaySegmentCount = 3;
    refreshDerivedModel(*m);
    ASSERT_EQ(m->deadEnd1LastSite, 31);
    const CircuitCheckReport report = runCircuitCheck(*m);
    EXPECT_TRUE(report.deadEndColumns.empty());
    EXPECT_EQ(m->refractoryWarningDeadEnd, 0);
}

TEST(CircuitCheck, InnerSiteMatchingBothLoopRulesIsListedTwice)
{
    auto m = createModel();   // equal inner and outer spacing
    erp(*m, 4) = m->innerSpacing / cv(*m, 4);
    refreshDerivedModel(*m);
    const CircuitCheckReport report = runCircuitCheck(*m);
    // Site 3 through erp[4] and site 4 through its own erp, each by the inner and the outer rule.
    EXPECT_EQ(labelsOf(report.loopColumns),
              (std::vector<std::string>{"3->4", "3->4", "4->5", "4->5"}));
    EXPECT_EQ(report.loopColumns[0].cv, "0.5");
    EXPECT_EQ(report.loopColumns[0].erp, "0.2");
    EXPECT_EQ(report.loopColumns[0].sf, "0");
    EXPECT_EQ(report.loopColumns[2].erp, generalText(erp(*m, 4)));
    EXPECT_TRUE(report.gridsVisible);
    for (bool shown : {report.Label84, report.Label85, report.Label86, report.Label87, report.Label88,
                       report.Label89, report.Label90, report.Label91})
        EXPECT_TRUE(shown);
    EXPECT_EQ(report.lamp, LampState::Yellow);
    EXPECT_EQ(m->checkError, 0);
}

struct StimulusCase {
    const char* name;
    int stimulusSite;
    bool withPaths;          // delay path of 2 segments, dead-end pathway of 2 segments at deadEndSite
    int deadEndSite;
    bool outsideInnerLoop;   // Label146, Label148
    bool unconnectedDeadEnd; // Label149, Label150
};

class StimulusSiteWarning : public ::testing::TestWithParam<StimulusCase> {};

TEST_P(StimulusSiteWarning, ShowsTheLabelsOfItsRule)
{
    const StimulusCase& c = GetParam();
    auto m = createModel();   // n 20, m 8
    if (c.withPaths) {
        m->hasDelayPath = 1;
        m->delaySegmentCount = 2;   // sites 30, 31
        addDeadEnd1(*m, c.deadEndSite, 2);   // sites 32, 33
    }
    m->stimulusSite = c.stimulusSite;
    const CircuitCheckReport report = runCircuitCheck(*m);
    EXPECT_EQ(report.Label146, c.outsideInnerLoop);
    EXPECT_EQ(report.Label148, c.outsideInnerLoop);
    EXPECT_EQ(report.Label149, c.unconnectedDeadEnd);
    EXPECT_EQ(report.Label150, c.unconnectedDeadEnd);
    EXPECT_EQ(report.Label151, c.outsideInnerLoop || c.unconnectedDeadEnd);
    EXPECT_EQ(m->stimulusSiteWarning, c.outsideInnerLoop || c.unconnectedDeadEnd ? 1 : 0);
    EXPECT_EQ(report.lamp,
              c.outsideInnerLoop || c.unconnectedDeadEnd ? LampState::Yellow : LampState::Blue);
}

INSTANTIATE_TEST_SUITE_P(
    CircuitCheck, StimulusSiteWarning,
    ::testing::Values(StimulusCase{"LastInnerSite", 20, false, 0, false, false},
                      StimulusCase{"ClosingNode", 21, false, 0, true, false},
                      StimulusCase{"LastOuterSite", 29, false, 0, true, false},
                      StimulusCase{"QrsSite", 31, true, 5, true, false},
                      StimulusCase{"FirstSiteOfPathwayOnOuterLoop", 32, true, 25, false, false},
                      StimulusCase{"SecondSiteOfPathwayOnOuterLoop", 33, true, 25, false, true},
                      StimulusCase{"PathwayOnInnerLoop", 33, true, 5, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CircuitCheck, LampTurnsRedForMissingSegmentsAndSharedDeadEndSites)
{
    auto m = createModel();
    EXPECT_EQ(runCircuitCheck(*m).lamp, LampState::Blue);

    m->hasDelayPath = 1;   // switched on, no segments yet
    refreshDerivedModel(*m);
    CircuitCheckReport report = runCircuitCheck(*m);
    EXPECT_TRUE(report.Label152);
    EXPECT_EQ(report.lamp, LampState::Red);
    EXPECT_EQ(m->checkError, 1);
    m->delaySegmentCount = 2;
    refreshDerivedModel(*m);
    EXPECT_EQ(runCircuitCheck(*m).lamp, LampState::Blue);
    EXPECT_EQ(m->checkError, 0);

    // A circuit read from a file: both pathways given as connected to site 1, which the
    // rebuild turns into n + 1 for both; the flag as loaded says nothing of it.
    m->hasDeadEnd1 = 1;
    m->deadEnd1Site = 1;
    m->deadEnd1SegmentCount = 2;
    m->hasDeadEnd2 = 1;
    m->deadEnd2Site = 1;
    m->deadEnd2SegmentCount = 2;
    refreshDerivedModel(*m);
    ASSERT_EQ(m->deadEnd1Site, 21);
    ASSERT_EQ(m->deadEnd2Site, 21);
    m->deadEndConflict = 0;
    report = runCircuitCheck(*m);
    EXPECT_EQ(m->deadEndConflict, 1);
    EXPECT_EQ(report.lamp, LampState::Red);
    EXPECT_EQ(m->checkError, 1);

    m->deadEnd2Site = 7;
    report = runCircuitCheck(*m);
    EXPECT_EQ(m->deadEndConflict, 0);
    EXPECT_NE(report.lamp, LampState::Red);
    EXPECT_EQ(m->checkError, 0);
}

TEST(RunWarningTexts, EachKindFillsTheFiveLabels)
{
    RunWarning w;
    w.kind = WarningKind::Conduction;
    w.source = 3;
    w.target = 4;
    w.clockStep = 0.001;
    w.conductionTime = 0.00075;
    WarningTexts t = warningTexts(w);
    EXPECT_EQ(t.Label1, "********** WARNING **********");
    EXPECT_EQ(t.Label2, "Conduction time from site3 to site4");
    EXPECT_EQ(t.Label3, "   is less than the scanning interval 0.0010sec");
    EXPECT_EQ(t.Label4, "This may cause errors in activation sequence and time calculations");
    EXPECT_EQ(t.Label5, "Scanning clock should be less than 0.0008sec");

    w.kind = WarningKind::Refractory;
    w.source = 22;
    w.target = 21;
    t = warningTexts(w);
    EXPECT_EQ(t.Label1, "********** WARNING **********");
    EXPECT_EQ(t.Label2, "Conduction time from site22 to site21");
    EXPECT_EQ(t.Label3, "   is greater than the refractory period at site21");
    EXPECT_EQ(t.Label4, "This may allow reflection to occur");
    EXPECT_EQ(t.Label5, "");
}
