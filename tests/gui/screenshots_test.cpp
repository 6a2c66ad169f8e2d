// The screenshots of docs/screenshots, taken from the real window on the offscreen platform.
// Not part of the suite; to take them again:
//   QT_QPA_PLATFORM=offscreen build/tests/quorel_gui_tests
//       --gtest_also_run_disabled_tests --gtest_filter='Screenshots.*'
// They are written to docs/screenshots, or to $QUOREL_SCREENSHOTS when it is set.
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/run_command.h"
#include "dialogs/warning_dialog.h"
#include "app/status_panels.h"
#include "model/conduction.h"
#include "model/parameter_form.h"
#include "pages/param3_page.h"
#include "views/ecg_page_view.h"
#include "views/ecg_set_page.h"
#include "views/ecg_strip_box.h"
#include "views/result_sheet_view.h"
#include "views/movie_page.h"
#include "views/scheme_window.h"
#include "views/site_list.h"

#include <QApplication>
#include <QPainter>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QDir>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;

namespace {

QString screenshotPath(const char* name)
{
    const QByteArray chosen = qgetenv("QUOREL_SCREENSHOTS");
    const QString folder = chosen.isEmpty() ? QStringLiteral(QUOREL_SOURCE_DIR "/docs/screenshots")
                                            : QString::fromLocal8Bit(chosen);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QString::fromLatin1(name));
}

class Screenshots : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ShellOptions options;
        options.settingsPath = dir.filePath("Quorel.INI");
        options.flashWindow = [](QWidget*) {};
        window = std::make_unique<TSDIAppForm>(options);
        window->show();
        QApplication::processEvents();
    }

    void chooseStimulusSite(int site)
    {
        window->selectPage(TabSheet_des2);
        window->form().ComboBoxSChange(site - 1);
        window->param3Page->ComboBoxS->setSite(site);
    }
    void save(QWidget* widget, const char* name)
    {
        QApplication::processEvents();
        ASSERT_TRUE(widget->grab().save(screenshotPath(name)));
    }

    // A capturing run at site 5 shown on the ECG page at 2 ms per pixel, the channels on
    // sites along the inner loop and the outer loop, and two intervals measured: the VT
    // cycle between two QRS spikes, and from the captured stimulus to the next QRS.
    void ecgWithTwoCalipers()
    {
        window->resize(1000, 640);
        chooseStimulusSite(5);
        window->selectPage(TabSheet_ecgset);
        const int sites[16] = {2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28};
        for (int channel = 1; channel <= 16; ++channel) {
            const int site = sites[channel - 1];
            window->ecgSetPage->ComboBoxE(channel)->setSite(site);
            window->ecgPageView->page().ComboBoxECGChange(channel, site - 1);
        }
        window->selectPage(TabSheet_ecg);
        QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
        window->ecgPageView->ScrollBar3->setValue(2);
        EcgStripBox* strip = window->ecgPageView->PaintBox2;
        const auto measure = [&](int x1, int x2, int y) {
            QTest::mouseClick(window->ecgPageView->SpeedButton7, Qt::LeftButton);
            for (int x : {x1, x2}) {
                QTest::mouseMove(strip, QPoint(x, y));
                QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(x, y));
            }
        };
        EcgPage& page = window->ecgPageView->page();
        const auto column = [&](int channel, int k) {
            const EcgChannelTrace& trace = page.stripPlan().channels[channel];
            return trace.columns[std::min(k, trace.columnCount - 1)];
        };
        const double U = page.U();
        measure(column(0, 1), column(0, 2), static_cast<int>(U * 1.5));  // QRS to QRS
        measure(column(4, 2), column(0, 3), static_cast<int>(U * 4.5));  // S-5 to QRS
        QTest::mouseMove(strip, QPoint(strip->width() - 40, strip->height() / 2));
    }

    QTemporaryDir dir;
    std::unique_ptr<TSDIAppForm> window;
};

TEST_F(Screenshots, DISABLED_ResultSheetOfACapturingAndANonCapturingStep)
{
    window->resize(1180, 540);
    chooseStimulusSite(5);
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    window->resultSheetView->ScrollBar1->setValue(1);
    save(window.get(), "result-capture.png");
    window->resultSheetView->ScrollBar1->setValue(2);
    save(window.get(), "result-no-capture.png");
}

TEST_F(Screenshots, DISABLED_ResultSheetScrolledRightAndDown)
{
    window->resize(640, 520);
    chooseStimulusSite(5);
    window->form().editChange(20, "12");   // revolutions: rows below the first screen
    window->form().editExit(20);
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    QTableWidget* sheet = window->resultSheetView->SGRES;
    QApplication::processEvents();   // the sheet laid out for its new contents
    sheet->horizontalScrollBar()->setValue(sheet->horizontalScrollBar()->maximum());
    sheet->verticalScrollBar()->setValue(sheet->verticalScrollBar()->maximum() / 2);
    save(window.get(), "result-scrolled.png");
}

