#include "report/report_document.h"

#include "report/report_painter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>

namespace quorel::report {

namespace {

constexpr int kPdfResolution = 600;
constexpr double kPrintableMarginMm = 5.0;  // what a printer leaves unprinted at each edge

}  // namespace

PdfOutcome writeReportPdf(const QString& path, const ReportInput& input)
{
    PdfOutcome outcome;
    outcome.error = QStringLiteral("Cannot write [") + path + QLatin1Char(']');
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return outcome;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kPrintableMarginMm, kPrintableMarginMm, kPrintableMarginMm, kPrintableMarginMm),
            QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString(reportJobName(input.fileName)));
        writer.setCreator(QStringLiteral("Quorel"));
        if (!paintReport(writer, input, &outcome.pages)) {
            file.cancelWriting();
            return outcome;
        }
    }
    if (!file.commit()) {
        outcome.pages = 0;
        return outcome;
    }
    outcome.written = true;
    outcome.error.clear();
    return outcome;
}

bool ensureOffscreenGuiApplication()
{
    if (QCoreApplication::instance())
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    static int argc = 3;
    static char name[] = "quorel-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    // Qt's notes about the surroundings of a window system that is not there are no
    // business of a command-line user; real failures still reach stderr.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    // Never destroyed: the program ends with it.
    new QGuiApplication(argc, argv);
    return true;
}

}  // namespace quorel::report
