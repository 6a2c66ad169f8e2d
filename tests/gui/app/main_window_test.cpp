#include "app/main_window.h"
#include "app/status_panels.h"
#include "shell_test_support.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

TEST(MainWindow, StartsUntitledWithTheVisiblePagesInOrder)
{
    TSDIAppForm window;
    window.show();
    EXPECT_EQ(window.windowTitle().toStdString(), "Quorel : [untitled]");

    QStringList visible;
    for (int i = 0; i < window.PageControl1->count(); ++i)
        if (window.PageControl1->isTabVisible(i))
            visible << window.PageControl1->tabText(i);
    EXPECT_EQ(visible.join(',').toStdString(),
              "param1,param2,check,circuit,param3,param4,result,memo,prn / file,movie,ECG set,ECG");
    EXPECT_EQ(window.PageControl1->tabText(1).toStdString(), "loop");
    EXPECT_EQ(window.PageControl1->tabToolTip(5).toStdString(),
              "input --> click the edit button ( use ctrl+C & ctrl+V )");
}

using MainWindowShell = ShellFixture;

TEST_F(MainWindowShell, OwnsOneModelSessionAndResultsAndMarksItselfShown)
{
    auto window = makeWindow();
    EXPECT_EQ(window->model().innerSiteCount, 20);
    EXPECT_EQ(window->session().saveFormat, 1);
    EXPECT_EQ(window->results().captureLamp, 0);
    EXPECT_EQ(window->shell().soundOn, 0);
    EXPECT_EQ(window->model().formShown, 0);

    QSignalSpy shown(window.get(), &TSDIAppForm::windowShown);
    window->model().schemeWindowOpen = 1;
    window->show();
    EXPECT_EQ(window->model().formShown, 1);
    EXPECT_EQ(window->model().schemeWindowOpen, 0);
    EXPECT_EQ(shown.count(), 1);
}

TEST_F(MainWindowShell, EveryPageOffersAContainerForItsContent)
{
    auto window = makeWindow();
    for (int p = 0; p < PageCount; ++p) {
        QWidget* page = window->pageWidget(static_cast<Page>(p));
        ASSERT_NE(page, nullptr) << p;
        EXPECT_EQ(window->PageControl1->widget(p), page);
        EXPECT_NE(qobject_cast<QVBoxLayout*>(page->layout()), nullptr) << p;
        EXPECT_EQ(page->statusTip(), window->PageControl1->tabToolTip(p));   // the page's hint
    }
    EXPECT_EQ(window->pageWidget(PageCount), nullptr);
    EXPECT_EQ(window->pageWidget(TabSheet_general)->objectName(), "TabSheet_general");

    auto* content = new QLabel("content");
    window->pageWidget(TabSheet_des)->layout()->addWidget(content);
    window->show();
    window->selectPage(TabSheet_des);
    EXPECT_EQ(window->currentPage(), TabSheet_des);
    EXPECT_TRUE(content->isVisible());

    EXPECT_FALSE(window->isPageVisible(TabSheet_Out));
    window->setPageVisible(TabSheet_Out, true);
    EXPECT_TRUE(window->isPageVisible(TabSheet_Out));
    window->setPageVisible(TabSheet_Out, false);
    EXPECT_FALSE(window->PageControl1->isTabVisible(TabSheet_Out));
}

TEST_F(MainWindowShell, TabsWrapIntoRowsAndAClickOnATabOpensItsPage)
{
    auto window = makeWindow();
    window->show();
    PageTabBar* bar = window->PageControl1->pageTabBar();
    EXPECT_EQ(bar->rowCount(), 2);   // twelve tabs on the smallest window
    for (int i = 0; i < window->PageControl1->count(); ++i) {
        if (!window->PageControl1->isTabVisible(i)) {
            EXPECT_TRUE(bar->visualTabRect(i).isEmpty()) << i;
            continue;
        }
        const QRect r = bar->visualTabRect(i);
        EXPECT_GE(r.width(), kPageTabWidth) << i;
        EXPECT_LE(r.right(), bar->width()) << i;   // every tab is reachable
    }
    for (Page page : {TabSheet_prn, TabSheet_bs, TabSheet_ecg, TabSheet_general}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->visualTabRect(page).center());
        EXPECT_EQ(window->currentPage(), page);
        // The current tab's row is the one next to the page.
        int lowestTop = 0;
        for (int i = 0; i < window->PageControl1->count(); ++i)
            lowestTop = std::max(lowestTop, bar->visualTabRect(i).top());
        EXPECT_EQ(bar->visualTabRect(page).top(), lowestTop);
    }

    // A wide window holds all tabs in one row.
    window->resize(900, window->height());
    EXPECT_EQ(bar->rowCount(), 1);
    EXPECT_EQ(bar->visualTabRect(TabSheet_ecg).top(), bar->visualTabRect(TabSheet_general).top());
}

