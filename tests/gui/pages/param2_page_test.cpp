#include "model/circuit_construction.h"
#include "model/conduction.h"
#include "model/table_edit.h"
#include "pages/cv_curve_view.h"
#include "pages/edit_glyphs.h"
#include "pages/param2_page.h"
#include "pages/segment_table_view.h"
#include "presentation/site_colour.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

class Param2PageTest : public ::testing::Test {
protected:
    Param2PageTest() : model(createModel()), page(*model)
    {
        page.setMessageDisplay([this](QMessageBox::Icon icon, const QString& text) {
            messages.push_back({icon, text.toStdString()});
        });
        page.resize(507, 380);
        page.show();
    }

    std::string cell(int row, int column) const
    {
        return page.segmentTable().cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    std::string curveCell(int row, int column) const
    {
        return page.curveTable().cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
    QModelIndex indexOf(int row, int column) const
    {
        return page.SGDI->segmentModel()->indexOf(row, column);
    }
    // Puts the current cell of SGDI on a table cell (the editor follows in edit mode).
    void select(int row, int column)
    {
        page.SGDI->selectionModel()->setCurrentIndex(indexOf(row, column),
                                                     QItemSelectionModel::ClearAndSelect);
    }
    CellEditor* editAt(int row, int column)
    {
        select(row, column);
        CellEditor* editor = page.SGDI->editorAt(row, column);
        if (editor)
            editor->selectAll();
        return editor;
    }
    QColor pixelOfCell(QTableView* view, const QModelIndex& index)
    {
        view->scrollTo(index);
        QApplication::processEvents();
        const QRect rect = view->visualRect(index);
        const QImage image = view->viewport()->grab().toImage();
        return image.pixelColor(rect.right() - 2, rect.bottom() - 2);
    }

    struct Message {
        QMessageBox::Icon icon;
        std::string text;
    };
    std::unique_ptr<CircuitModel> model;
    Param2Page page;
    std::vector<Message> messages;
};

}  // namespace

TEST_F(Param2PageTest, TablesHaveTheirColumnsHeadersAndWidths)
{
    const char* headers[] = {"site", "D.I.", "S.L.", "C.T.", "C.V.", "ERP", "S.F."};
    const int widths[] = {245, 43, 43, 43, 30, 30, 37};
    ASSERT_EQ(page.SGDI->model()->columnCount(), 7);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(page.SGDI->model()->headerData(c, Qt::Horizontal).toString().toStdString(), headers[c]);
        EXPECT_EQ(page.SGDI->columnWidth(c), widths[c]) << c;
    }
    // 29 segments and the empty row after them.
    EXPECT_EQ(page.SGDI->model()->rowCount(), 30);
    EXPECT_EQ(page.SGDI->model()->index(20, 0).data().toString().toStdString(),
              "from site 1 to site22 (to outer loop)");
    EXPECT_EQ(page.SGDI->model()->index(29, 0).data().toString().toStdString(), "");

    const char* curveHeaders[] = {"", "D.I.(sec)", "C.V.(m/s)", "ERP(sec)"};
    const int curveWidths[] = {20, 60, 61, 61};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(page.SGCVC->model()->headerData(c, Qt::Horizontal).toString().toStdString(),
                  curveHeaders[c]);
        EXPECT_EQ(page.SGCVC->columnWidth(c), curveWidths[c]) << c;
    }
    EXPECT_EQ(page.SGCVC->model()->rowCount(), 5);   // five points for the default site 1
    EXPECT_EQ(page.SGCVC->model()->index(4, 3).data().toString().toStdString(), "0.1644");

    page.setLargeFonts(true);
    EXPECT_EQ(page.SGDI->columnWidth(6), 35);
    EXPECT_EQ(page.SGCVC->columnWidth(2), 60);
    EXPECT_EQ(page.SGCVC->columnWidth(3), 60);
    EXPECT_EQ(page.SGDI->columnWidth(0), 245);
    page.setLargeFonts(false);
    EXPECT_EQ(page.SGDI->columnWidth(6), 37);
}

