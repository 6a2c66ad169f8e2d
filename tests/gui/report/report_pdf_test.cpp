// The report drawn into a PDF and read back with poppler's pdftotext.
#include "gui/report/pdf_reading.h"

#include "engine/run_driver.h"
#include "engine/run_hooks.h"
#include "engine/run_state.h"
#include "model/circuit_construction.h"
#include "report/report_document.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui::testing;

namespace {

class ReportPdf : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<CircuitModel> m = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    SessionState session;
    ReportOptions options{false, false, false, false, false, false, false};

    std::string fileName;

    QString write(const char* name)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        const ReportInput input{*m, *results, session, options, fileName, "02/01/2024 03:04:05", 0, 452, {}};
        const report::PdfOutcome outcome = report::writeReportPdf(path, input);
        EXPECT_TRUE(outcome.written) << outcome.error.toStdString();
        return path;
    }
    void sites(int count)
    {
        m->innerSiteCount = count - 9;
        refreshDerivedModel(*m);
        ASSERT_EQ(m->totalSiteCount, count);
    }
    void run()
    {
        auto state = createRunState();
        RunHooks hooks;
        ASSERT_EQ(runProtocol(*m, *state, *results, hooks), RunOutcome::Completed);
    }
};

}  // namespace

TEST_F(ReportPdf, FiftyParameterRowsFitOnePageAndFiftyOneNeedTwo)
{
    options.parameters = true;
    sites(50);
    QStringList pages = pdfPages(write("fifty.pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("from site 50 to 10")) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains("C.T. : conduction time(s)"));

    sites(51);
    pages = pdfPages(write("fifty-one.pdf"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains("<< Parameters >>"));
    EXPECT_TRUE(pages[1].contains("from site 51 to 10"));
    EXPECT_FALSE(pages[0].contains("from site 51 to 10"));
    EXPECT_TRUE(pages[1].contains("C.V. : conduction velocity(m/s)"));
}

TEST_F(ReportPdf, TheResultSheetOfADefaultRunInItsGroups)
{
    options.resultSheet = true;
    options.allPages = true;
    m->stimulusSite = 5;
    run();
    ASSERT_GT(results->scanCount, 1);
    const QStringList pages = pdfPages(write("result.pdf"));
    // 29 sites: three site groups for every scan step of single stimuli.
    ASSERT_EQ(pages.size(), 3 * results->scanCount);
    EXPECT_TRUE(pages[0].contains("<<single>>"));
    EXPECT_TRUE(pages[0].contains("capture at coupling interval"));
    EXPECT_TRUE(pages[0].contains("site1 ") && pages[0].contains("site12"));
    EXPECT_TRUE(pages[1].contains("site13") && pages[1].contains("site24"));
    EXPECT_TRUE(pages[2].contains("site29"));
    EXPECT_FALSE(pages[1].contains("Fusion"));
    EXPECT_TRUE(pages[2].contains("Fusion") && pages[2].contains("Antidr"));
    EXPECT_TRUE(pages[0].contains("R-R"));
    EXPECT_TRUE(pages[0].contains(">>>"));
}

TEST_F(ReportPdf, TheSummaryColumnsAndTheLastRowStayOnThePage)
{
    options.resultSheet = true;
    sites(24);
    session.displayErp = 1;
    m->revolutionCount = 12;
    m->stimulusSite = 5;
    run();
    ASSERT_EQ(results->shownRevolutionCount, 12);
    const QString path = write("summary.pdf");
    const QStringList pages = pdfPages(path);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[2].contains("Fusion") && pages[2].contains("Antidr"));
    const PdfLayout layout = pdfWords(path);
    int rr = 0;
    for (const PdfWord& w : layout.words) {
        EXPECT_LE(w.xMax, layout.pageWidth) << w.text.toStdString();
        EXPECT_LE(w.yMax, layout.pageHeight) << w.text.toStdString();
        rr += w.page == 0 && w.text == "R-R";
    }
    EXPECT_EQ(rr, 12);  // the R-R row of the 12th revolution too
}

TEST_F(ReportPdf, PrintingOnlyTheEcgGivesOnePageTitledWithTheJobName)
{
    options.ecg = true;
    run();
    const QString path = write("ecg.pdf");
    EXPECT_EQ(pdfPages(path).size(), 1);
    EXPECT_EQ(pdfTitle(path), "Quorel < noname >");
    // The turned labels stand taller than they are wide.
    const PdfLayout layout = pdfWords(path);
    const auto qrs = std::find_if(layout.words.begin(), layout.words.end(),
                                  [](const PdfWord& w) { return w.text == "QRS"; });
    ASSERT_NE(qrs, layout.words.end());
    EXPECT_GT(qrs->yMax - qrs->yMin, qrs->xMax - qrs->xMin);
}

TEST_F(ReportPdf, TheHeaderIsMeasuredOnThePageItselfAndEndsAtTheMargin)
{
    options.description = true;
    options.remarks = true;
    const QString path = write("header.pdf");
    const PdfLayout layout = pdfWords(path);
    int headers = 0;
    for (const PdfWord& w : layout.words) {
        if (!w.text.endsWith("03:04:05]"))
            continue;
        ++headers;
        // Right-aligned at PW - PW/15 of the printable width (A4 less 5 mm each side).
        const double printable = layout.pageWidth * 200.0 / 210.0;
        const double margin = layout.pageWidth * 5.0 / 210.0;
        EXPECT_NEAR(w.xMax, margin + printable - printable / 15, layout.pageWidth / 100) << w.page;
    }
    EXPECT_EQ(headers, 2);
}

TEST_F(ReportPdf, ALongFileNameInTheHeaderGivesWayToTheTitle)
{
    options.description = true;
    fileName = "/data/ventricular_tachycardia_study_of_patient_twelve_after_ablation.cir";
    const PdfLayout layout = pdfWords(write("long-name.pdf"));
    double titleEnd = 0, headerStart = layout.pageWidth, top = 0;
    for (const PdfWord& w : layout.words) {
        if (w.text == ">>" && titleEnd == 0) {
            titleEnd = w.xMax;
            top = w.yMin;
        }
    }
    const QStringList title = {"<<", "Description", "of", "the", "circuit", ">>"};
    for (const PdfWord& w : layout.words)
        if (w.page == 0 && std::abs(w.yMin - top) < 3 && !title.contains(w.text))
            headerStart = std::min(headerStart, w.xMin);
    ASSERT_GT(titleEnd, 0);
    EXPECT_GT(headerStart, titleEnd);
    EXPECT_LT(headerStart, layout.pageWidth);
}
