// The parameter boxes driven as the user drives them: keystroke by keystroke over a
// selected text, with the corrections cascading through the other boxes.
#include "model/parameter_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

using namespace quorel;

namespace {

class ParameterFormTest : public ::testing::Test {
protected:
    void SetUp() override { form.runStartup(); }

    // Types `keys` over the selected text of EditN: the box holds the first key, then
    // the first two, and so on; each text is one change.
    void type(int tag, const std::string& keys)
    {
        for (size_t i = 1; i <= keys.size(); ++i)
            form.editChange(tag, keys.substr(0, i));
    }

    const std::string& box(int tag) const { return form.boxText(tag); }

    std::unique_ptr<CircuitModel> owned = std::make_unique<CircuitModel>();
    CircuitModel& m = *owned;
    SessionState session;
    ParameterForm form{m, session};
};

TEST_F(ParameterFormTest, StartUpPushesTheDefaultsThroughTheBoxes)
{
    EXPECT_EQ(m.innerSiteCount, 20);   // 0 before the first push
    EXPECT_EQ(m.outerSiteCount, 8);    // connectionSite - 2
    EXPECT_EQ(m.totalSiteCount, 29);
    EXPECT_EQ(m.parametersChanged, 0);
    EXPECT_EQ(m.siteChooserItemCount, 29);
    const std::pair<int, const char*> shown[] = {{1, "0.02"}, {2, "0.1"}, {3, "1"},  {4, "20"},
                                                 {5, "10"},   {6, "26"},  {8, "8"},  {9, "2"},
                                                 {10, "0"},   {13, "0"},  {19, "0.001"},
                                                 {23, "0.3"}, {24, "0.2"}, {25, "50"}};
    for (const auto& [tag, text] : shown)
        EXPECT_EQ(box(tag), text) << "Edit" << tag;
    for (FormPage hidden : {FormPage::TabSheet_Out, FormPage::TabSheet_delay, FormPage::TabSheet_de1,
                            FormPage::TabSheet_de2})
        EXPECT_FALSE(form.pageVisible(hidden));
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_dc));
    for (int k : {1, 4, 6, 8, 9, 11})
        EXPECT_TRUE(form.radioChecked(k)) << "RadioButton" << k;
    EXPECT_FALSE(form.radioEnabled(7));
    EXPECT_FALSE(form.radioEnabled(8));
    EXPECT_FALSE(form.boxEnabled(21));
    EXPECT_TRUE(form.boxEnabled(25));
    EXPECT_EQ(form.pageHint(FormPage::TabSheet_general),
              "There are 8sites in the outer circuit, numberd 22 to 29");
    EXPECT_EQ(form.lamp(), LampState::Blue);
}

TEST_F(ParameterFormTest, Typing25Over20CascadesThroughTheBoxes)
{
    form.editChange(4, "2");
    EXPECT_EQ(box(4), "2");   // taken silently: the user is still typing
    EXPECT_EQ(m.innerSiteCount, 11);
    EXPECT_EQ(m.connectionSite, 9);
    EXPECT_EQ(box(5), "9");
    EXPECT_EQ(m.outerSiteCount, 7);
    EXPECT_EQ(m.scarEntrySite, 19);
    EXPECT_EQ(box(6), "19");

    form.editChange(4, "25");
    EXPECT_EQ(box(4), "25");
    EXPECT_EQ(m.innerSiteCount, 25);
    EXPECT_EQ(m.scarEntrySite, 27);
    EXPECT_EQ(box(6), "27");
    EXPECT_EQ(m.connectionSite, 9);
    EXPECT_EQ(m.outerSiteCount, 7);
    EXPECT_EQ(m.parametersChanged, 1);
}

TEST_F(ParameterFormTest, InnerSiteCountNeverStaysBelowEleven)
{
    type(4, "10");
    EXPECT_EQ(box(4), "11");
    EXPECT_EQ(m.innerSiteCount, 11);

    type(4, "9");
    EXPECT_EQ(box(4), "9");
    EXPECT_EQ(m.innerSiteCount, 11);
    form.editExit(4);
    EXPECT_EQ(box(4), "11");

    type(4, "45");
    EXPECT_EQ(box(4), "40");
    EXPECT_EQ(m.innerSiteCount, 40);
}