TEST_F(Param2PageTest, CaptionsAndEstimateAreShown)
{
    QStringList texts;
    for (QLabel* label : page.findChildren<QLabel*>())
        texts << label->text();
    for (const char* caption :
         {"D.I . : diastolic interval (sec)", "S.L. : segment length (m)", "C.T. : conduction time (sec)",
          "C.V. : conduction velocity (m/s)", "S.F. : scaling factor for decremental",
          "conduction ( 0 - 1.0 )", "< C.V. curve >", "estimated VT cycle length ="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(page.Label96->text().toStdString(), "0.2513sec");
    EXPECT_EQ(page.SpeedButton6->toolTip().toStdString(), "Edit ON/OFF");
}

TEST_F(Param2PageTest, FixedColumnsStayInPlaceWhenTheTableScrollsSideways)
{
    page.resize(470, 380);
    QApplication::processEvents();
    QTableView* fixed = page.SGDI->fixedColumnsView();
    ASSERT_NE(fixed, nullptr);
    ASSERT_GT(page.SGDI->horizontalScrollBar()->maximum(), 0);
    ASSERT_TRUE(page.SGDI->fixedColumnsFrozen());
    page.SGDI->horizontalScrollBar()->setValue(page.SGDI->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(fixed->isVisible());
    EXPECT_EQ(fixed->width(), 245 + 3 * 43);
    EXPECT_EQ(fixed->horizontalScrollBar()->value(), 0);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(fixed->isColumnHidden(c), c >= 4) << c;
    // The fixed view follows the rows.
    page.SGDI->verticalScrollBar()->setValue(6);
    EXPECT_EQ(fixed->verticalScrollBar()->value(), 6);
    // The S.F. column scrolled into the room beside the fixed columns.
    const QRect sfHeader(page.SGDI->horizontalHeader()->sectionViewportPosition(kColumnSf), 0,
                         page.SGDI->columnWidth(kColumnSf), 1);
    EXPECT_GE(sfHeader.left(), fixed->width());
    EXPECT_LE(sfHeader.right(), page.SGDI->viewport()->width());

    // Too narrow to show a value beside them: the whole table scrolls.
    SegmentTableView narrow(page.SGDI->segmentModel(), SegmentGrid::SGDI, nullptr);
    narrow.setFixedColumnCount(4);
    narrow.resize(330, 300);
    narrow.show();
    QApplication::processEvents();
    EXPECT_FALSE(narrow.fixedColumnsFrozen());
    EXPECT_FALSE(narrow.fixedColumnsView()->isVisible());
    narrow.horizontalScrollBar()->setValue(narrow.horizontalScrollBar()->maximum());
    EXPECT_LE(narrow.horizontalHeader()->sectionViewportPosition(kColumnSf) +
                  narrow.columnWidth(kColumnSf),
              narrow.viewport()->width());
    narrow.resize(480, 300);   // wide enough again
    QApplication::processEvents();
    EXPECT_TRUE(narrow.fixedColumnsView()->isVisible());
}

TEST_F(Param2PageTest, EditButtonTogglesEditModeAndItsGlyph)
{
    EXPECT_EQ(model->gridEditEnabled, 0);
    EXPECT_EQ(page.SpeedButton6->icon().pixmap(30, 20).toImage(), ImageEOFF().toImage());
    QTest::mouseClick(page.SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(model->gridEditEnabled, 1);
    EXPECT_EQ(page.SpeedButton6->icon().pixmap(30, 20).toImage(), ImageEON().toImage());
    // The editor opens on a C.V. cell at once.
    const QModelIndex current = page.SGDI->currentIndex();
    EXPECT_GE(current.column(), kColumnCv);
    EXPECT_NE(page.SGDI->editorAt(SegmentTableModel::tableRow(current), current.column()), nullptr);

    QTest::mouseClick(page.SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(model->gridEditEnabled, 0);
    EXPECT_EQ(page.SpeedButton6->icon().pixmap(30, 20).toImage(), ImageEOFF().toImage());
    EXPECT_EQ(page.SGDI->editorAt(SegmentTableModel::tableRow(current), current.column()), nullptr);
}

TEST_F(Param2PageTest, OnlyValueCellsOfSegmentRowsOpenAnEditorAndOnlyInEditMode)
{
    select(3, kColumnCv);
    EXPECT_EQ(page.SGDI->editorAt(3, kColumnCv), nullptr);   // edit mode off
    QTest::keyClicks(page.SGDI, "3");
    EXPECT_EQ(cv(*model, 3), 0.5);

    page.setGridEditEnabled(true);
    for (int c = 0; c < 7; ++c) {
        select(3, c);
        EXPECT_EQ(page.SGDI->editorAt(3, c) != nullptr, c >= kColumnCv) << c;
    }
    select(30, kColumnCv);   // the empty last row
    EXPECT_EQ(page.SGDI->editorAt(30, kColumnCv), nullptr);
}

TEST_F(Param2PageTest, TypingOneShowsTheCorrectedValue)
{
    page.setGridEditEnabled(true);
    const int columns[] = {kColumnCv, kColumnErp, kColumnSf};
    for (int column : columns) {
        CellEditor* editor = editAt(4, column);
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, "1");
        EXPECT_EQ(editor->text().toStdString(), "0.99") << column;
        EXPECT_EQ(cell(4, column), "0.99");
        EXPECT_EQ(model->B[0][4][column == kColumnCv ? fieldCv : column == kColumnErp ? fieldErp : fieldSf],
                  0.99);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Param2PageTest, TypingZeroStoresTheDefault)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(5, kColumnCv);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "0");
    EXPECT_EQ(cv(*model, 5), 0.5);
    EXPECT_EQ(editor->text().toStdString(), "0");   // the typed text stays while typing
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();   // the delegate commits on the next turn of the loop
    EXPECT_EQ(cell(5, kColumnCv), "0.5");             // ending the edit shows what was kept

    editor = editAt(5, kColumnErp);
    QTest::keyClicks(editor, "0");
    EXPECT_EQ(erp(*model, 5), 0.2);
    editor = editAt(5, kColumnSf);
    QTest::keyClicks(editor, "0");
    EXPECT_EQ(sf(*model, 5), 0.0);   // no default for S.F.: 0 means no decremental conduction
}

TEST_F(Param2PageTest, LonePointIsRejectedAndChangesNothing)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(6, kColumnCv);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "0.3");
    ASSERT_EQ(cv(*model, 6), 0.3);
    const double estimate = model->estimatedCycleLength;
    const double di6 = di(*model, 6);
    const std::string ct6 = cell(6, 3);
    const std::string label96 = page.Label96->text().toStdString();

    editor->selectAll();
    QTest::keyClicks(editor, ".");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].text, "'.' is not a valid floating point value");
    EXPECT_EQ(cv(*model, 6), 0.3);
    EXPECT_EQ(model->estimatedCycleLength, estimate);
    EXPECT_EQ(di(*model, 6), di6);
    EXPECT_EQ(cell(6, 3), ct6);
    EXPECT_EQ(cell(6, kColumnCv), "0.3");
    EXPECT_EQ(editor->text().toStdString(), "0.3");
    EXPECT_EQ(page.Label96->text().toStdString(), label96);
}

