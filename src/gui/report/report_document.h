#pragma once
// The report as a PDF file: the pages the printer gets, on an A4 page with the narrow
// margins of a printer's printable area, titled with the print job's name. The file
// is written whole or not at all.

#include "presentation/report_plan.h"

#include <QString>

namespace quorel::report {

struct PdfOutcome {
    bool written = false;
    int pages = 0;
    QString error;  // "Cannot write [path]" when not written
};

PdfOutcome writeReportPdf(const QString& path, const ReportInput& input);

// A command-line program paints without a window: makes sure a QGuiApplication on the
// "offscreen" platform exists (created once and kept until the process ends). False
// when another kind of application object is already there.
bool ensureOffscreenGuiApplication();

}  // namespace quorel::report