TEST_F(ParameterFormTest, ConnectionSiteSetsTheOuterLoopAndItsHint)
{
    type(5, "12");
    EXPECT_EQ(m.connectionSite, 12);
    EXPECT_EQ(m.outerSiteCount, 10);
    const std::string hint = "There are 10sites in the outer circuit, numberd 22 to 31";
    EXPECT_EQ(form.pageHint(FormPage::TabSheet_general), hint);
    EXPECT_EQ(form.pageHint(FormPage::TabSheet_Out), hint);

    type(5, "40");   // above 38, then above n - 2
    EXPECT_EQ(box(5), "18");
    EXPECT_EQ(m.connectionSite, 18);
}

TEST_F(ParameterFormTest, RatioOtherThanOneSwitchesEqualLengthsOff)
{
    type(3, "1.5");
    EXPECT_TRUE(form.radioChecked(2));
    EXPECT_EQ(m.equalSegments, 0);
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_Out));

    form.selectRadio(1);   // "Yes" again with the ratio still 1.5 falls back to "No"
    EXPECT_TRUE(form.radioChecked(2));
    EXPECT_FALSE(form.radioChecked(1));
    EXPECT_EQ(m.equalSegments, 0);
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_Out));

    type(8, "12");
    EXPECT_EQ(m.outerSiteCount, 12);
    type(3, "1");
    form.selectRadio(1);
    EXPECT_EQ(m.equalSegments, 1);
    EXPECT_EQ(m.outerSiteCount, 8);
    EXPECT_FALSE(form.pageVisible(FormPage::TabSheet_Out));
}

TEST_F(ParameterFormTest, OuterLoopSizeIsKeptWithinItsLimits)
{
    form.selectRadio(2);
    type(8, "5");
    EXPECT_EQ(box(8), "5");
    EXPECT_EQ(m.outerSiteCount, 7);
    form.editExit(8);
    EXPECT_EQ(box(8), "7");
    type(8, "50");
    EXPECT_EQ(box(8), "42");
    // The scar site follows the outer loop: 60 is beyond 20 + 7 + 1.
    type(6, "60");
    EXPECT_EQ(m.scarEntrySite, 60);
    type(8, "7");
    EXPECT_EQ(m.scarEntrySite, 28);
    EXPECT_EQ(box(6), "28");
}

TEST_F(ParameterFormTest, SwitchingTheFirstDeadEndOffSwitchesTheSecondOff)
{
    form.selectRadio(5);
    EXPECT_TRUE(form.radioEnabled(7));
    EXPECT_EQ(m.deadEnd1Site, 2);
    EXPECT_EQ(m.deadEnd1SegmentCount, 4);
    form.selectRadio(7);
    EXPECT_EQ(m.deadEnd2Site, 3);
    EXPECT_EQ(box(16), "4");
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_de1));
    EXPECT_TRUE(form.pageVisible(FormPage::TabSheet_de2));

    form.selectRadio(6);
    EXPECT_TRUE(form.radioChecked(8));
    EXPECT_FALSE(form.radioEnabled(7));
    EXPECT_FALSE(form.radioEnabled(8));
    EXPECT_FALSE(form.pageVisible(FormPage::TabSheet_de1));
    EXPECT_FALSE(form.pageVisible(FormPage::TabSheet_de2));
    EXPECT_EQ(m.hasDeadEnd2, 0);
    for (int tag : {11, 13, 14, 16})
        EXPECT_EQ(box(tag), "0") << "Edit" << tag;
    EXPECT_EQ(m.deadEnd1SegmentCount + m.deadEnd2SegmentCount, 0);
}

TEST_F(ParameterFormTest, TwoDeadEndsAtOneSiteAreFlagged)
{
    form.selectRadio(5);
    form.selectRadio(7);
    type(11, "4");
    EXPECT_FALSE(form.label79Visible());
    type(14, "4");
    EXPECT_TRUE(form.label79Visible());
    EXPECT_EQ(form.lamp(), LampState::Red);
    EXPECT_EQ(m.checkError, 1);

    type(14, "5");
    EXPECT_FALSE(form.label79Visible());
    EXPECT_NE(form.lamp(), LampState::Red);

    // Switching the second pathway off while they conflict leaves no red lamp behind.
    type(11, "5");
    EXPECT_EQ(form.lamp(), LampState::Red);
    form.selectRadio(8);
    EXPECT_FALSE(form.label79Visible());
    EXPECT_EQ(m.deadEndConflict, 0);
    EXPECT_NE(form.lamp(), LampState::Red);
}

