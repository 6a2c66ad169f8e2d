// The parameter pages driven through their widgets: keys, spin buttons, focus changes
// and radio clicks reach the form, and every page shows what the form then holds.
#include "pages/dead_end_pages.h"
#include "pages/delay_page.h"
#include "pages/loop_page.h"
#include "pages/param1_page.h"
#include "pages/param3_page.h"
#include "pages/param4_page.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for the widgets' texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace quorel;
using namespace quorel::gui;

namespace {

class ParameterPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.runStartup();
        tabs.resize(520, 420);
        tabs.addTab(param1 = new Param1Page(form), "param1");
        tabs.addTab(loop = new LoopPage(form), "loop");
        tabs.addTab(delay = new DelayPage(form), "delay");
        tabs.addTab(de1 = new DeadEnd1Page(form), "DE1");
        tabs.addTab(de2 = new DeadEnd2Page(form), "DE2");
        tabs.addTab(param3 = new Param3Page(form), "param3");
        tabs.addTab(param4 = new Param4Page(form), "param4");
        for (ParameterPage* page : {static_cast<ParameterPage*>(param1), static_cast<ParameterPage*>(loop),
                                    static_cast<ParameterPage*>(delay), static_cast<ParameterPage*>(de1),
                                    static_cast<ParameterPage*>(de2), static_cast<ParameterPage*>(param3),
                                    static_cast<ParameterPage*>(param4)})
            QObject::connect(page, &ParameterPage::entryError,
                             [this](const QString& message) { errors << message; });
        tabs.show();
        QApplication::setActiveWindow(&tabs);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&tabs));
    }

    QLineEdit* edit(int tag) const { return tabs.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(tag)); }
    QToolButton* button(const char* name) const { return tabs.findChild<QToolButton*>(name); }
    QRadioButton* radio(int k) const
    {
        return tabs.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(k));
    }

    // The user clicks into the box (EditEnter selects all) or, when it has the focus
    // already, selects its text again, then types.
    void focusAndType(int tag, const QString& keys)
    {
        QLineEdit* box = edit(tag);
        tabs.setCurrentWidget(pageOf(box));
        if (box->hasFocus()) {
            box->selectAll();
        } else {
            box->setFocus(Qt::MouseFocusReason);
            QApplication::processEvents();   // the queued select-all of EditEnter
            ASSERT_EQ(box->selectedText(), box->text());
        }
        QTest::keyClicks(box, keys);
    }

    QWidget* pageOf(QWidget* widget) const
    {
        while (widget && tabs.indexOf(widget) < 0)
            widget = widget->parentWidget();
        return widget;
    }

    std::unique_ptr<CircuitModel> owned = std::make_unique<CircuitModel>();
    CircuitModel& m = *owned;
    SessionState session;
    ParameterForm form{m, session};
    QTabWidget tabs;
    Param1Page* param1 = nullptr;
    LoopPage* loop = nullptr;
    DelayPage* delay = nullptr;
    DeadEnd1Page* de1 = nullptr;
    DeadEnd2Page* de2 = nullptr;
    Param3Page* param3 = nullptr;
    Param4Page* param4 = nullptr;
    QStringList errors;
};

TEST_F(ParameterPagesTest, TypingIntoEdit4CascadesThroughTheOtherBoxes)
{
    EXPECT_EQ(edit(4)->text(), "20");
    focusAndType(4, "2");
    EXPECT_EQ(edit(4)->text(), "2");
    EXPECT_EQ(edit(5)->text(), "9");
    EXPECT_EQ(edit(6)->text(), "19");
    QTest::keyClicks(edit(4), "5");
    EXPECT_EQ(edit(4)->text(), "25");
    EXPECT_EQ(edit(6)->text(), "27");
    EXPECT_EQ(edit(5)->text(), "9");
    EXPECT_EQ(m.innerSiteCount, 25);
}

