#pragma once
// The print command of the main window (PrintP1 "Print(&P)...", SpeedButton2) and the
// export of the same pages as a PDF file ("Export report as PDF…" in the File menu).
// Both draw the report the "prn / file" page chooses, named "Quorel < file name >",
// with the "please wait" window up and the page control and the tool bar disabled
// until the pages are done.

#include "presentation/report_plan.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QPrinter;

namespace quorel::gui {

class TSDIAppForm;

class PrintCommand : public QObject {
    Q_OBJECT
public:
    explicit PrintCommand(TSDIAppForm& window);

    // printReport: the system print dialog, then the chosen sections on the printer.
    void printReport();
    // The same pages in a PDF file chosen with a save dialog; no print dialog.
    void exportPdf();

    // The report as the window holds it now, for a page of any size.
    ReportInput reportInput() const;

    QAction* ExportPdfItem = nullptr;  // "Export report as PDF…", after "Print(&P)..."

    // --- what the user sees; each null hook means the real dialog or message box ---
    // PrintDialog1: true when the user chose to print (the printer is set up), false
    // when cancelled.
    std::function<bool(QPrinter& printer)> showPrintDialog;
    // The PDF file to write, empty when cancelled.
    std::function<QString(const QString& suggestedPath)> choosePdfPath;
    // A message box: the reason nothing was printed or written.
    std::function<void(const QString& text)> showMessage;
    // The site positions of the circuit picture on the description page; null: the
    // page has no picture.
    std::function<ReportCircuitPicture()> circuitPicture;
    // The time in the page headers; null: now.
    std::function<QDateTime()> now;
    // The "please wait" window paints for this long before the pages are drawn.
    int waitBeforeMs = 100;

    // The pages of the last job, 0 when nothing was printed or written.
    int lastPageCount() const { return lastPageCount_; }

signals:
    // Printing starts: whatever runs on the window's thread (the animation) stops.
    void printingStarted();

private:
    bool sectionChosen() const;
    // Shows "Now Printing", disables the page control and the tool bar, runs `job` and
    // puts everything back, whatever the job's outcome.
    bool whilePrinting(const std::function<bool()>& job);
    void message(const QString& text);

    TSDIAppForm& window_;
    int lastPageCount_ = 0;
};

}  // namespace quorel::gui
