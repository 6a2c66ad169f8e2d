// The window never gives a wrong result silently: hidden pages stay out of reach, the
// stimulus site chosen after a change of the circuit is the one the run uses, typing into a
// cell replaces its text, the pages that shape a run wait for its end, and the result
// sheet keeps its site numbers and row labels in view.
#include "app/run_command.h"
#include "model/conduction.h"
#include "model/table_edit.h"
#include "pages/param2_page.h"
#include "pages/param3_page.h"
#include "pages/segment_table_view.h"
#include "text/number_text.h"
#include "views/result_sheet_view.h"
#include "window_pages_fixture.h"

#include <QLabel>
#include <QScrollBar>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <set>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::WindowPages;

namespace {

class WindowSafety : public WindowPages {
protected:
    void clickCalculation() { QTest::mouseClick(window->SpeedButton1, Qt::LeftButton); }
    QString resultMessage() const { return window->resultSheetView->LabelRes1->text(); }
};

TEST_F(WindowSafety, HiddenPagesCannotBeReachedByKeysWheelOrCode)
{
    // Delay path and dead-end pathways off: "loop", "delay", "DE1" and "DE2" are hidden.
    const int visiblePages = PageCount - 4;
    struct Route {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Route routes[] = {{"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier},
                            {"Ctrl+Shift+Tab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
                            {"Ctrl+PageDown", Qt::Key_PageDown, Qt::ControlModifier},
                            {"Ctrl+PageUp", Qt::Key_PageUp, Qt::ControlModifier}};
    for (const Route& route : routes) {
        if (window->currentPage() != TabSheet_general)
            clickTab(TabSheet_general);
        QTest::mouseClick(edit(4), Qt::LeftButton, {}, QPoint(4, 4));   // a box of "param1" has the focus
        std::set<int> seen;
        for (int i = 0; i < PageCount; ++i) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
            QTest::keyClick(focus, route.key, route.modifiers);
            seen.insert(window->currentPage());
            ASSERT_TRUE(window->isPageVisible(window->currentPage())) << route.name << " " << i;
        }
        EXPECT_EQ(static_cast<int>(seen.size()), visiblePages) << route.name;
    }

    // The wheel over the tabs, and the code of the window.
    PageTabBar* bar = window->PageControl1->pageTabBar();
    clickTab(TabSheet_general);
    for (int i = 0; i < PageCount; ++i) {
        const QPointF at = bar->visualTabRect(TabSheet_general).center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        ASSERT_TRUE(window->isPageVisible(window->currentPage())) << i;
    }
    clickTab(TabSheet_general);
    for (Page hidden : {TabSheet_Out, TabSheet_delay, TabSheet_de1, TabSheet_de2}) {
        window->selectPage(hidden);
        EXPECT_EQ(window->currentPage(), TabSheet_general) << hidden;
    }

    // Nothing of the switched-off paths was given a segment on the way.
    EXPECT_EQ(m().delaySegmentCount + m().deadEnd1SegmentCount + m().deadEnd2SegmentCount, 0);
    clickTab(TabSheet_des);
    EXPECT_EQ(m().totalSiteCount, 29);
}

TEST_F(WindowSafety, TheRunStimulatesTheSiteChosenAfterAChangeOfTheCircuit)
{
    typeInto(TabSheet_general, 4, "25");
    chooseStimulusSite(5);
    clickTab(TabSheet_param4);   // one more page change before the run
    clickCalculation();
    EXPECT_TRUE(resultMessage().endsWith(QStringLiteral("sec at site5"))) << resultMessage().toStdString();
    EXPECT_EQ(m().stimulusSite, 5);
    EXPECT_EQ(window->param3Page->ComboBoxS->site(), 5);
    ASSERT_EQ(window->session().history.rows.size(), 1u);
    EXPECT_EQ(window->session().history.rows[0].site, "5");
}

TEST_F(WindowSafety, TypingIntoACellAfterEscapeOrSelectAllReplacesItsText)
{
    clickTab(TabSheet_dc);
    Param2Page* param2 = window->param2Page;
    clickOn(param2->SpeedButton6);
    ASSERT_TRUE(param2->gridEditEnabled());
    const auto clickCell = [&](int row, int column) {
        const QModelIndex index = param2->SGDI->segmentModel()->indexOf(row, column);
        QTest::mouseClick(param2->SGDI->viewport(), Qt::LeftButton, {}, param2->SGDI->visualRect(index).center());
    };
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row;
        const char* typed;
        double stored;
    };
    const Case cases[] = {{"Escape", Qt::Key_Escape, Qt::NoModifier, 4, "0.3", 0.3},
                          {"Escape, one digit", Qt::Key_Escape, Qt::NoModifier, 5, "3", 0.99},
                          {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, 6, "0.4", 0.4}};
    for (const Case& c : cases) {
        clickCell(c.row, kColumnCv);
        QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(c.typed));
        EXPECT_EQ(cv(m(), c.row), c.stored) << c.name;
        CellEditor* editor = param2->SGDI->editorAt(c.row, kColumnCv);
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(editor->text().toStdString(), generalText(c.stored)) << c.name;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(WindowSafety, NothingThatShapesTheRunCanBeChangedWhileItRuns)
{
    chooseStimulusSite(5);
    bool checked = false;
    QTimer::singleShot(0, window.get(), [&] {
        // The run processes the window's events between its scan steps.
        checked = true;
        for (int tag : {4, 19, 20})
            EXPECT_FALSE(edit(tag)->isEnabled()) << "Edit" << tag;
        EXPECT_FALSE(radio(3)->isEnabled());
        EXPECT_FALSE(window->param3Page->ComboBoxS->isEnabled());
        EXPECT_FALSE(window->param2Page->SpeedButton6->isEnabled());
        QTest::keyClicks(edit(4), "11");
        clickOn(radio(3));
        // Browsing the result sheet stays live.
        EXPECT_TRUE(window->resultSheetView->ScrollBar1->isEnabled());
    });
    clickCalculation();
    ASSERT_TRUE(checked);
    EXPECT_EQ(m().innerSiteCount, 20);
    EXPECT_EQ(m().hasDelayPath, 0);
    EXPECT_TRUE(edit(4)->isEnabled());
    EXPECT_TRUE(window->param3Page->ComboBoxS->isEnabled());
    EXPECT_EQ(window->resultSheetView->SGRES->columnCount(), 29 + 3);
}

TEST_F(WindowSafety, TheResultSheetKeepsItsSiteNumbersAndRowLabelsInView)
{
    chooseStimulusSite(5);
    clickCalculation();
    ResultSheetView& view = *window->resultSheetView;
    QTableWidget* sheet = view.SGRES;
    sheet->horizontalScrollBar()->setValue(sheet->horizontalScrollBar()->maximum());
    sheet->verticalScrollBar()->setValue(sheet->verticalScrollBar()->maximum());
    QApplication::processEvents();
    ASSERT_GT(sheet->horizontalScrollBar()->value(), 0);
    ASSERT_GT(sheet->verticalScrollBar()->value(), 0);

    // Row 0 (site numbers) and column 0 (row labels) stay above and left of the cells,
    // each following the sheet in its other direction.
    QHeaderView* row = view.fixedRow();
    QHeaderView* column = view.fixedColumn();
    ASSERT_TRUE(row->isVisible());
    ASSERT_TRUE(column->isVisible());
    const QRect cells = sheet->viewport()->geometry();
    EXPECT_EQ(row->geometry().bottom() + 1, cells.top());
    EXPECT_EQ(column->geometry().right() + 1, cells.left());
    EXPECT_EQ(row->geometry().top(), sheet->frameWidth());
    EXPECT_EQ(column->geometry().left(), sheet->frameWidth());
    EXPECT_EQ(column->width(), 32);   // the width of the label column
    const int lastColumn = sheet->columnCount() - 1, lastRow = sheet->rowCount() - 1;
    EXPECT_EQ(row->sectionViewportPosition(lastColumn), sheet->columnViewportPosition(lastColumn));
    EXPECT_EQ(column->sectionViewportPosition(lastRow), sheet->rowViewportPosition(lastRow));
    EXPECT_LE(sheet->columnViewportPosition(lastColumn) + sheet->columnWidth(lastColumn), cells.width());
    // Drawn in the menu colour.
    const QImage image = sheet->grab().toImage();
    const QRect label = column->geometry();
    EXPECT_EQ(image.pixelColor(label.right() - 2, label.bottom() - 4), sheet->palette().color(QPalette::Button));
    EXPECT_EQ(sheet->model()->index(0, lastColumn).data().toString(), "Antidr");
}

TEST_F(WindowSafety, TheStepScrollBarSpansThePageAndStepsFromTheKeyboard)
{
    chooseStimulusSite(5);
    clickCalculation();   // six scan steps
    ResultSheetView& view = *window->resultSheetView;
    QScrollBar* steps = view.ScrollBar1;
    EXPECT_GT(steps->width(), view.width() * 3 / 4);
    QApplication::setActiveWindow(window.get());   // the please-wait window has gone
    steps->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(steps->hasFocus());
    QTest::keyClick(steps, Qt::Key_Home);
    QTest::keyClick(steps, Qt::Key_Right);
    EXPECT_EQ(steps->value(), 2);
    EXPECT_EQ(view.LabelRev->text(), "2");
    EXPECT_TRUE(resultMessage().startsWith(QStringLiteral("No stimulus capture"))) << resultMessage().toStdString();
    QTest::keyClick(steps, Qt::Key_PageDown);
    QTest::keyClick(steps, Qt::Key_End);
    EXPECT_EQ(steps->value(), 6);
    EXPECT_EQ(view.shownStep(), 6);
}

TEST_F(WindowSafety, ARefusedTextGivesWayToTheStoredValueSelected)
{
    typeInto(TabSheet_general, 2, ".");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "'.' is not a valid floating point value");
    EXPECT_EQ(edit(2)->text(), QString::fromStdString(generalText(m().cardiacRadius)));
    EXPECT_EQ(edit(2)->selectedText(), edit(2)->text());
    QTest::keyClicks(edit(2), "0.06");
    EXPECT_EQ(m().cardiacRadius, 0.06);
}

}  // namespace