TEST_F(ParameterPagesTest, LeavingEdit4With9Shows11)
{
    focusAndType(4, "10");
    EXPECT_EQ(edit(4)->text(), "11");
    focusAndType(4, "9");
    EXPECT_EQ(edit(4)->text(), "9");
    edit(5)->setFocus(Qt::TabFocusReason);   // focus leaves Edit4
    EXPECT_EQ(edit(4)->text(), "11");
    EXPECT_EQ(m.innerSiteCount, 11);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ParameterPagesTest, BoxesLetThroughOnlyWhatTheirFilterAndLimitAllow)
{
    focusAndType(4, "a-.e3,1 7");
    EXPECT_EQ(edit(4)->text(), "31");   // two characters at most, digits only
    focusAndType(1, "0.4x5");
    EXPECT_EQ(edit(1)->text(), "0.1");   // 0.45 would be above the cardiac radius of 0.1
    EXPECT_EQ(m.circuitRadius, 0.1);

    // A lone decimal point is no number: the message goes to the window, nothing changes.
    focusAndType(2, ".");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "'.' is not a valid floating point value");
    EXPECT_EQ(m.cardiacRadius, 0.1);
}

TEST_F(ParameterPagesTest, SpinButtonsStepAndSelectTheText)
{
    QTest::mouseClick(button("Edit1Up"), Qt::LeftButton);
    EXPECT_EQ(edit(1)->text(), "0.030");
    EXPECT_TRUE(edit(1)->hasFocus());
    EXPECT_EQ(edit(1)->selectedText(), "0.030");
    EXPECT_EQ(m.circuitRadius, 0.03);

    QTest::mouseClick(button("Edit4Down"), Qt::LeftButton);
    EXPECT_EQ(edit(4)->text(), "19");
    QTest::keyClick(edit(4), Qt::Key_Up);
    EXPECT_EQ(edit(4)->text(), "20");

    QTest::mouseClick(button("Edit3Up"), Qt::LeftButton);   // the ratio leaves 1
    EXPECT_TRUE(radio(2)->isChecked());
}

TEST_F(ParameterPagesTest, SwitchesShowPagesAndFillTheirBoxes)
{
    QSignalSpy visibility(param1, &Param1Page::pageVisibilityChanged);
    EXPECT_FALSE(radio(7)->isEnabled());
    QTest::mouseClick(radio(5), Qt::LeftButton);
    EXPECT_TRUE(radio(7)->isEnabled());
    EXPECT_EQ(edit(11)->text(), "2");
    EXPECT_EQ(edit(13)->text(), "4");
    ASSERT_EQ(visibility.count(), 1);
    EXPECT_EQ(visibility[0][0].toInt(), pageIndex(FormPage::TabSheet_de1));
    EXPECT_TRUE(visibility[0][1].toBool());

    QTest::mouseClick(radio(7), Qt::LeftButton);
    QTest::mouseClick(radio(6), Qt::LeftButton);
    EXPECT_TRUE(radio(8)->isChecked());
    EXPECT_FALSE(radio(7)->isEnabled());
    EXPECT_EQ(edit(14)->text(), "0");
    ASSERT_EQ(visibility.count(), 4);
    // One click, both pages hidden.
    EXPECT_EQ(visibility[2][0].toInt(), pageIndex(FormPage::TabSheet_de1));
    EXPECT_FALSE(visibility[2][1].toBool());
    EXPECT_EQ(visibility[3][0].toInt(), pageIndex(FormPage::TabSheet_de2));
    EXPECT_FALSE(visibility[3][1].toBool());
}

TEST_F(ParameterPagesTest, EqualLengthsFallBackToNoWhileTheRatioIsNotOne)
{
    focusAndType(3, "1.5");
    EXPECT_TRUE(radio(2)->isChecked());
    QTest::mouseClick(radio(1), Qt::LeftButton);
    EXPECT_TRUE(radio(2)->isChecked());
    EXPECT_FALSE(radio(1)->isChecked());
    EXPECT_EQ(m.equalSegments, 0);
}

TEST_F(ParameterPagesTest, ConnectionSiteChangesTheHintOfParam1)
{
    QSignalSpy hints(param1, &Param1Page::pageHintChanged);
    focusAndType(5, "12");
    ASSERT_GE(hints.count(), 1);
    const QList<QVariant> last = hints.takeLast();
    EXPECT_EQ(last[1].toString(), "There are 10sites in the outer circuit, numberd 22 to 31");
}