// Upper limits that are corrected and shown at once.
struct LimitCase {
    int tag;
    const char* typed;
    const char* shown;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << "Edit" << c.tag << " \"" << c.typed << "\""; }

class UpperLimitTest : public ParameterFormTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(UpperLimitTest, CorrectsAndShows)
{
    const LimitCase& c = GetParam();
    if (c.tag == 21)
        form.selectRadio(10);
    type(c.tag, c.typed);
    EXPECT_EQ(box(c.tag), c.shown);
    EXPECT_EQ(boxValue(m, *parameterBox(c.tag)), std::stod(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Boxes, UpperLimitTest,
                         ::testing::Values(LimitCase{21, "30", "25"}, LimitCase{20, "31", "30"},
                                           LimitCase{2, "0.7", "0.5"}, LimitCase{9, "8", "5"},
                                           LimitCase{12, "6", "5"}, LimitCase{15, "9", "5"},
                                           LimitCase{19, "0.009", "0.005"}, LimitCase{23, "1", "0.99"},
                                           LimitCase{23, "3", "0.99"}, LimitCase{24, "1", "1"},
                                           LimitCase{24, "1.5", "1"}, LimitCase{25, "150", "100"},
                                           LimitCase{11, "45", "29"}),
                         [](const ::testing::TestParamInfo<LimitCase>& info) {
                             std::string typed = info.param.typed;
                             for (char& c : typed)
                                 if (c == '.')
                                     c = '_';
                             return "Edit" + std::to_string(info.param.tag) + "_" + typed;
                         });

TEST_F(ParameterFormTest, CardiacRadiusBelowCircuitRadiusWaitsForThePageChange)
{
    type(2, "0.01");
    EXPECT_EQ(m.cardiacRadius, 0.01);
    EXPECT_EQ(m.circuitRadius, 0.02);
    EXPECT_EQ(box(1), "0.02");

    const PageChangeResult result = form.OnTabChange(FormPage::TabSheet_des);
    EXPECT_EQ(m.circuitRadius, 0.01);
    EXPECT_EQ(box(1), "0.01");
    // The description of the page already shows the circuit with the corrected radius.
    EXPECT_TRUE(result.pushChangedParameters);
    EXPECT_NEAR(m.innerSpacing, 2 * m.pi * 0.01 / 20, 1e-15);
    ASSERT_TRUE(result.description);
    EXPECT_EQ(result.description->Label105, "0.0100");
}

TEST_F(ParameterFormTest, InvalidTextLeavesTheValueAndRunsNoRule)
{
    // After the message every refused box shows its stored value again.
    EntryOutcome outcome = form.editChange(1, ".");
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.error, "'.' is not a valid floating point value");
    EXPECT_EQ(m.circuitRadius, 0.02);
    EXPECT_EQ(box(1), "0.02");

    outcome = form.editChange(4, "2x");   // pasted
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.error, "'2x' is not a valid integer value");
    EXPECT_EQ(m.innerSiteCount, 20);
    EXPECT_EQ(m.connectionSite, 10);
    EXPECT_EQ(box(4), "20");

    // An empty box keeps the stored value; leaving it empty is refused by the exit rule.
    EXPECT_TRUE(form.editChange(5, "").accepted);
    EXPECT_EQ(m.connectionSite, 10);
    outcome = form.editExit(5);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.error, "'' is not a valid integer value");
    EXPECT_EQ(box(5), "10");
    form.editChange(19, "");
    EXPECT_TRUE(form.editExit(19).accepted);   // the other boxes have no exit rule to refuse
    EXPECT_EQ(box(19), "0.001");
}

