#include "app/main_window.h"
#include "pages/prn_file_page.h"
#include "shell_test_support.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

using PrnFilePageTest = ShellFixture;

TEST_F(PrnFilePageTest, ShowsItsOptionsWithTheirCaptionsAndDefaults)
{
    auto window = makeWindow();
    PrnFilePage* page = window->prnFilePage;
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(window->pageWidget(TabSheet_prn)->isAncestorOf(page));

    const std::tuple<QAbstractButton*, const char*, bool> buttons[] = {
        {page->CheckBox1, "description of the circuit", true},
        {page->CheckBox2, "parameters", false},
        {page->CheckBox3, "remarks", false},
        {page->CheckBox4, "result ( sheet ) ------->", false},
        {page->CheckBox5, "result ( ECG ) --------->", false},
        {page->RadioButtonCUR, "print current page", true},
        {page->RadioButtonALL, "print all pages", false},
        {page->RadioButton13, "font1", true},
        {page->RadioButton14, "font2", false},
        {page->RadioButtonS1, "(1) QB compatible", false},
        {page->RadioButtonS2, "(2) Original", true},
    };
    for (const auto& [button, caption, checked] : buttons) {
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->isChecked(), checked) << caption;
    }
    EXPECT_EQ(page->GroupBoxPrinter->title(), "Printer setup");
    EXPECT_EQ(page->GroupBox7->title(), "single stimuli");
    EXPECT_EQ(page->GroupBox8->title(), "font");
    EXPECT_EQ(page->GroupBoxSave->title(), "Save file setup");
    EXPECT_EQ(page->LabelFilesS1->text(), "( *.cir )");
    EXPECT_EQ(page->LabelFilesS2->text(), "( *.cir )+( *.mo1 )+( *.mo2 )+( *.mo3 ) ");
    EXPECT_EQ(page->LabelFourFiles->text(), "----- This option will make four files -----");
    EXPECT_EQ(page->Label123->text(), "filename = ");
    EXPECT_EQ(page->Label124->text(), "noname");

    const ReportOptions o = page->reportOptions();
    EXPECT_TRUE(o.description);
    EXPECT_FALSE(o.parameters || o.remarks || o.resultSheet || o.ecg || o.allPages || o.outlinedDots);
}

TEST_F(PrnFilePageTest, ResultOptionsWaitForTheEndOfARun)
{
    auto window = makeWindow();
    PrnFilePage* page = window->prnFilePage;
    QWidget* resultOptions[] = {page->CheckBox4,     page->CheckBox5,      page->GroupBox7,     page->GroupBox8,
                                page->RadioButtonCUR, page->RadioButtonALL, page->RadioButton13, page->RadioButton14};
    for (QWidget* w : resultOptions)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (QWidget* w : {static_cast<QWidget*>(page->CheckBox1), static_cast<QWidget*>(page->CheckBox2),
                       static_cast<QWidget*>(page->CheckBox3), static_cast<QWidget*>(page->RadioButtonS1)})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();

    page->setResultPrintOptionsEnabled(true);
    for (QWidget* w : resultOptions)
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(PrnFilePageTest, ClicksChooseTheSaveFormatAndTheReport)
{
    auto window = makeWindow();
    window->show();
    window->selectPage(TabSheet_prn);
    PrnFilePage* page = window->prnFilePage;
    page->setResultPrintOptionsEnabled(true);

    QTest::mouseClick(page->RadioButtonS1, Qt::LeftButton);
    EXPECT_EQ(window->session().saveFormat, 0);
    EXPECT_FALSE(page->RadioButtonS2->isChecked());
    QTest::mouseClick(page->RadioButtonS2, Qt::LeftButton);
    EXPECT_EQ(window->session().saveFormat, 1);

    for (QAbstractButton* b : {static_cast<QAbstractButton*>(page->CheckBox1), static_cast<QAbstractButton*>(page->CheckBox3),
                               static_cast<QAbstractButton*>(page->CheckBox5), static_cast<QAbstractButton*>(page->RadioButtonALL),
                               static_cast<QAbstractButton*>(page->RadioButton14)})
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    const ReportOptions o = page->reportOptions();
    EXPECT_FALSE(o.description);
    EXPECT_FALSE(o.parameters);
    EXPECT_TRUE(o.remarks);
    EXPECT_FALSE(o.resultSheet);
    EXPECT_TRUE(o.ecg);
    EXPECT_TRUE(o.allPages);
    EXPECT_TRUE(o.outlinedDots);

    page->setFileName("/data/circuits/a.cir");
    EXPECT_EQ(page->Label124->text(), "/data/circuits/a.cir");
}