TEST_F(ParameterPagesTest, DeadEndsAtOneSiteShowTheMessage)
{
    QTest::mouseClick(radio(5), Qt::LeftButton);
    QTest::mouseClick(radio(7), Qt::LeftButton);
    focusAndType(11, "4");
    focusAndType(14, "4");
    EXPECT_FALSE(de2->conflictMessage->isHidden());
    EXPECT_EQ(form.lamp(), LampState::Red);
    focusAndType(14, "5");
    EXPECT_TRUE(de2->conflictMessage->isHidden());
}

TEST_F(ParameterPagesTest, PageChangeRewritesTheBoxesAndLabels)
{
    focusAndType(2, "0.01");
    EXPECT_EQ(edit(1)->text(), "0.02");
    focusAndType(4, "25");
    form.OnTabChange(FormPage::TabSheet_de1);   // what the window runs on a page change
    EXPECT_EQ(edit(1)->text(), "0.01");
    EXPECT_EQ(de1->Label25->text(), "25");
    EXPECT_EQ(de1->Label28->text(), "9");
}

TEST_F(ParameterPagesTest, StimulationPageFollowsTheModeAndTheStimulusSite)
{
    EXPECT_FALSE(edit(21)->isEnabled());
    EXPECT_TRUE(edit(25)->isEnabled());
    QTest::mouseClick(radio(10), Qt::LeftButton);
    EXPECT_TRUE(edit(21)->isEnabled());
    EXPECT_FALSE(edit(20)->isEnabled());
    EXPECT_FALSE(tabs.findChild<QLabel*>("Unit25")->isEnabled());
    EXPECT_TRUE(tabs.findChild<QLabel*>("LabelTrainRevolutions")->isEnabled());
    focusAndType(21, "30");
    EXPECT_EQ(edit(21)->text(), "25");

    ASSERT_EQ(param3->ComboBoxS->count(), 29);
    EXPECT_EQ(param3->ComboBoxS->itemText(28), "site29");
    param3->ComboBoxS->setCurrentIndex(22);   // as a user's choice does
    EXPECT_EQ(m.stimulusSite, 23);
    EXPECT_EQ(form.lamp(), LampState::Yellow);

    // A structural change and a page change bring the stimulus back to site 1 and
    // refill the list for the new number of sites.
    focusAndType(4, "30");
    form.OnTabChange(FormPage::TabSheet_des2);
    EXPECT_EQ(param3->ComboBoxS->currentIndex(), 0);
    EXPECT_EQ(param3->ComboBoxS->count(), 30 + 7 + 1);
}

TEST_F(ParameterPagesTest, DisplayedSitesAndHistory)
{
    EXPECT_FALSE(param4->ComboBox[3]->isEnabled());
    QTest::mouseClick(radio(12), Qt::LeftButton);
    EXPECT_TRUE(param4->ComboBox[3]->isEnabled());
    EXPECT_TRUE(param4->ComboBoxCaption[3]->isEnabled());
    param4->ComboBox[3]->setCurrentIndex(6);
    EXPECT_EQ(m.displayedSites[3], 7);

    session.history.rows.push_back({"1/2/2025 10:00", "Single", "1", "5", "50", "1", "", ""});
    param4->syncFromForm();
    ASSERT_EQ(param4->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(param4->ListView1->topLevelItem(0)->text(1), "Single");
    focusAndType(4, "25");
    form.OnTabChange(FormPage::TabSheet_param4);
    EXPECT_EQ(param4->ListView1->topLevelItemCount(), 0);
}

}  // namespace

namespace {

TEST(LeaderLabel, ShortensOnlyTheDashesWhenNarrow)
{
    const QString caption = QStringLiteral("circuit radius ------------------------------------>");
    LeaderLabel label(caption, nullptr);
    const int full = label.fontMetrics().horizontalAdvance(caption);
    EXPECT_EQ(label.text(), caption);
    EXPECT_EQ(label.fittedText(full + 10), caption);
    const QString narrow = label.fittedText(full / 2);
    EXPECT_TRUE(narrow.startsWith(QStringLiteral("circuit radius --")));
    EXPECT_TRUE(narrow.endsWith(QStringLiteral("->")));
    EXPECT_LE(label.fontMetrics().horizontalAdvance(narrow), full / 2);
    // Never below the words and a short arrow, however narrow.
    EXPECT_EQ(label.fittedText(1), QStringLiteral("circuit radius -->"));
}

}  // namespace
