// The "movie" page and the scheme window driven through the window: the Animation command
// with its calculation first, the replay paced by its timer, every command that stops it,
// the idle window while a replay pauses or is stopped, the stored choices, the scheme
// window following the edits, and the exported pictures.

#include "engine/run_state.h"

#include "../app/shell_test_support.h"
#include "app/run_command.h"
#include "app/status_panels.h"
#include "model/parameter_form.h"
#include "presentation/site_colour.h"
#include "views/circuit_pictures.h"
#include "views/movie_page.h"
#include "views/result_sheet_view.h"
#include "views/scheme_window.h"
#include "views/site_list.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <sys/resource.h>

using namespace quorel;
using namespace quorel::gui;
using namespace quorel::gui::testing;

namespace {

// Processor time this process has used, in milliseconds.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct MovieTest : ShellFixture {
    std::unique_ptr<TSDIAppForm> window;
    QStringList errorBoxes;

    void SetUp() override
    {
        ShellFixture::SetUp();
        window = makeWindow();
        window->resize(700, 560);
        window->show();
        QApplication::processEvents();
        window->runController->showErrorBox = [this](const QString& text) { errorBoxes << text; };
    }

    MoviePage& page() { return *window->moviePage; }
    CircuitModel& model() { return window->model(); }

    // A run at site 5, then the replay through the tool button, a few frames in.
    void startReplay()
    {
        window->form().ComboBoxSChange(4);
        QTest::mouseClick(window->SpeedButton4, Qt::LeftButton);
        ASSERT_EQ(page().animationRunning, 1);
        QTRY_VERIFY(page().framesShown() >= 3);
    }

    // The replay has ended and stays ended: nothing is painted any more.
    void expectStopped()
    {
        EXPECT_EQ(page().animationRunning, 0);
        EXPECT_EQ(page().stopRequested, 1);
        EXPECT_FALSE(page().replayTimerActive());
        EXPECT_EQ(page().PaintBox1->frame(), nullptr);  // the static picture
        const int frames = page().framesShown();
        QTest::qWait(3 * kMovieFrameIntervalMs);
        EXPECT_EQ(page().framesShown(), frames);
    }

    // Results of one scan step held as a loaded file holds them, every activation
    // within the first 20 ms: the replay reaches its pauses after three frames.
    void loadShortResults()
    {
        RunResults& r = window->results();
        r.scanCount = 1;
        r.shownRevolutionCount = 1;
        r.resultsLoaded = 1;
        for (int site = 1; site <= model().totalSiteCount; ++site)
            r.SiteActivation[1][site][1] = {0.001 * (site % 20), 1.0, 0.1};
    }
};

}  // namespace

TEST_F(MovieTest, AnimationBeforeAnyRunCalculatesFirstThenReplaysOnTheMoviePage)
{
    EXPECT_TRUE(window->AnimationItem->isEnabled());
    EXPECT_TRUE(window->SpeedButton4->isEnabled());
    startReplay();
    EXPECT_EQ(window->runController->state().runDone, 1);
    EXPECT_EQ(window->currentPage(), TabSheet_movie);
    EXPECT_EQ(page().Label200->text(), "1");
    EXPECT_EQ(window->resultSheetView->ScrollBar1->value(), 1);
    // Step 1 shows the capture at site 5: its square lights, the strip marks its spikes.
    EXPECT_NE(page().PaintBox1->frame(), nullptr);
    EXPECT_FALSE(page().PaintBoxM->plan().ticks.empty());

    // A second command while it runs only lays the circuit out again.
    const int frames = page().framesShown();
    window->OnAnimClick();
    EXPECT_EQ(page().animationRunning, 1);
    EXPECT_LE(page().framesShown(), frames + 1);
    QTest::mouseClick(page().SpeedButton15, Qt::LeftButton);
    expectStopped();
}

TEST_F(MovieTest, ARefusedCalculationStartsNoReplay)
{
    ParameterForm& form = window->form();
    form.selectRadio(5);  // two dead-end pathways on site 4: the lamp turns red
    form.selectRadio(7);
    ASSERT_TRUE(form.editChange(11, "4").accepted);
    ASSERT_TRUE(form.editChange(14, "4").accepted);
    window->OnAnimClick();
    EXPECT_EQ(errorBoxes, QStringList{"check error"});
    EXPECT_EQ(window->currentPage(), TabSheet_bs);
    EXPECT_EQ(page().animationRunning, 0);
    EXPECT_FALSE(page().replayTimerActive());
}

