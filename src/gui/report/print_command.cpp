#include "report/print_command.h"

#include "app/file_commands.h"
#include "app/main_window.h"
#include "dialogs/please_wait_window.h"
#include "pages/prn_file_page.h"
#include "report/report_document.h"
#include "report/report_painter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace quorel::gui {

namespace {

const char* const kNoSectionText = "please check at least one checkbox";

}  // namespace

PrintCommand::PrintCommand(TSDIAppForm& window) : QObject(&window), window_(window)
{
    ExportPdfItem = new QAction(QStringLiteral("Export report as PDF\u2026"), window.FileMenu);
    ExportPdfItem->setObjectName("ExportPdfItem");
    window.FileMenu->insertAction(window.N2, ExportPdfItem);
    connect(ExportPdfItem, &QAction::triggered, this, &PrintCommand::exportPdf);
    // Like Print, the export reads the model: not while a calculation changes it.
    connect(window.FileMenu, &QMenu::aboutToShow, this,
            [this] { ExportPdfItem->setEnabled(!window_.calculationLocked()); });
}

ReportInput PrintCommand::reportInput() const
{
    ReportInput input{window_.model(),
                      window_.results(),
                      window_.session(),
                      window_.prnFilePage->reportOptions(),
                      window_.fileCommands ? window_.fileCommands->currentFileName().toStdString()
                                           : std::string(),
                      report::reportDateTimeText(now ? now() : QDateTime::currentDateTime()).toStdString(),
                      window_.shell().largeFonts,
                      window_.currentLayout().PaintBox2Width,
                      {}};
    if (circuitPicture)
        input.picture = circuitPicture();
    return input;
}

bool PrintCommand::sectionChosen() const
{
    const ReportOptions o = window_.prnFilePage->reportOptions();
    return o.description || o.parameters || o.remarks || o.resultSheet || o.ecg;
}

void PrintCommand::message(const QString& text)
{
    if (showMessage)
        showMessage(text);
    else
        QMessageBox::information(&window_, QStringLiteral("Print"), text);
}

bool PrintCommand::whilePrinting(const std::function<bool()>& job)
{
    emit printingStarted();
    TForm3& wait = *window_.Form3;
    wait.showMessage(QStringLiteral("Now Printing"), &window_, 1);
    waitPumping(waitBeforeMs);
    window_.PageControl1->setEnabled(false);
    window_.SpeedPanel->setEnabled(false);
    const bool done = job();
    window_.PageControl1->setEnabled(true);
    window_.SpeedPanel->setEnabled(true);
    wait.hide();
    return done;
}

void PrintCommand::printReport()
{
    lastPageCount_ = 0;
    // An empty job would come out of the printer as nothing, or as a blank sheet.
    if (!sectionChosen()) {
        message(QString::fromLatin1(kNoSectionText));
        return;
    }
    const ReportInput input = reportInput();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(reportJobName(input.fileName)));
    const bool chosen = showPrintDialog ? showPrintDialog(printer) : [&] {
        QPrintDialog PrintDialog1(&printer, &window_);
        return PrintDialog1.exec() == QDialog::Accepted;
    }();
    if (!chosen)
        return;
    int pages = 0;
    const bool printed = whilePrinting([&] { return report::paintReport(printer, reportInput(), &pages); });
    if (!printed) {
        message(QStringLiteral("Cannot print on [") + printer.printerName() + QLatin1Char(']'));
        return;
    }
    lastPageCount_ = pages;
}

void PrintCommand::exportPdf()
{
    lastPageCount_ = 0;
    if (window_.calculationLocked() || !window_.finishEditing())
        return;
    if (!sectionChosen()) {
        message(QString::fromLatin1(kNoSectionText));
        return;
    }
    const QString current = window_.fileCommands ? window_.fileCommands->currentFileName() : QString();
    const QString suggested = current.isEmpty()
        ? QDir::current().filePath(QStringLiteral("noname.pdf"))
        : QFileInfo(current).dir().filePath(QFileInfo(current).completeBaseName() + QStringLiteral(".pdf"));
    const QString path = choosePdfPath
        ? choosePdfPath(suggested)
        : QFileDialog::getSaveFileName(&window_, QStringLiteral("Export report as PDF"), suggested,
                                       QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    report::PdfOutcome outcome;
    whilePrinting([&] {
        outcome = report::writeReportPdf(path, reportInput());
        return outcome.written;
    });
    if (!outcome.written) {
        message(outcome.error);
        return;
    }
    lastPageCount_ = outcome.pages;
}

}  // namespace quorel::gui
