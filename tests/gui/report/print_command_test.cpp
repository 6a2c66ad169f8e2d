// Print(&P)... and "Export report as PDF…" driven through the window, the print
// dialog and the save dialog answered by the test.
#include "gui/app/shell_test_support.h"
#include "gui/report/pdf_reading.h"

#include "app/file_commands.h"
#include "dialogs/please_wait_window.h"
#include "pages/prn_file_page.h"
#include "report/print_command.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTest>
#include <QToolButton>

using namespace quorel;
using namespace quorel::gui;
using namespace quorel::gui::testing;

namespace {

class PrintCommandTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        window = makeWindow();
        PrintCommand& print = *window->printCommand;
        print.waitBeforeMs = 0;
        print.showMessage = [this](const QString& text) { messages << text; };
        print.now = [] { return QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)); };
        // Called while the pages are drawn: what the window shows meanwhile.
        print.circuitPicture = [this] {
            busyStates << QString("%1 %2 %3 %4")
                              .arg(window->Form3->isVisible())
                              .arg(window->Form3->Label1->text())
                              .arg(window->PageControl1->isEnabled())
                              .arg(window->SpeedPanel->isEnabled());
            return ReportCircuitPicture{};
        };
        print.showPrintDialog = [this](QPrinter& printer) {
            jobNames << printer.docName();
            if (!acceptDialog)
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            return true;
        };
        window->show();
    }

    void chooseSections(bool description, bool parameters, bool ecg)
    {
        PrnFilePage& page = *window->prnFilePage;
        page.CheckBox1->setChecked(description);
        page.CheckBox2->setChecked(parameters);
        page.CheckBox3->setChecked(false);
        page.CheckBox4->setChecked(false);
        page.CheckBox5->setEnabled(true);
        page.CheckBox5->setChecked(ecg);
    }

    std::unique_ptr<TSDIAppForm> window;
    QString pdfPath = dir.filePath("printed.pdf");
    bool acceptDialog = true;
    QStringList jobNames, busyStates, messages;
};

}  // namespace

TEST_F(PrintCommandTest, SpeedButton2PrintsTheChosenSectionsWhileTheWindowWaits)
{
    chooseSections(true, true, false);
    QTest::mouseClick(window->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(jobNames, QStringList{"Quorel < noname >"});
    ASSERT_TRUE(QFile::exists(pdfPath));
    const QStringList pages = pdfPages(pdfPath);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("<< Description of the circuit >>"));
    EXPECT_TRUE(pages[0].contains("noname [") && pages[0].contains("03:04:05]"));
    EXPECT_TRUE(pages[1].contains("<< Parameters >>"));
    EXPECT_EQ(window->printCommand->lastPageCount(), 2);
    // "Now Printing" is up and the page control and the tool bar are off while the pages
    // are drawn; all is back afterwards.
    EXPECT_EQ(busyStates.last(), "1 Now Printing 0 0");
    EXPECT_FALSE(window->Form3->isVisible());
    EXPECT_TRUE(window->PageControl1->isEnabled());
    EXPECT_TRUE(window->SpeedPanel->isEnabled());
}

TEST_F(PrintCommandTest, ACancelledPrintDialogPrintsNothing)
{
    acceptDialog = false;
    window->PrintP1->trigger();
    EXPECT_EQ(jobNames.size(), 1);
    EXPECT_FALSE(QFile::exists(pdfPath));
    EXPECT_EQ(window->printCommand->lastPageCount(), 0);
    EXPECT_EQ(busyStates.size(), 1);  // the job name was taken, no page was drawn
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PrintCommandTest, WithoutAChosenSectionNothingIsSent)
{
    chooseSections(false, false, false);
    window->PrintP1->trigger();
    window->printCommand->ExportPdfItem->trigger();
    EXPECT_EQ(messages,
              QStringList({"please check at least one checkbox", "please check at least one checkbox"}));
    EXPECT_TRUE(jobNames.isEmpty());
}

TEST_F(PrintCommandTest, TheFileMenuExportsTheSamePagesAsAPdf)
{
    const QList<QAction*> items = window->FileMenu->actions();
    EXPECT_EQ(items.indexOf(window->printCommand->ExportPdfItem), items.indexOf(window->PrintP1) + 1);
    chooseSections(false, false, true);
    QStringList suggested;
    const QString chosen = dir.filePath("exported.pdf");
    window->printCommand->choosePdfPath = [&](const QString& path) {
        suggested << path;
        return chosen;
    };
    window->printCommand->ExportPdfItem->trigger();
    EXPECT_TRUE(jobNames.isEmpty());  // no print dialog
    ASSERT_EQ(suggested.size(), 1);
    EXPECT_TRUE(suggested[0].endsWith("/noname.pdf"));
    EXPECT_EQ(pdfPages(chosen).size(), 1);
    EXPECT_EQ(pdfTitle(chosen), "Quorel < noname >");
    EXPECT_EQ(busyStates.last(), "1 Now Printing 0 0");

    // A folder that does not exist: the reason, and no page counted.
    window->printCommand->choosePdfPath = [&](const QString&) { return dir.filePath("no/such/folder.pdf"); };
    window->printCommand->ExportPdfItem->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Cannot write ["));
    EXPECT_EQ(window->printCommand->lastPageCount(), 0);
}

TEST_F(PrintCommandTest, NotWhileACalculationHoldsTheModel)
{
    window->setCalculationLock(true);
    emit window->FileMenu->aboutToShow();
    EXPECT_FALSE(window->printCommand->ExportPdfItem->isEnabled());
    EXPECT_FALSE(window->PrintP1->isEnabled());
    int asked = 0;
    window->printCommand->choosePdfPath = [&](const QString&) {
        ++asked;
        return QString();
    };
    window->printCommand->exportPdf();
    EXPECT_EQ(asked, 0);
    window->setCalculationLock(false);
    emit window->FileMenu->aboutToShow();
    EXPECT_TRUE(window->printCommand->ExportPdfItem->isEnabled());
}