TEST_F(ParameterFormTest, APathThatIsOffKeepsNoSegmentsWhateverItsBoxesReceive)
{
    // Typed, stepped or left at the spin minimum: the count of a path that is off stays 0,
    // and its connection site keeps what the switch left.
    form.selectRadio(5);
    form.selectRadio(6);
    for (int tag : {10, 13, 16}) {
        type(tag, "3");
        EXPECT_EQ(box(tag), "0") << "Edit" << tag;
        form.editClick(tag, SpinDirection::Up);
        form.editExit(tag);
        EXPECT_EQ(box(tag), "0") << "Edit" << tag;
    }
    for (int tag : {11, 14}) {   // 0 below the spin minimum, and the stored default
        const std::string before = box(tag);
        form.editEnter(tag);
        form.editExit(tag);
        EXPECT_EQ(box(tag), before) << "Edit" << tag;
    }
    EXPECT_EQ(m.delaySegmentCount + m.deadEnd1SegmentCount + m.deadEnd2SegmentCount, 0);
    EXPECT_EQ(m.deadEnd1Site, 0);
    // Switched on, the path takes its defaults and its box rules again.
    form.selectRadio(3);
    EXPECT_EQ(m.delaySegmentCount, 3);
    type(10, "4");
    EXPECT_EQ(m.delaySegmentCount, 4);
}

TEST_F(ParameterFormTest, LeavingABoxKeepsItWithinItsSpinRange)
{
    const LimitCase cases[] = {{20, "0", "1"}, {25, "0", "1"}, {1, "0", "0.01"}, {19, "0", "0.0001"},
                               {6, "5", "22"}, {5, "8", "9"},  {23, "0", "0.001"}};
    for (const LimitCase& c : cases) {
        form.editChange(c.tag, c.typed);
        form.editExit(c.tag);
        EXPECT_EQ(box(c.tag), c.shown) << "Edit" << c.tag;
        EXPECT_EQ(boxValue(m, *parameterBox(c.tag)), std::stod(c.shown)) << "Edit" << c.tag;
    }
}

TEST_F(ParameterFormTest, FinishEditingRunsTheExitRulesOfTheFocusedBox)
{
    form.editEnter(19);
    form.editChange(19, "0");
    EXPECT_EQ(m.clockStep, 0.0);
    EXPECT_TRUE(form.finishEditing().accepted);
    EXPECT_EQ(m.clockStep, 0.0001);
    EXPECT_EQ(form.focusedBox(), 19);
    form.editExit(19);
    EXPECT_EQ(form.focusedBox(), 0);
}

TEST_F(ParameterFormTest, SpinButtonsStepWithinTheRange)
{
    struct Step {
        int tag;
        SpinDirection direction;
        const char* shown;
    };
    const Step steps[] = {
        {1, SpinDirection::Up, "0.030"},    {19, SpinDirection::Up, "0.0011"},
        {25, SpinDirection::Down, "40"},    {4, SpinDirection::Up, "21"},
        {20, SpinDirection::Down, "4"},     {3, SpinDirection::Up, "1.100"},
    };
    for (const Step& s : steps) {
        form.editClick(s.tag, s.direction);
        EXPECT_EQ(box(s.tag), s.shown) << "Edit" << s.tag;
    }
    EXPECT_EQ(m.circuitRadius, 0.03);
    EXPECT_EQ(m.innerSiteCount, 21);
    EXPECT_EQ(m.equalSegments, 0);   // the ratio left 1

    type(4, "11");
    form.editClick(4, SpinDirection::Down);   // the bottom of the range
    EXPECT_EQ(box(4), "11");
    type(2, "0.5");
    form.editClick(2, SpinDirection::Up);     // 0.51 is beyond the entry limit
    EXPECT_EQ(box(2), "0.5");
    form.editChange(4, "2");                  // a digit taken silently as 11
    form.editClick(4, SpinDirection::Up);
    EXPECT_EQ(box(4), "11");
}