TEST_F(MovieTest, EachFrameAdvancesTheAnimationTimeByTheSpeedAtTheTimersPace)
{
    startReplay();
    page().ScrollBarS->setValue(7);
    EXPECT_EQ(page().Label198->text(), "7");
    const int f0 = page().framesShown();
    QTRY_VERIFY(page().framesShown() >= f0 + 1);  // the frame the old speed led to
    const int a1 = page().replay().frame().timeMs;
    const int f1 = page().framesShown();
    QTRY_VERIFY(page().framesShown() >= f1 + 2);
    EXPECT_EQ(page().replay().frame().timeMs - a1, 7 * (page().framesShown() - f1));
    EXPECT_EQ(window->statusTimeText(), QString::number(page().replay().frame().timeMs / 1000.0, 'f', 4));
    // The frames come from the timer, never faster: the window idles between them.
    QElapsedTimer clock;
    clock.start();
    const int start = page().framesShown();
    QTest::qWait(10 * kMovieFrameIntervalMs);
    EXPECT_LE(page().framesShown() - start, clock.elapsed() / kMovieFrameIntervalMs + 1);
    window->stopAnimation();
    expectStopped();
}

TEST_F(MovieTest, EveryCommandThatMustNotOverlapWithAReplayEndsItAtOnce)
{
    struct Trigger {
        const char* name;
        std::function<void()> fire;
    };
    // Printing, loading and saving: the replay has ended before the command's work begins.
    QStringList startedDuringAReplay;
    for (Command command : {Command::Print, Command::Open, Command::Save, Command::SaveAs})
        window->setCommandHandler(command, [&, command] {
            if (page().animationRunning != 0)
                startedDuringAReplay << window->commandAction(command)->text();
        });
    const Trigger triggers[] = {
        {"STOP", [&] { QTest::mouseClick(page().SpeedButton15, Qt::LeftButton); }},
        {"page change", [&] { window->selectPage(TabSheet_res1); }},
        {"calculation", [&] { QTest::mouseClick(window->SpeedButton1, Qt::LeftButton); }},
        {"resize", [&] { window->resize(window->width() + 20, window->height()); }},
        {"print", [&] { QTest::mouseClick(window->SpeedButton2, Qt::LeftButton); }},
        {"open", [&] { window->OpenItem->trigger(); }},
        {"save", [&] { QTest::mouseClick(window->SaveBtn, Qt::LeftButton); }},
        {"save as", [&] { window->SaveAsA1->trigger(); }},
    };
    for (const Trigger& t : triggers) {
        SCOPED_TRACE(t.name);
        startReplay();
        t.fire();
        expectStopped();
    }
    EXPECT_TRUE(startedDuringAReplay.isEmpty()) << startedDuringAReplay.join(", ").toStdString();
    EXPECT_TRUE(errorBoxes.isEmpty());
}

TEST_F(MovieTest, BetweenPassesTheReplayPausesIdleShowsTheCircuitAndAStopEndsThePause)
{
    loadShortResults();
    window->OnAnimClick();  // loaded results: no calculation
    EXPECT_EQ(window->runController->state().runDone, 0);
    ASSERT_EQ(page().animationRunning, 1);
    QTRY_COMPARE(page().framesShown(), 2);              // 0 and 10 ms; the step ends at 19 ms
    QTRY_VERIFY(page().PaintBox1->frame() == nullptr);  // after the first pause
    ASSERT_TRUE(page().replayTimerActive());
    const int frames = page().framesShown();
    const double cpuBefore = cpuMs();
    QTest::qWait(400);  // within the second pause
    EXPECT_LT(cpuMs() - cpuBefore, 100.0);
    EXPECT_EQ(page().framesShown(), frames);
    window->stopAnimation();
    expectStopped();
    const double idleBefore = cpuMs();
    QTest::qWait(400);
    EXPECT_LT(cpuMs() - idleBefore, 100.0);
}

TEST_F(MovieTest, TheStripFollowsComboBoxMOVAndTheSizesChangeTheSquares)
{
    window->form().ComboBoxSChange(4);
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    window->selectPage(TabSheet_movie);
    ASSERT_EQ(page().ComboBoxMOV->count(), model().totalSiteCount);
    page().ComboBoxMOVChange(4);  // site 5, stimulated
    EXPECT_EQ(model().ecgChannelSite[17], 5);
    EXPECT_EQ(page().PaintBoxM->plan().spikeColour, siteColour(model(), 5, true));
    EXPECT_GT(page().raster().markCount[17], 0);
    EXPECT_FALSE(page().PaintBoxM->plan().spikeColumns.empty());

    EXPECT_EQ(page().PaintBox1->look().side, 25);
    page().RadioButtonSS3->click();
    EXPECT_EQ(page().PaintBox1->look().side, 49);
    page().CheckBox8->click();
    EXPECT_EQ(page().PaintBoxM->plan().axisColour, kMovieAxisWhite);
}