TEST_F(Param2PageTest, KeyFilterLetsOnlyDigitsAndThePointThrough)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(2, kColumnCv);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "-0e,.a+ 4E");
    EXPECT_EQ(editor->text().toStdString(), "0.4");
    EXPECT_EQ(cv(*model, 2), 0.4);
    QTest::keyClick(editor, Qt::Key_Backspace);   // control keys pass
    QTest::keyClicks(editor, "/3");
    EXPECT_EQ(editor->text().toStdString(), "0.3");
    EXPECT_EQ(cv(*model, 2), 0.3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Param2PageTest, TextInsertedPastTheKeyFilterIsRefused)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(2, kColumnCv);
    ASSERT_NE(editor, nullptr);
    for (const char* text : {"-0.3", "1e-1"}) {
        editor->selectAll();
        editor->insert(QString::fromUtf8(text));   // as the editor's own paste does
        EXPECT_EQ(cv(*model, 2), 0.5) << text;
        EXPECT_EQ(editor->text().toStdString(), "0.5") << text;
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "'-0.3' is not a valid floating point value");
}

TEST_F(Param2PageTest, EveryKeystrokeRecomputesTheTableCurveAndEstimate)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(3, kColumnCv);
    ASSERT_NE(editor, nullptr);
    QSignalSpy edited(&page, &Param2Page::modelEdited);
    QTest::keyClicks(editor, "0.25");
    EXPECT_EQ(edited.count(), 4);
    EXPECT_EQ(cv(*model, 3), 0.25);
    EXPECT_EQ(cell(3, 3), "0.0251");   // C.T. = 0.00628 / 0.25
    // The slower inner segment makes the figure-8 path the estimate; it stays 0.2513.
    EXPECT_EQ(page.Label96->text().toStdString(), "0.2513sec");
    EXPECT_GT(model->innerLoopTime, model->outerLoopTime);
    // The curve shows the edited site.
    EXPECT_EQ(page.SGCVC->model()->index(0, 2).data().toString().toStdString(), "0.2500");

    editor = editAt(15, kColumnCv);   // the common pathway slows both loops
    QTest::keyClicks(editor, "0.25");
    EXPECT_EQ(page.Label96->text().toStdString(), "0.2639sec");
    EXPECT_EQ(cell(1, 1), "0.0639");   // every row's D.I. follows the new estimate
}