TEST_F(ParameterFormTest, KeyFiltersAndCharacterLimits)
{
    for (char32_t key : {U'0', U'5', U'9', char32_t(8), char32_t(9), char32_t(13), char32_t(27),
                         char32_t(127)}) {
        EXPECT_TRUE(Edit_Key_Press_I(key)) << unsigned(key);
        EXPECT_TRUE(Edit_Key_Press_D(key)) << unsigned(key);
    }
    EXPECT_FALSE(Edit_Key_Press_I(U'.'));
    EXPECT_TRUE(Edit_Key_Press_D(U'.'));
    for (char32_t key : {U'-', U'+', U'e', U'E', U',', U' ', U'a', U'\u00e9'}) {
        EXPECT_FALSE(Edit_Key_Press_I(key)) << unsigned(key);
        EXPECT_FALSE(Edit_Key_Press_D(key)) << unsigned(key);
    }
    const ParameterBox edit4 = *parameterBox(4), edit13 = *parameterBox(13), edit10 = *parameterBox(10);
    EXPECT_TRUE(boxAcceptsKey(edit4, U'5', 1, 0));
    EXPECT_FALSE(boxAcceptsKey(edit4, U'5', 2, 0));
    EXPECT_TRUE(boxAcceptsKey(edit4, U'5', 2, 2));   // typing over the selection
    EXPECT_TRUE(boxAcceptsKey(edit4, char32_t(8), 2, 0));
    EXPECT_FALSE(boxAcceptsKey(edit13, U'5', 1, 0));
    EXPECT_TRUE(boxAcceptsKey(edit10, U'5', 40, 0));   // no limit
    EXPECT_FALSE(boxAcceptsKey(edit4, U'.', 0, 0));
    EXPECT_TRUE(boxAcceptsKey(*parameterBox(1), U'.', 1, 0));
}

TEST_F(ParameterFormTest, StimulationModeAndDisplayedSites)
{
    form.selectRadio(10);
    EXPECT_EQ(m.stimulationMode, 0);
    for (int tag : {21, 23, 24})
        EXPECT_TRUE(form.boxEnabled(tag));
    for (int tag : {20, 25})
        EXPECT_FALSE(form.boxEnabled(tag));
    form.selectRadio(9);
    EXPECT_EQ(m.stimulationMode, 1);
    EXPECT_TRUE(form.boxEnabled(20));
    EXPECT_FALSE(form.boxEnabled(24));

    const int refills = form.requestCounts().resultSheet;
    form.selectRadio(12);
    EXPECT_EQ(m.displayAllSites, 1);
    EXPECT_TRUE(form.displayChoosersEnabled());
    EXPECT_EQ(form.requestCounts().resultSheet, refills + 1);
    form.selectRadio(12);   // already selected: nothing happens
    EXPECT_EQ(form.requestCounts().resultSheet, refills + 1);
    form.ComboBox1Change(3, 6);
    EXPECT_EQ(m.displayedSites[3], 7);
    form.selectRadio(11);
    EXPECT_EQ(m.displayAllSites, 0);
    EXPECT_FALSE(form.displayChoosersEnabled());
}

TEST_F(ParameterFormTest, StimulusSiteOutsideTheInnerLoopIsAWarning)
{
    form.siteColour = [](const CircuitModel& model, int site, int highlight) -> Rgb {
        return site == model.stimulusSite && highlight == 1 ? 0xFF0000 : 0x00FF00;
    };
    m.ecgChannelSite[4] = 23;
    form.ComboBoxSChange(22);   // site 23, in the outer loop
    EXPECT_EQ(m.stimulusSite, 23);
    EXPECT_EQ(m.stimulusSiteWarning, 1);
    EXPECT_EQ(form.lamp(), LampState::Yellow);
    EXPECT_EQ(m.ecgChannelColour[4], 0xFF0000u);
    EXPECT_EQ(m.ecgChannelColour[5], 0x00FF00u);
    form.ComboBoxSChange(20);   // site 21: the node that closes the inner loop
    EXPECT_EQ(m.stimulusSiteWarning, 1);
    form.ComboBoxSChange(4);
    EXPECT_EQ(m.stimulusSiteWarning, 0);
    EXPECT_EQ(form.lamp(), LampState::Blue);
}

}  // namespace

namespace {

TEST_F(ParameterFormTest, ListenersHearOncePerOperationWhateverItCascades)
{
    int calls = 0;
    form.addChangeListener([&] { ++calls; });
    form.editChange(4, "2");   // writes Edit5 and Edit6 on the way
    EXPECT_EQ(calls, 1);
    form.selectRadio(5);
    form.selectRadio(7);
    form.selectRadio(6);       // selects RadioButton8 and writes four boxes
    EXPECT_EQ(calls, 4);
    form.OnTabChange(FormPage::TabSheet_des2);
    EXPECT_EQ(calls, 5);
    form.selectRadio(6);       // already selected: nothing ran, nobody is told
    form.editEnter(4);
    EXPECT_EQ(calls, 5);
}

}  // namespace
