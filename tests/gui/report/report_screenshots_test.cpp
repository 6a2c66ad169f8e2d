// Pictures of the printed report for docs/screenshots, from the PDF of a default run.
// Not part of the suite; to take them again:
//   QT_QPA_PLATFORM=offscreen build/tests/quorel_gui_tests
//       --gtest_also_run_disabled_tests --gtest_filter='ReportScreenshots.*'
// They are written to docs/screenshots, or to $QUOREL_SCREENSHOTS when it is set.
#include "gui/report/pdf_reading.h"

#include "engine/run_driver.h"
#include "engine/run_hooks.h"
#include "engine/run_state.h"
#include "report/report_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui::testing;

TEST(ReportScreenshots, DISABLED_ResultSheetAndEcgPagesOfADefaultRun)
{
    const QByteArray chosen = qgetenv("QUOREL_SCREENSHOTS");
    const QString folder = chosen.isEmpty() ? QStringLiteral(QUOREL_SOURCE_DIR "/docs/screenshots")
                                            : QString::fromLocal8Bit(chosen);
    QDir().mkpath(folder);
    QTemporaryDir dir;
    auto m = createModel();
    m->stimulusSite = 5;
    auto results = createRunResults();
    auto state = createRunState();
    RunHooks hooks;
    ASSERT_EQ(runProtocol(*m, *state, *results, hooks), RunOutcome::Completed);
    SessionState session;
    session.scrollBar2.position = 1;
    // The ECG channels on every second site around the circuit, and one caliper.
    for (int k = 1; k <= 16; ++k)
        m->ecgChannelSite[k] = std::min(2 * k - 1, m->totalSiteCount);
    session.caliperCount = 1;
    session.caliperMarks[0] = {100.0, 0.5, 150.0, 0.3, 250};
    const ReportInput input{*m,
                            *results,
                            session,
                            {false, false, false, true, true, false, false},
                            "default.cir",
                            "02/01/2024 03:04:05",
                            0,
                            kDefaultEcgViewWidth,
                            {}};
    const QString pdf = dir.filePath("report.pdf");
    ASSERT_TRUE(report::writeReportPdf(pdf, input).written);
    // Page 1: the first sites of the result sheet; the last page: the ECG.
    const int pages = static_cast<int>(pdfPages(pdf).size());
    const std::pair<int, const char*> shots[] = {{1, "report-result-sheet"}, {pages, "report-ecg"}};
    for (const auto& [page, name] : shots) {
        const QString base = dir.filePath(QString::fromLatin1(name));
        runTool("pdftoppm",
                {"-png", "-r", "70", "-singlefile", "-f", QString::number(page), "-l", QString::number(page),
                 pdf, base});
        const QString target = QDir(folder).filePath(QString::fromLatin1(name) + ".png");
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(base + ".png", target)) << target.toStdString();
    }
}
