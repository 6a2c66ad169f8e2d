#include "app/main_window.h"
#include "app/status_panels.h"
#include "engine/circuit_check.h"
#include "shell_test_support.h"

#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

namespace {

enum class Hue { Blue, Yellow, Red, Other };

Hue hueAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    if (c.blue() > 150 && c.red() < 100)
        return Hue::Blue;
    if (c.red() > 180 && c.green() > 150 && c.blue() < 100)
        return Hue::Yellow;
    if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
        return Hue::Red;
    return Hue::Other;
}

}  // namespace

using StatusBar = ShellFixture;

TEST_F(StatusBar, HintLineShowsTheHintOfWhatTheMouseIsOver)
{
    auto window = makeWindow();
    window->show();
    EXPECT_TRUE(window->StatusBar1->hintText().isEmpty());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window->SpeedButton1, &enter);
    EXPECT_EQ(window->StatusBar1->hintText(), "Calculaton");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->SpeedButton1, &leave);
    EXPECT_TRUE(window->StatusBar1->hintText().isEmpty());

    QApplication::sendEvent(window->pageWidget(TabSheet_prn), &enter);
    EXPECT_EQ(window->StatusBar1->hintText(), "please check at least one checkbox");

    // Hovering a tab shows its page's hint.
    PageTabBar* bar = window->PageControl1->pageTabBar();
    QTest::mouseMove(bar, bar->visualTabRect(TabSheet_des).center());
    QMouseEvent move(QEvent::MouseMove, QPointF(bar->visualTabRect(TabSheet_des).center()),
                     QPointF(bar->mapToGlobal(bar->visualTabRect(TabSheet_des).center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    EXPECT_EQ(window->StatusBar1->hintText(), "description of the circuit");
}

TEST_F(StatusBar, CheckLampAndCaptureLampFollowTheModelAndTheResults)
{
    auto window = makeWindow();
    window->show();
    window->resize(700, 500);
    const int W = window->StatusBar1->barWidth();
    ASSERT_EQ(W, window->StatusBar1->width());
    // The middle of each lamp, from the places measured from W.
    const StatusBarGeometry g = window->StatusBar1->panelGeometry();
    EXPECT_LT(g.checkLamp.x, W - 140);   // the time panel holds "9999.9999" in bold Arial
    const QPoint check(g.checkLamp.x + 20, g.checkLamp.y + 8);
    const QPoint capture(g.captureLamp.x + 10, g.captureLamp.y + 8);

    struct Case {
        const char* what;
        std::function<void(TSDIAppForm&)> set;
        Hue checkHue;
        Hue captureHue;
    };
    const Case cases[] = {
        {"start", [](TSDIAppForm& w) { w.model().stimulusSiteWarning = 0; }, Hue::Blue, Hue::Red},
        {"warning", [](TSDIAppForm& w) { w.model().stimulusSiteWarning = 1; }, Hue::Yellow, Hue::Red},
        {"conflict", [](TSDIAppForm& w) { w.model().deadEndConflict = 1; }, Hue::Red, Hue::Red},
        {"captured", [](TSDIAppForm& w) { w.results().captureLamp = 1; }, Hue::Red, Hue::Blue},
        {"cleared",
         [](TSDIAppForm& w) {
             w.model().deadEndConflict = 0;
             w.model().stimulusSiteWarning = 0;
             w.results().captureLamp = 0;
         },
         Hue::Blue, Hue::Red},
    };
    ASSERT_EQ(evaluateLamp(window->model()), LampState::Blue);   // the default circuit is clean
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set(*window);
        window->refreshStatusBar();
        const QImage bar = window->StatusBar1->grab().toImage();
        EXPECT_EQ(hueAt(bar, check.x(), check.y()), c.checkHue);
        EXPECT_EQ(hueAt(bar, capture.x(), capture.y()), c.captureHue);
        // Nothing lamp-coloured outside the two lamps' panels.
        EXPECT_EQ(hueAt(bar, W - 150, 11), Hue::Other);
    }
    EXPECT_EQ(window->model().checkError, 0);
}

TEST_F(StatusBar, TimeShowsTheClockOfTheCurrentPage)
{
    auto window = makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->setEcgCursorMs(1234.0);
    window->setMovieTimeMs(250.0);
    window->showRunTime(0.4567);
    const std::pair<Page, const char*> cases[] = {
        {TabSheet_ecg, "1.2340"}, {TabSheet_movie, "0.2500"}, {TabSheet_general, "0.4567"},
        {TabSheet_res1, "0.4567"}, {TabSheet_ecgset, "0.4567"},
    };
    for (auto [page, text] : cases) {
        window->selectPage(page);
        EXPECT_EQ(window->statusTimeText(), text) << page;
        window->StatusBar1->grab();
        EXPECT_EQ(window->StatusBar1->paintedTimeText(), text) << page;
    }

    // The run driver writes its clock at once, whatever the page; the next ordinary
    // repaint shows the page's own time again.
    window->selectPage(TabSheet_ecg);
    window->showRunTime(0.5);
    EXPECT_EQ(window->StatusBar1->paintedTimeText(), "0.5000");
    window->StatusBar1->grab();
    EXPECT_EQ(window->StatusBar1->paintedTimeText(), "1.2340");
    window->selectPage(TabSheet_general);
    EXPECT_EQ(window->statusTimeText(), "0.5000");
}