TEST_F(Param2PageTest, ClickingARowShowsItsCurve)
{
    erp(*model, 7) = 0.15;
    erp(*model, 9) = 0.22;
    estimateCycleLength(*model);
    setDiastolicIntervals(*model);
    computeCvConstants(*model);
    page.refresh();
    QSignalSpy edited(&page, &Param2Page::modelEdited);

    const QRect cvCell = page.SGDI->visualRect(indexOf(7, kColumnCv));
    QTest::mouseClick(page.SGDI->viewport(), Qt::LeftButton, {}, cvCell.center());
    EXPECT_EQ(page.SGCVC->model()->rowCount(), 10);   // (0.2513 - 0.15) / 0.01 points
    EXPECT_EQ(page.SGCVC->model()->index(0, 1).data().toString().toStdString(), "0.1013");
    EXPECT_GE(edited.count(), 1);

    // A click on the fixed description column chooses the row as well.
    QTableView* fixed = page.SGDI->fixedColumnsView();
    const QRect label = fixed->visualRect(indexOf(9, 0));
    QTest::mouseClick(fixed->viewport(), Qt::LeftButton, {}, label.center());
    EXPECT_EQ(page.SGCVC->model()->rowCount(), 3);
    EXPECT_EQ(curveCell(1, 1), "0.0313");

    // The keyboard moves the row too.
    page.SGDI->setFocus();
    QTest::keyClick(page.SGDI, Qt::Key_Down);
    EXPECT_EQ(page.SGCVC->model()->rowCount(), 5);
}

TEST_F(Param2PageTest, RefreshRebuildsRowsAndShowsSiteOne)
{
    erp(*model, 1) = 0.1;
    model->hasDelayPath = 1;
    model->delaySegmentCount = 3;
    rebuildCircuit(*model);
    estimateCycleLength(*model);
    setDiastolicIntervals(*model);
    // No computeCvConstants here: the page must not show a curve from stale constants.
    page.refresh();
    EXPECT_EQ(page.SGDI->model()->rowCount(), 33);
    EXPECT_EQ(page.SGDI->model()->index(29, 0).data().toString().toStdString(),
              "from site 1 to site30 in path to QRS");
    EXPECT_EQ(page.SGCVC->model()->rowCount(), 15);
    EXPECT_EQ(curveCell(1, 2), "0.5000");   // the curve passes through the entered C.V.
    EXPECT_EQ(page.SGDI->currentIndex().row(), 0);
    EXPECT_EQ(page.SGDI->columnWidth(0), 245);   // the layout survives the new rows
    EXPECT_TRUE(page.SGDI->fixedColumnsView()->isColumnHidden(kColumnCv));

    // Edit mode from the empty last row opens the editor on site 1.
    select(33, 0);
    ASSERT_EQ(page.SGDI->currentIndex().row(), 32);
    page.setGridEditEnabled(true);
    EXPECT_NE(page.SGDI->editorAt(1, kColumnCv), nullptr);
}

TEST_F(Param2PageTest, PageChangeSwitchesEditModeOffAndClosesTheEditor)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(2, kColumnErp);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "0");   // stored as 0.2, shown as typed
    page.setGridEditEnabled(false);
    EXPECT_EQ(model->gridEditEnabled, 0);
    EXPECT_EQ(page.SGDI->editorAt(2, kColumnErp), nullptr);
    EXPECT_EQ(cell(2, kColumnErp), "0.2");
    EXPECT_FALSE(page.SGDI->model()->flags(indexOf(2, kColumnErp)).testFlag(Qt::ItemIsEditable));
}