TEST_F(MovieTest, TheChoicesOfBothPicturesAreStoredAndRestored)
{
    page().CheckBox8->setChecked(true);
    page().RadioButtonSS2->setChecked(true);
    page().setStripHeight(61);
    window->SpeedButton12->click();
    window->Form4->RadioButton3->setChecked(true);
    ASSERT_TRUE(window->saveWindowSettings());
    const QStringList keys = window->windowSettings().keys();
    for (const char* key : {"TSDIAppForm/PaintBoxM.Height", "TSDIAppForm/CheckBox8.Checked",
                            "TSDIAppForm/RadioButtonSS3.Checked", "TForm4/RadioButton1.Checked"})
        EXPECT_TRUE(keys.contains(key)) << key;

    auto again = makeWindow();
    EXPECT_TRUE(again->moviePage->CheckBox8->isChecked());
    EXPECT_TRUE(again->moviePage->RadioButtonSS2->isChecked());
    EXPECT_EQ(again->moviePage->PaintBoxM->height(), 61);
    EXPECT_TRUE(again->Form4->RadioButton3->isChecked());
    EXPECT_EQ(again->Form4->PaintBox1->look().side, 33);
}

TEST_F(MovieTest, TheSchemeWindowFollowsEveryEditOfTheCircuitWhileItIsOpen)
{
    window->SpeedButton12->click();
    TForm4& scheme = *window->Form4;
    EXPECT_TRUE(scheme.isVisible());
    EXPECT_EQ(scheme.windowTitle(), "Circuit");
    EXPECT_TRUE(scheme.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(model().schemeWindowOpen, 1);
    const SiteDrawTable& table = page().siteDrawTable();
    EXPECT_EQ(table.siteCount, 29);
    EXPECT_GT(table.width, 0);

    ParameterForm& form = window->form();
    form.selectRadio(3);  // a delay path of 3 sites
    EXPECT_EQ(table.siteCount, 32);
    ASSERT_TRUE(form.editChange(5, "12").accepted);  // connection site 12: 10 outer sites
    EXPECT_EQ(table.siteCount, 34);
    // A new stimulus site takes the highlight.
    const Rgb before = table.sites[5].colour;
    form.ComboBoxSChange(4);
    EXPECT_NE(table.sites[5].colour, before);
    EXPECT_EQ(table.sites[5].colour, siteColour(model(), 5, true));

    scheme.close();
    EXPECT_EQ(model().schemeWindowOpen, 0);
    ASSERT_TRUE(form.editChange(5, "11").accepted);
    EXPECT_EQ(table.siteCount, 34);  // not followed while closed

    // The scheme's picture is the movie picture scaled to its own size.
    window->SpeedButton12->click();
    const QImage shot = scheme.PaintBox1->grab().toImage();
    const SiteDrawEntry& site5 = table.sites[5];
    const int x = scaledCoordinate(site5.x, table.width, scheme.PaintBox1->width());
    const int y = scaledCoordinate(site5.y, table.height, scheme.PaintBox1->height());
    EXPECT_EQ(shot.pixelColor(x - 7, y + 7).rgb() & 0xFFFFFF, site5.colour);
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::black));
}

TEST_F(MovieTest, FramesAndCircuitsAreExportedAsPngOrSvgAndAFailureIsReported)
{
    QStringList chosen;
    QString next;
    page().pictureExport.chooseFile = [&](QWidget*, const QString& caption, const QString&) {
        chosen << caption;
        return next;
    };
    page().pictureExport.showError = [&](QWidget*, const QString& text) { errorBoxes << text; };
    window->selectPage(TabSheet_movie);

    next = dir.filePath("circuit.png");
    ASSERT_EQ(page().exportCircuit(), next);
    const QImage png(next);
    EXPECT_EQ(png.size(), page().PaintBox1->size());

    next = dir.filePath("frame");  // no extension: a PNG image
    EXPECT_EQ(page().exportFrame(), next + ".png");

    next = dir.filePath("circuit.svg");
    ASSERT_EQ(page().exportCircuit(), next);
    QFile svg(next);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains(">29<"));  // the numbers are text

    next = dir.filePath("missing-folder/circuit.png");
    EXPECT_TRUE(page().exportCircuit().isEmpty());
    EXPECT_EQ(errorBoxes, QStringList{"Cannot write [" + next + "]"});
    EXPECT_EQ(chosen, (QStringList{"Export circuit", "Export frame", "Export circuit", "Export circuit"}));
}
