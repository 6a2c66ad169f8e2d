// Page changes, the "circuit changed" flag, scheme refresh requests and loading.
#include "model/parameter_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

using namespace quorel;

namespace {

class PageChangeTest : public ::testing::Test {
public:   // the edit cases below drive the fixture
    void SetUp() override
    {
        form.runStartup();
        session.history.rows.resize(2);
        form.ComboBoxSChange(4);   // stimulus at site 5
    }

    void type(int tag, const std::string& keys)
    {
        for (size_t i = 1; i <= keys.size(); ++i)
            form.editChange(tag, keys.substr(0, i));
    }

    std::unique_ptr<CircuitModel> owned = std::make_unique<CircuitModel>();
    CircuitModel& m = *owned;
    SessionState session;
    ParameterForm form{m, session};
};

struct EditCase {
    const char* name;
    std::function<void(PageChangeTest&)> edit;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class StructuralEditTest : public PageChangeTest, public ::testing::WithParamInterface<EditCase> {};
class KeepingEditTest : public PageChangeTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(StructuralEditTest, NextPageChangeClearsHistoryAndStimulusSite)
{
    GetParam().edit(*this);
    EXPECT_EQ(m.parametersChanged, 1);
    const PageChangeResult result = form.OnTabChange(FormPage::TabSheet_des2);
    EXPECT_TRUE(result.historyCleared);
    EXPECT_TRUE(session.history.rows.empty());
    EXPECT_EQ(m.stimulusSite, 1);
    EXPECT_TRUE(result.siteChoosersRefilled);
    EXPECT_EQ(m.siteChooserItemCount, m.totalSiteCount);
}

TEST_P(KeepingEditTest, PageChangesKeepHistoryAndStimulusSite)
{
    GetParam().edit(*this);
    for (FormPage page : {FormPage::TabSheet_des2, FormPage::TabSheet_dc, FormPage::TabSheet_general}) {
        const PageChangeResult result = form.OnTabChange(page);
        EXPECT_FALSE(result.historyCleared);
    }
    EXPECT_EQ(session.history.rows.size(), 2u);
    EXPECT_EQ(m.stimulusSite, 5);
    EXPECT_EQ(m.parametersChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, StructuralEditTest,
    ::testing::Values(EditCase{"InnerSites", [](PageChangeTest& t) { t.type(4, "25"); }},
                      EditCase{"ConnectionSite", [](PageChangeTest& t) { t.type(5, "12"); }},
                      EditCase{"Ratio", [](PageChangeTest& t) { t.type(3, "1.5"); }},
                      EditCase{"OuterSites",
                               [](PageChangeTest& t) {
                                   t.form.selectRadio(2);
                                   t.type(8, "12");
                               }},
                      EditCase{"DelayPathOn", [](PageChangeTest& t) { t.form.selectRadio(3); }},
                      EditCase{"DeadEndOn", [](PageChangeTest& t) { t.form.selectRadio(5); }}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Edits, KeepingEditTest,
    ::testing::Values(EditCase{"DelayDistance", [](PageChangeTest& t) { t.type(9, "4"); }},
                      EditCase{"DeadEndDistances",
                               [](PageChangeTest& t) {
                                   t.type(12, "3");
                                   t.type(15, "1.5");
                               }},
                      EditCase{"ScarSite", [](PageChangeTest& t) { t.type(6, "27"); }},
                      EditCase{"Protocol",
                               [](PageChangeTest& t) {
                                   t.type(19, "0.002");
                                   t.type(20, "8");
                                   t.form.selectRadio(10);
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageChangeTest, AfterAStructuralChangeOnlyTheNextPageChangeResetsTheStimulusSite)
{
    type(4, "25");
    // The first page change after the change goes elsewhere; "param3" still gets its
    // lists for the new numbering when it is shown.
    EXPECT_TRUE(form.OnTabChange(FormPage::TabSheet_des).historyCleared);
    EXPECT_EQ(m.stimulusSite, 1);
    EXPECT_TRUE(form.OnTabChange(FormPage::TabSheet_des2).siteChoosersRefilled);
    EXPECT_EQ(m.siteChooserItemCount, 25 + 7 + 1);
    form.ComboBoxSChange(6);
    session.history.rows.resize(1);
    // The site chosen after it is kept by every later page change, the run's own
    // change to "result" among them.
    for (FormPage page : {FormPage::TabSheet_param4, FormPage::TabSheet_des2, FormPage::TabSheet_res1}) {
        const PageChangeResult result = form.OnTabChange(page);
        EXPECT_FALSE(result.historyCleared);
        EXPECT_FALSE(result.siteChoosersRefilled);
    }
    EXPECT_EQ(m.stimulusSite, 7);
    EXPECT_EQ(session.history.rows.size(), 1u);
    EXPECT_EQ(m.parametersChanged, 1);   // until the next run

    // Another change of the circuit resets once more.
    type(5, "12");
    form.OnTabChange(FormPage::TabSheet_des2);
    EXPECT_EQ(m.stimulusSite, 1);
}

TEST_F(PageChangeTest, SwitchesThatChangeTheNumberingMarkTheCircuitChanged)
{
    form.selectRadio(2);
    type(8, "12");
    form.selectRadio(5);
    m.parametersChanged = 0;   // a run
    form.selectRadio(1);       // the outer loop goes back to connectionSite - 2 = 8 sites
    EXPECT_EQ(m.outerSiteCount, 8);
    EXPECT_EQ(m.parametersChanged, 1);

    m.parametersChanged = 0;
    form.selectRadio(6);       // the pathway's four sites disappear
    EXPECT_EQ(m.parametersChanged, 1);
    EXPECT_EQ(m.deadEnd1SegmentCount, 0);
}

TEST_F(PageChangeTest, PageChangeDutiesDependOnTheNewPage)
{
    m.gridEditEnabled = 1;
    PageChangeResult result = form.OnTabChange(FormPage::TabSheet_dc);
    EXPECT_EQ(m.gridEditEnabled, 0);
    ASSERT_TRUE(result.segments);
    EXPECT_EQ(result.segments->rowCount, 31);
    EXPECT_EQ(result.segments->cells[21][0], "from site 1 to site22 (to outer loop)");
    ASSERT_TRUE(result.cvCurve);
    EXPECT_EQ(result.cvCurve->rowCount, 6);   // 5 whole 10 ms steps in site 1's D.I. of 0.0513 s
    EXPECT_FALSE(result.description);
    EXPECT_EQ(result.lamp, LampState::Blue);

    result = form.OnTabChange(FormPage::TabSheet_des);
    ASSERT_TRUE(result.description);
    EXPECT_EQ(result.description->Label46, "20");
    EXPECT_FALSE(result.segments);

    // The lists are refilled only after the numbering changed.
    EXPECT_FALSE(form.OnTabChange(FormPage::TabSheet_param4).displayListsRefilled);
    type(4, "30");
    EXPECT_TRUE(form.OnTabChange(FormPage::TabSheet_param4).displayListsRefilled);
    EXPECT_EQ(m.displayListItemCount, 30 + 7 + 1);   // the first digit pulled the connection to 9

    EXPECT_TRUE(form.OnTabChange(FormPage::TabSheet_res1).refillResultSheet);
    result = form.OnTabChange(FormPage::TabSheet_ecgset);
    EXPECT_TRUE(result.segments);
    EXPECT_TRUE(result.siteChoosersRefilled);
    result = form.OnTabChange(FormPage::TabSheet_movie);
    EXPECT_TRUE(result.prepareMovie);
    EXPECT_TRUE(form.OnTabChange(FormPage::TabSheet_ecg).showEcg);
}

TEST_F(PageChangeTest, PageChangeWritesTheOrientationLabelsAndTheConflictMessage)
{
    form.selectRadio(5);
    form.selectRadio(7);
    type(4, "25");
    type(11, "7");
    EXPECT_EQ(form.orientationLabels().Label25, "20");   // written at the page change only
    // A conflict that no box reported (set from outside the boxes) appears at the page change.
    m.deadEnd2Site = 7;
    EXPECT_FALSE(form.label79Visible());
    const PageChangeResult result = form.OnTabChange(FormPage::TabSheet_de2);
    EXPECT_TRUE(form.label79Visible());
    EXPECT_EQ(result.lamp, LampState::Red);
    const OrientationLabels& labels = form.orientationLabels();
    EXPECT_EQ(labels.Label25, "25");
    EXPECT_EQ(labels.Label34, "25");
    EXPECT_EQ(labels.Label28, "9");
    EXPECT_EQ(labels.Label37, "9");
    EXPECT_EQ(labels.Label39, "7");
}

TEST_F(PageChangeTest, SchemeIsRefreshedOnlyWhileItsWindowIsOpen)
{
    std::vector<FormRequest> seen;
    form.onRequest = [&](FormRequest r) { seen.push_back(r); };
    const auto refreshes = [&] { return form.requestCounts().schemeRefresh; };

    type(5, "12");
    form.selectRadio(3);
    EXPECT_EQ(refreshes(), 0);
    EXPECT_EQ(form.requestCounts().schemeRepaint, 0);

    m.formShown = 1;
    m.schemeWindowOpen = 1;
    // The first digit is taken silently while the user types on: no refresh for it.
    form.editChange(5, "1");
    EXPECT_EQ(refreshes(), 0);
    form.editChange(5, "11");
    EXPECT_EQ(refreshes(), 1);
    form.editChange(9, "3");   // a distance has no refresh of its own
    EXPECT_EQ(refreshes(), 1);
    form.editChange(10, "4");
    EXPECT_EQ(refreshes(), 2);
    form.ComboBoxSChange(2);
    EXPECT_EQ(refreshes(), 3);

    seen.clear();
    form.selectRadio(4);   // writes Edit10 (a refresh), then layout and repaint
    EXPECT_EQ(seen, (std::vector<FormRequest>{FormRequest::SchemeRefresh, FormRequest::Layout,
                                              FormRequest::SchemeRepaint}));
    EXPECT_EQ(m.ecgChannelSite[0], 1);

    // The scheme window closes: the rules run, nothing is drawn.
    m.schemeWindowOpen = 0;
    seen.clear();
    type(4, "30");
    form.selectRadio(2);
    EXPECT_EQ(seen, (std::vector<FormRequest>{FormRequest::Layout}));
}

TEST_F(PageChangeTest, LoadingPassesTheFileThroughTheBoxesWithoutDefaults)
{
    // What a file reader leaves in the model: a circuit with a delay path, a first
    // dead-end pathway and an outer loop of its own.
    m.loadingFile = 1;
    markCircuitChanged(m);
    m.stimulusSite = 9;
    m.outerInnerRatio = 1.5;
    m.innerSiteCount = 24;
    m.connectionSite = 12;
    m.outerSiteCount = 14;
    m.scarEntrySite = 30;
    m.delaySegmentCount = 4;
    m.delayDistanceCm = 3.5;
    m.deadEnd1Site = 6;
    m.deadEnd1SegmentCount = 2;
    m.deadEnd1DistanceCm = 1.2;
    const RebuildResult result = form.applyLoadedCircuit();

    for (int k : {2, 3, 5, 8})
        EXPECT_TRUE(form.radioChecked(k)) << "RadioButton" << k;
    EXPECT_EQ(m.equalSegments, 0);
    EXPECT_EQ(m.hasDelayPath, 1);
    EXPECT_EQ(m.hasDeadEnd1, 1);
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_Out));
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_delay));
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_de1));
    // No defaults replaced the file's values.
    EXPECT_EQ(m.delaySegmentCount, 4);
    EXPECT_EQ(m.delayDistanceCm, 3.5);
    EXPECT_EQ(m.deadEnd1Site, 6);
    EXPECT_EQ(m.deadEnd1SegmentCount, 2);
    EXPECT_EQ(m.outerSiteCount, 14);
    EXPECT_EQ(form.boxText(10), "4");
    EXPECT_EQ(form.boxText(12), "1.2");
    EXPECT_EQ(form.boxText(8), "14");
    // The lists follow the new numbering; the stimulus site is the file's.
    EXPECT_TRUE(result.siteChoosersRefilled);
    EXPECT_EQ(m.siteChooserItemCount, 24 + 14 + 4 + 2 + 1);
    EXPECT_EQ(m.stimulusSite, 9);
    EXPECT_EQ(m.totalSiteCount, 24 + 14 + 4 + 2 + 1);
    EXPECT_EQ(m.qrsSite, 24 + 14 + 4 + 1);
    EXPECT_EQ(result.segments.rowCount, m.totalSiteCount + 2);
}

TEST_F(PageChangeTest, SwitchingAPathOnWritesDefaultsOnlyOutsideLoading)
{
    m.loadingFile = 1;
    form.selectRadio(3);
    form.selectRadio(7);
    type(4, "25");
    EXPECT_EQ(m.delaySegmentCount, 0);
    EXPECT_EQ(m.deadEnd2Site, 1);
    EXPECT_EQ(m.deadEnd2SegmentCount, 0);
    EXPECT_EQ(m.parametersChanged, 0);   // the rules leave the flag to the loader
    form.selectRadio(8);
    m.loadingFile = 0;
    form.selectRadio(7);
    EXPECT_EQ(m.deadEnd2Site, 3);
    EXPECT_EQ(m.deadEnd2SegmentCount, 4);
    EXPECT_EQ(form.boxText(15), "2");
}

TEST_F(PageChangeTest, DamagedFileValuesDoNotMakeTheCorrectionsChaseEachOther)
{
    // An outer loop of -3 sites with equal segment lengths: the scar site's upper
    // limit lies below its lower limit.
    m.loadingFile = 1;
    m.outerInnerRatio = 1.0;
    m.connectionSite = -1;
    m.outerSiteCount = -3;
    m.scarEntrySite = 40;
    form.selectRadio(2);
    form.applyLoadedCircuit();
    // The boxes' rules bring the loop sizes back into range on the way through.
    EXPECT_GE(m.connectionSite, 9);
    EXPECT_GE(m.outerSiteCount, 7);
}

}  // namespace