TEST_F(MainWindowShell, StartsAtItsSmallestSizeCentredOnTheScreen)
{
    auto window = makeWindow();
    const int menu = window->menuBar()->sizeHint().height();
    EXPECT_EQ(window->size(), QSize(507, 432 + menu));
    EXPECT_EQ(window->minimumSize(), QSize(507, 432 + menu));
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(screen.width() / 2 - 507 / 2, screen.height() / 2 - (432 + menu) / 2));

    window->show();
    window->resize(300, 200);   // refused by the window system
    EXPECT_GE(window->width(), 507);
    EXPECT_GE(window->height(), 432 + menu);
}

TEST_F(MainWindowShell, DefaultWindowSizeRestoresTheStartSizeAndPlace)
{
    auto window = makeWindow();
    window->show();
    const QSize startSize = window->size();
    window->resize(700, 560);
    window->move(5, 7);
    QSignalSpy others(window.get(), &TSDIAppForm::defaultWindowSizeRequested);
    window->DefaultSizeItem->trigger();
    EXPECT_EQ(window->size(), startSize);
    // Centred by its outer size, frame included.
    const QRect screen = window->screen()->geometry();
    const QSize outer = window->frameGeometry().size();
    EXPECT_EQ(window->pos(), QPoint(screen.width() / 2 - outer.width() / 2, screen.height() / 2 - outer.height() / 2));
    EXPECT_EQ(others.count(), 1);
}

TEST_F(MainWindowShell, LayoutRoutineReanchorsTheRightHandControls)
{
    auto window = makeWindow();
    QSignalSpy applied(window.get(), &TSDIAppForm::layoutApplied);
    window->show();
    ASSERT_GE(applied.count(), 1);

    for (int width : {507, 640, 1000}) {
        SCOPED_TRACE(width);
        window->resize(width, 600);
        const ShellLayout& layout = window->currentLayout();
        const int outer = window->width() + kDesignFrameWidth;
        EXPECT_EQ(window->SpeedButton3->x(), outer - 109);
        EXPECT_EQ(window->SpeedButton5->x(), outer - 153);
        EXPECT_EQ(window->SpeedButton10->x(), outer - 197);
        EXPECT_EQ(layout.input.pageControlWidth, window->PageControl1->width());
        EXPECT_EQ(layout.input.pageControlHeight, window->PageControl1->height());
        EXPECT_EQ(layout.SGRESWidth, window->PageControl1->width() - 8);
        const int extra = window->PageControl1->pageTabBar()->rowCount() == 1 ? 20 : 0;
        EXPECT_EQ(layout.SGRESHeight, window->PageControl1->height() - 111 + extra);
        EXPECT_EQ(window->StatusBar1->barWidth(), window->StatusBar1->width());
        EXPECT_EQ(window->shell().statusBarWidth, window->StatusBar1->width());
        // The right-hand buttons never run into the left-hand ones.
        EXPECT_GT(window->SpeedButton10->x(), window->SpeedButton4->x() + kToolButtonSize);
        const ShellLayout last = qvariant_cast<ShellLayout>(applied.last().at(0));
        EXPECT_EQ(last.SpeedButton3Left, layout.SpeedButton3Left);
    }
}

TEST_F(MainWindowShell, ResizeRebuildsTheCircuitOnlyWhileTheSchemeWindowIsOpen)
{
    auto window = makeWindow();
    window->show();
    QSignalSpy scheme(window.get(), &TSDIAppForm::schemeRefreshNeeded);
    window->resize(600, 560);
    EXPECT_EQ(scheme.count(), 0);
    window->model().schemeWindowOpen = 1;
    window->resize(640, 560);
    EXPECT_EQ(scheme.count(), 1);
}

TEST_F(MainWindowShell, LargeFontsFollowThePixelDensity)
{
    for (auto [dpi, large] : {std::pair{96.0, 0}, std::pair{120.0, 1}, std::pair{144.0, 1}}) {
        ShellOptions o = options();
        o.logicalDpi = dpi;
        TSDIAppForm window(o);
        EXPECT_EQ(window.shell().largeFonts, large) << dpi;
    }
}