TEST_F(Param2PageTest, PastingAColumnOfVelocitiesEditsEachCell)
{
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(2, kColumnCv);
    ASSERT_NE(editor, nullptr);
    QSignalSpy edited(&page, &Param2Page::modelEdited);
    QGuiApplication::clipboard()->setText("0.4\r\n0.3\r\n1\r\n");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cv(*model, 2), 0.4);
    EXPECT_EQ(cv(*model, 3), 0.3);
    EXPECT_EQ(cv(*model, 4), 0.99);
    EXPECT_EQ(cell(3, kColumnCv), "0.3");
    EXPECT_EQ(cell(4, kColumnCv), "0.99");
    EXPECT_EQ(cell(3, 3), "0.0209");
    EXPECT_EQ(editor->text().toStdString(), "0.4");
    EXPECT_EQ(edited.count(), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Param2PageTest, PasteIsRefusedWholeOnABadValueAndIgnoredOutsideEditMode)
{
    QGuiApplication::clipboard()->setText("0.4\n0.3\n");
    select(2, kColumnCv);
    QTest::keyClick(page.SGDI, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cv(*model, 2), 0.5);   // edit mode off
    EXPECT_TRUE(messages.empty());

    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(2, kColumnCv);
    QGuiApplication::clipboard()->setText("0.4\n-0.3\n");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "'-0.3' is not a valid floating point value");
    EXPECT_EQ(cv(*model, 2), 0.5);
    EXPECT_EQ(cv(*model, 3), 0.5);

    // Values beyond the last segment are left out and the user is told.
    editAt(28, kColumnSf);
    QGuiApplication::clipboard()->setText("0.1\n0.2\n0.3\n0.4\n");
    QTest::keyClick(page.SGDI->editorAt(28, kColumnSf), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(sf(*model, 28), 0.1);
    EXPECT_EQ(sf(*model, 29), 0.2);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, QMessageBox::Information);
    EXPECT_EQ(messages[1].text, "2 values fell outside the C.V., ERP and S.F. cells and were not pasted.");
}

TEST_F(Param2PageTest, CopyGivesTheSelectedCellsTabSeparated)
{
    page.SGDI->selectionModel()->select(
        QItemSelection(indexOf(1, 3), indexOf(2, 4)), QItemSelectionModel::ClearAndSelect);
    page.SGDI->setFocus();
    QTest::keyClick(page.SGDI, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "0.0126\t0.5\n0.0126\t0.5\n");

    // In edit mode ctrl+C in the editor copies the cell, and it pastes back unchanged.
    page.setGridEditEnabled(true);
    CellEditor* editor = editAt(9, kColumnErp);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "0.2");
}

TEST_F(Param2PageTest, CellsTakeTheirRegionColoursAndTheScalingFactorStandsOut)
{
    sf(*model, 12) = 0.5;
    page.refresh();
    QApplication::processEvents();
    page.SGDI->clearSelection();
    page.SGDI->setCurrentIndex(QModelIndex());
    EXPECT_EQ(pixelOfCell(page.SGDI, indexOf(12, kColumnSf)), QColor(0xFF, 0xAA, 0xAA));
    EXPECT_EQ(pixelOfCell(page.SGDI, indexOf(12, kColumnErp)), QColor(0xFF, 0xDD, 0xCC));
    EXPECT_EQ(pixelOfCell(page.SGDI, indexOf(3, kColumnCv)), QColor(0xFF, 0xFF, 0xCC));
    EXPECT_EQ(pixelOfCell(page.SGDI->fixedColumnsView(), indexOf(3, 0)), QColor(0xFF, 0xFF, 0xCC));
    EXPECT_EQ(pixelOfCell(page.SGCVC, page.SGCVC->model()->index(1, 2)), QColor(Qt::white));
}

TEST_F(Param2PageTest, Sgdi2IsAReadOnlyHighlightedCopy)
{
    QWidget ecgSet;
    SegmentTableView* copy = page.createSGDI2(&ecgSet);
    copy->resize(490, 300);
    ecgSet.show();
    EXPECT_EQ(copy->objectName().toStdString(), "SGDI2");
    EXPECT_EQ(copy->fixedColumnsView(), nullptr);
    EXPECT_EQ(copy->model()->rowCount(), 30);
    EXPECT_EQ(copy->columnWidth(6), 37);

    page.setGridEditEnabled(true);
    copy->setCurrentIndex(copy->model()->index(3, kColumnCv));
    copy->setFocus();
    QTest::keyClicks(copy, "7");
    EXPECT_EQ(copy->indexWidget(copy->model()->index(3, kColumnCv)), nullptr);
    EXPECT_EQ(cv(*model, 4), 0.5);

    // Site 1 is the QRS reference: yellow in the copy, its region colour in SGDI.
    model->stimulusSite = 3;
    copy->clearSelection();
    copy->setCurrentIndex(QModelIndex());
    EXPECT_EQ(pixelOfCell(copy, copy->model()->index(0, 5)), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(pixelOfCell(copy, copy->model()->index(2, 5)), QColor(0xFF, 0x00, 0x00));

    // An edit in SGDI reaches the copy.
    CellEditor* editor = editAt(8, kColumnCv);
    QTest::keyClicks(editor, "0.45");
    EXPECT_EQ(copy->model()->index(7, kColumnCv).data().toString().toStdString(), "0.45");
    page.setLargeFonts(true);
    EXPECT_EQ(copy->columnWidth(6), 35);
}
