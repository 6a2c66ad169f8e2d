// The parameter pages and the pages of the model inside the real main window: keys,
// clicks on tabs, radio buttons, spin buttons and table cells, as a user gives them.
#include "app/main_window.h"
#include "app/status_panels.h"
#include "model/parameter_form.h"
#include "model/table_edit.h"
#include "pages/check_page.h"
#include "pages/circuit_page.h"
#include "pages/dead_end_pages.h"
#include "pages/param2_page.h"
#include "pages/param3_page.h"
#include "pages/param4_page.h"
#include "pages/segment_table_view.h"
#include "presentation/site_colour.h"
#include "shell_test_support.h"
#include "window_pages_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;
using quorel::gui::testing::WindowPages;

namespace {


TEST_F(WindowPages, Edit4CorrectsTheOtherBoxesWhileTypingAndWhenLeft)
{
    EXPECT_EQ(edit(4)->text(), "20");
    typeInto(TabSheet_general, 4, "2");
    // 2 is taken as 11 for now: the connection site, the outer loop and the scar follow.
    EXPECT_EQ(edit(4)->text(), "2");
    EXPECT_EQ(edit(5)->text(), "9");
    EXPECT_EQ(m().outerSiteCount, 7);   // Edit8 stands on the hidden "loop" page
    EXPECT_EQ(edit(6)->text(), "19");
    QTest::keyClicks(edit(4), "5");
    EXPECT_EQ(edit(4)->text(), "25");
    EXPECT_EQ(edit(6)->text(), "27");
    EXPECT_EQ(edit(5)->text(), "9");
    EXPECT_EQ(m().innerSiteCount, 25);
    EXPECT_EQ(window->PageControl1->tabToolTip(TabSheet_general),
              "There are 7sites in the outer circuit, numberd 27 to 33");

    typeInto(TabSheet_general, 4, "10");
    EXPECT_EQ(edit(4)->text(), "11");
    typeInto(TabSheet_general, 4, "9");
    EXPECT_EQ(edit(4)->text(), "9");
    QTest::keyClick(edit(4), Qt::Key_Tab);   // the focus leaves Edit4
    EXPECT_EQ(edit(4)->text(), "11");
    EXPECT_EQ(m().innerSiteCount, 11);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WindowPages, ConnectionSiteRewritesTheHintOfTheParam1Tab)
{
    // The mouse rests on the page: its hint is on the hint line.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window->pageWidget(TabSheet_general), &enter);
    ASSERT_EQ(window->StatusBar1->hintText(), "There are 8sites in the outer circuit, numberd 22 to 29");

    typeInto(TabSheet_general, 5, "12");
    EXPECT_EQ(m().outerSiteCount, 10);
    const QString hint = "There are 10sites in the outer circuit, numberd 22 to 31";
    EXPECT_EQ(window->PageControl1->tabToolTip(TabSheet_general), hint);
    EXPECT_EQ(window->pageWidget(TabSheet_general)->statusTip(), hint);
    EXPECT_EQ(window->StatusBar1->hintText(), hint);   // followed without a mouse move
    // Hovering the tab shows the same text.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->pageWidget(TabSheet_general), &leave);
    ASSERT_TRUE(window->StatusBar1->hintText().isEmpty());
    PageTabBar* bar = window->PageControl1->pageTabBar();
    const QPoint tab = bar->visualTabRect(TabSheet_general).center();
    QMouseEvent move(QEvent::MouseMove, QPointF(tab), QPointF(bar->mapToGlobal(tab)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    EXPECT_EQ(window->StatusBar1->hintText(), hint);
}

TEST_F(WindowPages, RatioOtherThanOneShowsTheLoopPageAndKeepsEqualLengthsOff)
{
    ASSERT_FALSE(window->isPageVisible(TabSheet_Out));
    typeInto(TabSheet_general, 3, "1.5");
    EXPECT_TRUE(radio(2)->isChecked());
    EXPECT_TRUE(window->isPageVisible(TabSheet_Out));

    clickOn(radio(1));   // "Yes" while the ratio is still 1.5
    EXPECT_TRUE(radio(2)->isChecked());
    EXPECT_FALSE(radio(1)->isChecked());
    EXPECT_EQ(m().equalSegments, 0);
    EXPECT_TRUE(window->isPageVisible(TabSheet_Out));

    typeInto(TabSheet_Out, 8, "12");
    EXPECT_TRUE(edit(8)->isVisible());
    EXPECT_EQ(m().outerSiteCount, 12);
}

TEST_F(WindowPages, DeadEndPathwaysShowTheirPagesTheConflictAndTheRedLamp)
{
    EXPECT_FALSE(isRed(paintedLamp()));
    clickOn(radio(5));
    clickOn(radio(7));
    EXPECT_TRUE(window->isPageVisible(TabSheet_de1));
    EXPECT_TRUE(window->isPageVisible(TabSheet_de2));

    typeInto(TabSheet_de1, 11, "4");
    typeInto(TabSheet_de2, 14, "4");
    EXPECT_TRUE(deadEnd2Page()->conflictMessage->isVisible());
    EXPECT_TRUE(isRed(paintedLamp()));
    clickTab(TabSheet_bs);
    EXPECT_TRUE(window->checkPage->Label79->isVisible());
    EXPECT_EQ(window->checkPage->Label79->text(), "two dead-end pathways cannot be connected to the same site");

    typeInto(TabSheet_de2, 14, "5");
    EXPECT_FALSE(deadEnd2Page()->conflictMessage->isVisible());
    EXPECT_FALSE(isRed(paintedLamp()));
    clickTab(TabSheet_bs);
    EXPECT_FALSE(window->checkPage->Label79->isVisible());

    // Switching the first pathway off switches the second off too and hides both pages.
    clickTab(TabSheet_general);
    clickOn(radio(6));
    EXPECT_TRUE(radio(8)->isChecked());
    EXPECT_FALSE(radio(7)->isEnabled());
    EXPECT_FALSE(window->isPageVisible(TabSheet_de1));
    EXPECT_FALSE(window->isPageVisible(TabSheet_de2));
    EXPECT_EQ(m().hasDeadEnd2, 0);
}

TEST_F(WindowPages, TrainBoxesTakeTheirLimitsAndTheSpinButtonsStep)
{
    clickTab(TabSheet_des2);
    EXPECT_FALSE(edit(21)->isEnabled());
    clickOn(radio(10));
    ASSERT_TRUE(edit(21)->isEnabled());
    typeInto(TabSheet_des2, 21, "30");
    EXPECT_EQ(edit(21)->text(), "25");
    EXPECT_EQ(m().trainStimulusCount, 25);
    QTest::mouseClick(window->findChild<QToolButton*>("Edit21Down"), Qt::LeftButton);
    EXPECT_EQ(edit(21)->text(), "24");
    EXPECT_EQ(m().trainStimulusCount, 24);
}

TEST_F(WindowPages, CircuitRadiusFollowsALowerCardiacRadiusAtTheNextPageChange)
{
    typeInto(TabSheet_general, 2, "0.01");
    EXPECT_EQ(edit(1)->text(), "0.02");
    EXPECT_EQ(m().circuitRadius, 0.02);

    clickTab(TabSheet_des);
    EXPECT_EQ(edit(1)->text(), "0.01");
    EXPECT_EQ(m().circuitRadius, 0.01);
    // The circuit shown is already built with the corrected radius.
    EXPECT_EQ(window->circuitPage->valueLabel("Label105")->text(), "0.0100");
    EXPECT_EQ(window->circuitPage->valueLabel("Label110")->text(), "0.0031");
}

TEST_F(WindowPages, StructuralChangeThenPageChangeResetsHistoryAndStimulusSite)
{
    Param3Page* param3 = window->param3Page;
    Param4Page* param4 = window->param4Page;
    const auto addHistoryRow = [&] {
        window->session().history.rows.push_back({"1/2/2025 10:00", "Single", "5", "5", "50", "1", "", ""});
        param4->syncFromForm();
    };

    chooseStimulusSite(5);
    addHistoryRow();
    // The scar site and a radius leave the numbering alone: nothing is reset.
    typeInto(TabSheet_general, 6, "28");
    typeInto(TabSheet_general, 2, "0.09");
    clickTab(TabSheet_param4);
    EXPECT_EQ(param4->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(m().stimulusSite, 5);
    clickTab(TabSheet_des2);
    EXPECT_EQ(param3->ComboBoxS->site(), 5);

    typeInto(TabSheet_general, 4, "25");
    clickTab(TabSheet_param4);
    EXPECT_EQ(param4->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(window->session().history.rows.empty());
    EXPECT_EQ(m().stimulusSite, 1);
    clickTab(TabSheet_des2);
    EXPECT_EQ(param3->ComboBoxS->site(), 1);
    EXPECT_EQ(param3->ComboBoxS->count(), 25 + 7 + 1);   // refilled for the new numbering

    // A site chosen after that page change stands through the page changes that follow.
    chooseStimulusSite(3);
    clickTab(TabSheet_bs);
    EXPECT_EQ(m().stimulusSite, 3);
}

TEST_F(WindowPages, SiteListsPaintTheStimulusSiteRed)
{
    SiteList* list = window->param3Page->ComboBoxS;
    EXPECT_EQ(window->param4Page->ComboBox[1]->objectName(), "ComboBox1");
    clickTab(TabSheet_des2);
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(m().stimulusSite, 3);
    EXPECT_EQ(list->itemColour(2), QColor(Qt::red));
    EXPECT_EQ(list->itemColour(3), QColor(QRgb(siteColour(m(), 4, true))));
    // The closed list shows the chosen site's colour too.
    // Probed at the right end of the face, where the short site name leaves the fill bare.
    const auto faceColour = [](SiteList* l) {
        const QRect field = l->faceRect();
        return l->grab().toImage().pixelColor(field.right() - 2, field.center().y());
    };
    EXPECT_TRUE(isRed(faceColour(list)));

    // The lists of "param4" are faded while "all" sites are shown, in colour once chosen.
    clickTab(TabSheet_param4);
    SiteList* first = window->param4Page->ComboBox[1];
    const QColor site1 = first->itemColour(0);
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 24;
    };
    ASSERT_FALSE(first->isEnabled());
    EXPECT_FALSE(near(faceColour(first), site1));
    clickOn(radio(12));
    ASSERT_TRUE(first->isEnabled());
    EXPECT_TRUE(near(faceColour(first), site1));
}

TEST_F(WindowPages, TableEditsInTheWindowCorrectRejectAndRefreshTheOtherPages)
{
    clickTab(TabSheet_dc);
    Param2Page* param2 = window->param2Page;
    clickOn(param2->SpeedButton6);
    ASSERT_TRUE(param2->gridEditEnabled());

    const auto typeIntoCell = [&](int row, int column, const char* keys) -> CellEditor* {
        const QModelIndex index = param2->SGDI->segmentModel()->indexOf(row, column);
        static_cast<QTableView*>(param2->SGDI)->scrollTo(index);
        QTest::mouseClick(param2->SGDI->viewport(), Qt::LeftButton, {},
                          param2->SGDI->visualRect(index).center());
        CellEditor* editor = param2->SGDI->editorAt(row, column);
        if (!editor)
            return nullptr;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, keys);
        return editor;
    };

    const QString estimateBefore = window->param3Page->Label144->text();
    EXPECT_EQ(estimateBefore, "0.2513sec");
    CellEditor* editor = typeIntoCell(4, kColumnCv, "1");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "0.99");
    EXPECT_EQ(cv(m(), 4), 0.99);
    // The estimate on "param3" follows the table at once.
    EXPECT_EQ(window->param3Page->Label144->text(), param2->Label96->text());
    EXPECT_NE(window->param3Page->Label144->text(), estimateBefore);

    editor = typeIntoCell(5, kColumnErp, "0");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(erp(m(), 5), 0.2);
    editor = typeIntoCell(6, kColumnCv, "0");
    EXPECT_EQ(cv(m(), 6), 0.5);

    const double estimate = m().estimatedCycleLength;
    editor = typeIntoCell(6, kColumnCv, ".");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'.' is not a valid floating point value");
    EXPECT_EQ(icons[0], QMessageBox::Critical);
    EXPECT_EQ(cv(m(), 6), 0.5);
    EXPECT_EQ(m().estimatedCycleLength, estimate);

    // An ERP within 10 ms of a conduction time is reported on "check" and by the lamp
    // as soon as it is typed.
    ASSERT_TRUE(window->checkPage->Label91->isHidden());
    typeIntoCell(3, kColumnErp, "0.015");
    ASSERT_EQ(erp(m(), 3), 0.015);
    EXPECT_FALSE(window->checkPage->Label91->isHidden());
    QStringList reported;   // the segments into and out of site 3, in both loops
    for (int column = 1; column < window->checkPage->SGBS2->columnCount(); ++column)
        reported << window->checkPage->SGBS2->item(0, column)->text();
    EXPECT_EQ(reported.join(' '), "2->3 2->3 3->4 3->4");
    const QColor lamp = paintedLamp();
    EXPECT_TRUE(lamp.red() > 180 && lamp.green() > 150 && lamp.blue() < 100);   // yellow

    // A page change leaves the edit mode.
    clickTab(TabSheet_bs);
    EXPECT_FALSE(param2->gridEditEnabled());
    EXPECT_EQ(m().gridEditEnabled, 0);
    clickTab(TabSheet_dc);
    EXPECT_EQ(param2->SGDI->editorAt(4, kColumnCv), nullptr);
}

TEST_F(WindowPages, ABoxLeftEmptyByAPageChangeIsReportedOnceAndRestored)
{
    typeInto(TabSheet_general, 4, "");
    QTest::keyClick(edit(4), Qt::Key_Backspace);
    ASSERT_EQ(edit(4)->text(), "");
    clickTab(TabSheet_des2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'' is not a valid integer value");
    EXPECT_EQ(m().innerSiteCount, 20);
    EXPECT_EQ(edit(4)->text(), "20");   // the page change wrote the stored value back
}

TEST_F(WindowPages, CommandsReadTheModelAfterTheExitRulesOfTheBoxBeingTyped)
{
    int seen = 0;
    window->setCommandHandler(Command::Print, [&] { seen = m().innerSiteCount; });
    typeInto(TabSheet_general, 4, "5");
    ASSERT_TRUE(edit(4)->hasFocus());
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(seen, 11);
    EXPECT_EQ(edit(4)->text(), "11");

    // A box whose exit rule refuses its text stops the command with the message.
    seen = 0;
    typeInto(TabSheet_general, 5, "");
    QTest::keyClick(edit(5), Qt::Key_Backspace);
    ASSERT_EQ(edit(5)->text(), "");
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(seen, 0);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'' is not a valid integer value");
    typeInto(TabSheet_general, 5, "12");
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(seen, 11);
    EXPECT_EQ(m().connectionSite, 9);   // bounded by the inner loop of 11 sites
}

TEST_F(WindowPages, EveryPageOfTheModelIsFilledAtStartAndFollowsThePageChange)
{
    EXPECT_EQ(window->param2Page->Label96->text(), "0.2513sec");
    EXPECT_EQ(window->circuitPage->valueLabel("Label46")->text().toStdString(),
              describeCircuit(m()).Label46);
    EXPECT_EQ(window->param3Page->ComboBoxS->count(), 29);
    EXPECT_EQ(window->param4Page->ComboBox[10]->count(), 29);
    EXPECT_EQ(window->PageControl1->tabToolTip(TabSheet_general).toStdString(),
              window->form().pageHint(FormPage::TabSheet_general));

    int resultActivations = 0;
    std::vector<Page> activated;
    window->onResultPageActivated = [&] { ++resultActivations; };
    window->onPageActivated = [&](Page page) { activated.push_back(page); };
    clickTab(TabSheet_res1);
    clickTab(TabSheet_memo);
    EXPECT_EQ(resultActivations, 1);
    EXPECT_EQ((std::vector<Page>{TabSheet_res1, TabSheet_memo}), activated);

    // The result sheet's own duty is handed over; the layout is the window's.
    std::vector<FormRequest> requests;
    window->onFormRequest = [&](FormRequest what) { requests.push_back(what); };
    clickTab(TabSheet_param4);
    clickOn(radio(12));
    EXPECT_EQ((std::vector<FormRequest>{FormRequest::ResultSheet}), requests);

    // A longer inner loop shows up on "circuit" and on "DE1" after the page change.
    typeInto(TabSheet_general, 4, "30");
    clickOn(radio(5));
    clickTab(TabSheet_des);
    EXPECT_EQ(window->circuitPage->valueLabel("Label46")->text(), "30");
    clickTab(TabSheet_de1);
    EXPECT_EQ(deadEnd1Page()->Label25->text(), "30");
}

TEST_F(WindowPages, APageHiddenWhileItIsShownHandsOverThroughThePageChange)
{
    clickOn(radio(5));
    typeInto(TabSheet_de1, 11, "3");
    ASSERT_EQ(window->currentPage(), TabSheet_de1);
    std::vector<Page> activated;
    window->onPageActivated = [&](Page page) { activated.push_back(page); };

    // As a loaded circuit without dead-end pathway does it: the switch goes off by code.
    window->form().selectRadio(6);
    EXPECT_FALSE(window->isPageVisible(TabSheet_de1));
    ASSERT_EQ(activated.size(), 1u);
    EXPECT_EQ(activated[0], window->currentPage());
    EXPECT_NE(window->currentPage(), TabSheet_de1);
    EXPECT_EQ(m().hasDeadEnd1, 0);
    EXPECT_FALSE(radio(7)->isEnabled());
    EXPECT_TRUE(messages.isEmpty());
}

using WindowPageSettings = ShellFixture;

TEST_F(WindowPageSettings, StimulationModeAndDisplayedSitesSurviveARestart)
{
    {
        auto window = makeWindow();
        window->show();
        window->selectPage(TabSheet_des2);
        QTest::mouseClick(window->param3Page->radioButton(10), Qt::LeftButton, {}, QPoint(6, 8));
        window->selectPage(TabSheet_param4);
        QTest::mouseClick(window->param4Page->radioButton(12), Qt::LeftButton, {}, QPoint(6, 8));
        ASSERT_EQ(window->model().stimulationMode, 0);
        ASSERT_EQ(window->model().displayAllSites, 1);
        EXPECT_TRUE(window->close());
    }
    QSettings stored(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButton9.Checked").toInt(), 0);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButton10.Checked").toInt(), 1);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButton11.Checked").toInt(), 0);
    EXPECT_EQ(stored.value("TSDIAppForm/RadioButton12.Checked").toInt(), 1);

    // Restored through the buttons' own handlers: the model and the boxes follow.
    auto again = makeWindow();
    EXPECT_EQ(again->model().stimulationMode, 0);
    EXPECT_TRUE(again->param3Page->radioButton(10)->isChecked());
    EXPECT_TRUE(again->findChild<QLineEdit*>("Edit21")->isEnabled());
    EXPECT_FALSE(again->findChild<QLineEdit*>("Edit20")->isEnabled());
    EXPECT_EQ(again->model().displayAllSites, 1);
    EXPECT_TRUE(again->param4Page->ComboBox[4]->isEnabled());
}

}  // namespace
