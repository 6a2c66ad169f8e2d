#pragma once
// Draws the report's pages (presentation/report_plan.h) on a printer or a PDF writer.
// The plan holds every place; the painter only measures a text in its font on the
// page's own device, for texts anchored at their end or centre.
//
// Part of the small library quorel_report (Qt Gui only), which the window's print and
// export commands and quorel-cli's report command share.

#include "presentation/report_plan.h"

#include <QString>

class QDateTime;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace quorel::report {

// The printable page of the device in its own pixels.
ReportPageSize printablePageSize(const QPaintDevice& device);

// One page of the plan on the painter's device.
void paintReportPage(QPainter& painter, const ReportPage& page);

// Plans the report for the device's page and paints every page, a new page between
// them. False when nothing could be painted on the device (a printer that cannot be
// opened, a file that cannot be written); then `pages` is 0.
bool paintReport(QPagedPaintDevice& device, const ReportInput& input, int* pages = nullptr);

// The header's date and time in the user's short date and long time format, without
// the time zone ("02/01/2024 03:04:05").
QString reportDateTimeText(const QDateTime& when);

}  // namespace quorel::report