TEST_F(Screenshots, DISABLED_MoviePageWithTheDefaultCircuit)
{
    window->resize(760, 600);
    window->selectPage(TabSheet_movie);
    save(window.get(), "movie-default-circuit.png");
}

TEST_F(Screenshots, DISABLED_CircuitWithADelayPathAndTwoDeadEndPathways)
{
    window->resize(760, 600);
    ParameterForm& form = window->form();
    form.selectRadio(3);  // a delay path of 3 sites
    form.selectRadio(5);  // dead-end pathways of 4 sites at sites 15 and 12, on the middle line
    form.selectRadio(7);
    form.editChange(11, "15");
    form.editChange(14, "12");
    window->selectPage(TabSheet_movie);
    save(window.get(), "movie-delay-and-dead-ends.png");
    window->SpeedButton12->click();
    window->Form4->RadioButton1->setChecked(true);  // "Small"
    window->Form4->resize(420, 330);
    save(window->Form4, "scheme-window.png");
}

TEST_F(Screenshots, DISABLED_AFrameMidReplay)
{
    window->resize(760, 600);
    chooseStimulusSite(5);
    QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);
    MoviePage& page = *window->moviePage;
    // Step 1, 30 ms after the extrastimulus captured site 5: the two wavefronts leaving it.
    const RunResults& results = window->results();
    int captureMs = -1;
    for (int r = 1; r <= results.shownRevolutionCount && captureMs < 0; ++r)
        if (results.SiteActivation[1][5][r].code == 3.0)
            captureMs = static_cast<int>(results.SiteActivation[1][5][r].time * 1000);
    ASSERT_GE(captureMs, 0);
    QTRY_VERIFY_WITH_TIMEOUT(page.replay().frame().timeMs >= captureMs + 30, 30000);
    save(window.get(), "movie-replay-frame.png");
    window->stopAnimation();
}

TEST_F(Screenshots, DISABLED_StatusBarAfterALongRun)
{
    // Conduction at 2 cm/s: a VT cycle length of about 6.3 s, 30 revolutions of a train.
    CircuitModel& m = window->model();
    for (int row = 1; row <= m.totalSiteCount; ++row)
        cv(m, row) = 0.02;
    ParameterForm& form = window->form();
    form.selectRadio(10);
    form.editChange(21, "25");
    form.editExit(21);
    form.editChange(23, "0.9");
    form.editExit(23);
    chooseStimulusSite(5);
    // Slow conduction outlasts the refractory periods: the warning is answered "continue".
    window->runController->showWarningDialog = [](TForm1& dialog) { dialog.RadioButtonContinue->setChecked(true); };
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    ASSERT_GT(window->statusTimeText().toDouble(), 100.0) << window->statusTimeText().toStdString();
    save(window->StatusBar1, "status-bar-long-run.png");
}

TEST_F(Screenshots, DISABLED_EcgPageOfACapturingRunWithTwoCalipers)
{
    ecgWithTwoCalipers();
    save(window.get(), "ecg-two-calipers.png");
    window->selectPage(TabSheet_ecgset);
    save(window.get(), "ecg-set.png");
}

TEST_F(Screenshots, DISABLED_EcgStripExportedAsSvgAndRenderedBack)
{
    ecgWithTwoCalipers();
    const QString svg = dir.filePath("strip.svg");
    window->ecgPageView->chooseExportPath = [&] { return svg; };
    window->ecgPageView->exportStripInteractively();
    QSvgRenderer drawing(svg);
    ASSERT_TRUE(drawing.isValid());
    QImage rendered(drawing.viewBox().size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter p(&rendered);
    drawing.render(&p);
    p.end();
    ASSERT_TRUE(rendered.save(screenshotPath("ecg-export-svg.png")));
}

TEST_F(Screenshots, DISABLED_AnExampleJustOpened)
{
    window->resize(900, 600);
    FileCommands& files = *window->fileCommands;
    files.waitBeforeMs = files.waitAfterSaveMs = 0;
    files.chooseOpenPath = [] { return QStringLiteral(QUOREL_SOURCE_DIR "/examples/delay-path.cir"); };
    QTest::mouseClick(window->OpenBtn, Qt::LeftButton);
    ASSERT_EQ(window->currentPage(), TabSheet_movie);
    save(window.get(), "opened-example.png");
}

}  // namespace
