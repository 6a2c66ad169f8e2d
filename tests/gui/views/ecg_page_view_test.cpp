// The "ECG" and "ECG set" pages in the real window, driven with the mouse: a run's
// strip, measuring, dragging and deleting a caliper, reordering the channels by their
// labels, the site pop-up, the status-bar time, and "Export strip…".

#include "app/main_window.h"
#include "app/page_control.h"
#include "app/run_command.h"
#include "app/status_panels.h"
#include "dialogs/site_popup.h"
#include "model/parameter_form.h"
#include "presentation/ecg_channel_labels.h"
#include "presentation/site_colour.h"
#include "presentation/site_popup_placement.h"
#include "views/channel_label_box.h"
#include "views/ecg_page_view.h"
#include "views/ecg_set_page.h"
#include "views/ecg_strip_box.h"
#include "views/ecg_strip_painter.h"
#include "views/site_list.h"

#include "../app/shell_test_support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace quorel;
using namespace quorel::gui;
using namespace quorel::gui::testing;

namespace {

// Runs `action` once `ready` holds, looking again every 10 ms (at most two seconds)
// while `context` lives: for what happens inside the site pop-up's modal loop.
void whenReady(QObject* context, std::function<bool()> ready, std::function<void()> action,
               int triesLeft = 200)
{
    QTimer::singleShot(10, context, [=] {
        if (ready())
            action();
        else if (triesLeft > 0)
            whenReady(context, ready, action, triesLeft - 1);
    });
}

// Answers every pop-up menu that opens while it lives: its first item, or Escape.
struct MenuAnswer {
    QTimer timer;
    int menusSeen = 0;

    explicit MenuAnswer(bool pickFirstItem)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, pickFirstItem] {
            QWidget* menu = QApplication::activePopupWidget();
            if (!menu)
                return;
            ++menusSeen;
            if (pickFirstItem)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, pickFirstItem ? Qt::Key_Return : Qt::Key_Escape);
        });
        timer.start();
    }
};

bool isColour(const QImage& image, int x, int y, Rgb rgb)
{
    return image.pixelColor(x, y) == qColour(rgb);
}

struct EcgPageTest : ShellFixture {
    std::unique_ptr<TSDIAppForm> window;
    EcgPageView* ecg = nullptr;
    QStringList shownErrors;

    void SetUp() override
    {
        ShellFixture::SetUp();
        window = makeWindow();
        window->resize(900, 640);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ecg = window->ecgPageView;
        ecg->showError = [this](const QString& text) { shownErrors << text; };
    }

    // Stimulus at site 5 of the default circuit: six scan steps, the first captures.
    void runCapturingProtocol()
    {
        window->selectPage(TabSheet_des2);
        window->form().ComboBoxSChange(4);
        QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
        ASSERT_EQ(window->results().scanCount, 6);
    }
    void clickTab(Page page)
    {
        PageTabBar* bar = window->PageControl1->pageTabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->visualTabRect(page).center());
        ASSERT_EQ(window->currentPage(), page);
    }
    // The user picks site `site` for channel `tag` on "ECG set" with the keyboard.
    void chooseChannelSite(int tag, int site)
    {
        SiteList* list = window->ecgSetPage->ComboBoxE(tag);
        list->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int k = 1; k < site; ++k)
            QTest::keyClick(list, Qt::Key_Down);
    }

    EcgStripBox* strip() const { return ecg->PaintBox2; }
    ChannelLabelBox* labels() const { return ecg->PaintBox3; }
    double U() const { return ecg->page().U(); }
    int labelY(int channel) const { return ecgChannelLabelTop(U(), channel) + 6; }

    void moveOnStrip(int x, int y) { QTest::mouseMove(strip(), QPoint(x, y)); }
    void pressOnStrip(int x, int y, Qt::KeyboardModifiers modifiers = {})
    {
        moveOnStrip(x, y);
        QTest::mousePress(strip(), Qt::LeftButton, modifiers, QPoint(x, y));
    }
    void clickOnStrip(int x, int y)
    {
        pressOnStrip(x, y);
        QTest::mouseRelease(strip(), Qt::LeftButton, {}, QPoint(x, y));
    }
    void measure(int x1, int x2, int y)
    {
        QTest::mouseClick(ecg->SpeedButton7, Qt::LeftButton);
        clickOnStrip(x1, y);
        moveOnStrip(x2, y);
        clickOnStrip(x2, y);
    }
    // Through the window, as the window system delivers it: the press, then the context
    // menu event, then the release.
    void rightClickOnStrip(int x, int y)
    {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          strip()->mapTo(window.get(), QPoint(x, y)));
    }
    QImage shownStrip() const { return strip()->grab().toImage(); }
};

}  // namespace

TEST_F(EcgPageTest, TheEndOfARunDrawsTheStepOfScrollBar2WithItsCaptureLamp)
{
    clickTab(TabSheet_ecg);
    const int qrsY = ecgBaselineY(U(), 0) - 3;  // within channel 0's spikes, above its baseline
    const auto spikesOnQrs = [&] {
        const QImage shown = shownStrip();
        int yellow = 0;
        for (int x = 0; x < shown.width(); ++x)
            yellow += isColour(shown, x, qrsY, kYellow) ? 1 : 0;
        return yellow;
    };
    EXPECT_EQ(spikesOnQrs(), 0);

    window->selectPage(TabSheet_des2);
    window->form().ComboBoxSChange(4);
    window->selectPage(TabSheet_ecg);  // the page opened last: the calculation shows it
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(window->currentPage(), TabSheet_ecg);
    EXPECT_EQ(ecg->page().raster().step, 1);
    EXPECT_EQ(window->results().captureLamp, 1);
    EXPECT_GT(spikesOnQrs(), 3);  // every revolution, three pixels wide
    EXPECT_EQ(ecg->ScrollBar2->maximum(), 6);

    ecg->ScrollBar2->setValue(2);
    EXPECT_EQ(ecg->page().raster().step, 2);
    EXPECT_EQ(ecg->Label203->text(), "2");
    EXPECT_EQ(window->results().captureLamp, 0);
    EXPECT_EQ(window->session().scrollBar2.position, 2);  // ScrollBar1 followed
}

TEST_F(EcgPageTest, AnIntervalIsMeasuredDraggedAndDeletedWithTheMouse)
{
    runCapturingProtocol();
    clickTab(TabSheet_ecg);
    const int y = strip()->height() / 2;
    measure(40, 100, y);
    EXPECT_EQ(ecg->Label163->text(), "300ms");  // 60 pixels at 5 ms
    ASSERT_EQ(window->session().caliperCount, 1);
    QImage shown = shownStrip();
    EXPECT_TRUE(isColour(shown, 40, 2, kCaliperColour));
    // The bar, left of its interval text.
    EXPECT_TRUE(isColour(shown, 45, ecg->page().overlay().marks[0].barY, kCaliperColour));

    // The right line dragged to 130.
    pressOnStrip(100, 20);
    moveOnStrip(130, 20);
    EXPECT_TRUE(isColour(shownStrip(), 130, 2, kCaliperDragColour));
    QTest::mouseRelease(strip(), Qt::LeftButton, {}, QPoint(130, 20));
    EXPECT_EQ(window->session().caliperMarks[0].rightX, 130);
    EXPECT_EQ(ecg->Label163->text(), "450ms");

    // Hovered, the mark turns magenta; a Shift-click deletes it.
    moveOnStrip(41, 60);
    EXPECT_TRUE(isColour(shownStrip(), 40, 2, kCaliperHighlightColour));
    pressOnStrip(41, 60, Qt::ShiftModifier);
    QTest::mouseRelease(strip(), Qt::LeftButton, Qt::ShiftModifier, QPoint(41, 60));
    EXPECT_EQ(window->session().caliperCount, 0);
    EXPECT_FALSE(isColour(shownStrip(), 40, 2, kCaliperColour));
}

TEST_F(EcgPageTest, TheStatusBarShowsTheCursorTimeAndOnRepaintTheStart)
{
    runCapturingProtocol();
    clickTab(TabSheet_ecg);
    ecg->ScrollBar3->setValue(1);  // 1 ms per pixel: the run is longer than the strip
    ecg->ScrollBar4->setValue(100);
    EXPECT_EQ(ecg->Label199->text(), "0.100");
    moveOnStrip(40, 30);
    EXPECT_EQ(window->StatusBar1->paintedTimeText(), "0.140");
    window->StatusBar1->repaint();
    EXPECT_EQ(window->StatusBar1->paintedTimeText(), "0.1000");

    ecg->ScrollBar3->setValue(10);
    EXPECT_EQ(ecg->Label204->text(), "10");
    EXPECT_EQ(
        ecg->Label205->text(),
        QString::number((window->session().scrollBar4.position + 10 * strip()->width()) / 1000.0, 'f', 3));
}

TEST_F(EcgPageTest, ALabelDraggedOntoAnotherRowReordersTheChannels)
{
    clickTab(TabSheet_ecgset);
    for (int tag = 1; tag <= 5; ++tag)
        chooseChannelSite(tag, tag + 1);
    EXPECT_EQ(window->model().ecgChannelSite[4], 5);
    EXPECT_EQ(window->model().ecgChannelColour[4], siteColour(window->model(), 5, true));
    clickTab(TabSheet_ecg);

    // The label of channel 2 (site 3) taken down to the row of channel 5.
    QTest::mousePress(labels(), Qt::LeftButton, {}, QPoint(20, labelY(2)));
    const int dropY = ecgBaselineY(U(), 5) + 2;
    QTest::mouseMove(labels(), QPoint(20, dropY));
    EXPECT_EQ(ecg->page().stripPlan().channels[2].baselineY, dropY);  // its trace follows
    QTest::mouseRelease(labels(), Qt::LeftButton, {}, QPoint(20, dropY));

    const int* sites = window->model().ecgChannelSite;
    EXPECT_EQ((std::vector<int>{sites[1], sites[2], sites[3], sites[4], sites[5]}),
              (std::vector<int>{2, 4, 5, 6, 3}));
    EXPECT_EQ(window->ecgSetPage->ComboBoxE(5)->site(), 3);
    EXPECT_EQ(window->ecgSetPage->ComboBoxE(2)->site(), 4);
}

TEST_F(EcgPageTest, TheSitePopUpOpensBesideTheLabelAndGivesTheChannelAnotherSite)
{
    clickTab(TabSheet_ecg);
    QPoint popupAt;
    int preselected = -1;
    whenReady(
        window.get(),
        [this] { return window->Form2->isVisible() && window->Form2->ComboBox1->view()->isVisible(); },
        [&] {
            popupAt = window->Form2->pos();
            preselected = window->Form2->ComboBox1->currentIndex();
            QAbstractItemView* items = window->Form2->ComboBox1->view();
            for (int k = 0; k < 6; ++k)
                QTest::keyClick(items, Qt::Key_Down);
            QTest::keyClick(items, Qt::Key_Return);
        });
    QTest::mouseClick(labels(), Qt::RightButton, {}, QPoint(20, labelY(3)));

    EXPECT_EQ(preselected, 0);
    EXPECT_EQ(window->model().ecgChannelSite[3], 7);
    EXPECT_EQ(window->ecgSetPage->ComboBoxE(3)->site(), 7);
    EXPECT_EQ(window->model().ecgChannelColour[3], siteColour(window->model(), 7, true));
    EXPECT_EQ(ecg->page().labelsPlan().labels[3].text, "S-7");
    SitePopupGeometry g;
    g.mainLeft = window->frameGeometry().left();
    g.mainTop = window->frameGeometry().top();
    g.U = U();
    g.pageControlWidth = window->PageControl1->width();
    g.visibleTabCount = 12;  // the four optional pages are hidden
    const WindowOrigin expected = sitePopupOrigin(g, 3);
    EXPECT_EQ(popupAt, QPoint(expected.left, expected.top));

    // Closed without a choice, the pop-up changes nothing.
    whenReady(
        window.get(), [this] { return window->Form2->ComboBox1->view()->isVisible(); },
        [&] { QTest::keyClick(window->Form2->ComboBox1->view(), Qt::Key_Escape); });
    QTest::mouseClick(labels(), Qt::RightButton, {}, QPoint(20, labelY(3)));
    EXPECT_FALSE(window->Form2->isVisible());
    EXPECT_EQ(window->model().ecgChannelSite[3], 7);
}

TEST_F(EcgPageTest, ExportWritesTheLabelsAndTheStripAsShown)
{
    runCapturingProtocol();
    clickTab(TabSheet_ecg);
    QTest::mouseClick(ecg->CheckBox7, Qt::LeftButton, {}, QPoint(6, 8));  // texts on grey
    measure(40, 100, 60);
    measure(150, 260, 120);
    const QString png = dir.filePath("strip.png");
    ecg->chooseExportPath = [&] { return png; };

    // A right click on a mark is the calipers'; elsewhere it opens the menu.
    {
        MenuAnswer none(false);
        moveOnStrip(40, 5);
        rightClickOnStrip(40, 5);
        rightClickOnStrip(40, 5);  // drops the mark again
        EXPECT_EQ(none.menusSeen, 0);
    }
    MenuAnswer exportItem(true);
    moveOnStrip(300, 5);
    rightClickOnStrip(300, 5);
    EXPECT_EQ(exportItem.menusSeen, 1);
    ASSERT_TRUE(QFile::exists(png)) << shownErrors.join(';').toStdString();

    QImage shown(labels()->width() + strip()->width(), strip()->height(), QImage::Format_RGB32);
    {
        QPainter p(&shown);
        p.drawImage(0, 0, labels()->grab().toImage());
        p.drawImage(labels()->width(), 0, shownStrip());
    }
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), shown);

    const QString svg = dir.filePath("strip.svg");
    ecg->chooseExportPath = [&] { return svg; };
    ecg->exportStripInteractively();
    QSvgRenderer drawing(svg);
    ASSERT_TRUE(drawing.isValid());
    EXPECT_EQ(drawing.viewBox(), QRect(QPoint(0, 0), shown.size()));
    QImage rendered(shown.size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter p(&rendered);
    drawing.render(&p);
    p.end();
    // The same picture, but for the edges of the texts.
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = rendered.pixelColor(x, y), b = shown.pixelColor(x, y);
            differing += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                   std::abs(a.blue() - b.blue())}) > 96
                ? 1
                : 0;
        }
    EXPECT_LT(differing, shown.width() * shown.height() / 100);
    EXPECT_TRUE(isColour(rendered, labels()->width() + 150, 2, kCaliperColour));

    ecg->chooseExportPath = [&] { return dir.filePath("missing/folder/strip.png"); };
    ecg->exportStripInteractively();
    ASSERT_EQ(shownErrors.size(), 1);
    EXPECT_TRUE(shownErrors[0].startsWith("Cannot write ["));
}

TEST_F(EcgPageTest, TheStoredViewSizesBringTheStripBackAtTheNextStart)
{
    // Stored while another page is in front: the strip as this window size lays it out.
    window->resize(700, 560);
    ASSERT_NE(window->currentPage(), TabSheet_ecg);
    ASSERT_TRUE(window->saveWindowSettings());
    clickTab(TabSheet_ecg);
    const QSize left = strip()->size();
    {
        QSettings stored(settingsPath(), QSettings::IniFormat);
        EXPECT_EQ(stored.value("TSDIAppForm/PaintBox2.Width").toInt(), left.width());
        EXPECT_EQ(stored.value("TSDIAppForm/PaintBox2.Height").toInt(), left.height());
        EXPECT_EQ(stored.value("TSDIAppForm/Label205.Left").toInt(), ecg->Label205->x());
        stored.setValue("TSDIAppForm/CheckBox6.Checked", 1);
        stored.setValue("TSDIAppForm/CheckBox7.Checked", 1);
    }
    window.reset();

    auto again = makeWindow();
    EXPECT_EQ(again->session().ecgFlagSize, 1);  // through the boxes' own handlers
    EXPECT_EQ(again->session().ecgFlagBClear, 0);
    again->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(again.get()));
    again->selectPage(TabSheet_ecg);
    QApplication::processEvents();
    ASSERT_LE(700, again->screen()->availableGeometry().width());
    EXPECT_EQ(again->ecgPageView->PaintBox2->size(), left);
    EXPECT_EQ(again->size(), QSize(700, 560));
    EXPECT_TRUE(again->ecgPageView->CheckBox6->isChecked());

    // A smaller stored strip leaves the window at its start size.
    again.reset();
    {
        QSettings stored(settingsPath(), QSettings::IniFormat);
        stored.setValue("TSDIAppForm/PaintBox2.Width", 100);
        stored.setValue("TSDIAppForm/PaintBox2.Height", 100);
    }
    auto small = makeWindow();
    const QSize start = small->size();
    small->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(small.get()));
    EXPECT_EQ(small->size(), start);
}

TEST_F(EcgPageTest, ALoadedSetShowsItsChannelsMarksStepScaleAndFlags)
{
    runCapturingProtocol();
    clickTab(TabSheet_ecg);
    // What a loader leaves in the model and the session: sites without their colours.
    CircuitModel& m = window->model();
    SessionState& session = window->session();
    m.ecgChannelSite[1] = 5;
    m.ecgChannelSite[2] = 12;
    session.caliperCount = 1;
    session.caliperMarks[0] = {20, 0.5, 70, 0.4, 100};
    session.scrollBar2.position = 6;
    session.scrollBar3.position = 1;
    session.scrollBar4 = {400, 150};
    session.ecgFlagSize = 1;
    session.ecgFlagBClear = 0;
    window->ecgStateLoaded();

    EXPECT_EQ(m.ecgChannelColour[1], kRed);  // the stimulus site
    EXPECT_EQ(m.ecgChannelColour[2], siteColour(m, 12, true));
    EXPECT_EQ(window->ecgSetPage->ComboBoxE(2)->site(), 12);
    EXPECT_EQ(ecg->page().labelsPlan().labels[2].text, "S-12");
    EXPECT_TRUE(ecg->CheckBox6->isChecked());
    EXPECT_TRUE(ecg->CheckBox7->isChecked());
    EXPECT_EQ(ecg->ScrollBar2->value(), 6);
    EXPECT_EQ(ecg->ScrollBar3->value(), 1);
    EXPECT_EQ(ecg->ScrollBar4->value(), 150);
    EXPECT_EQ(ecg->Label199->text(), "0.150");
    EXPECT_EQ(ecg->page().raster().step, 6);
    EXPECT_EQ(window->results().captureLamp, 1);  // step 6 captured
    EXPECT_EQ(session.caliperCount, 1);           // measured at the loaded scale: kept
    EXPECT_TRUE(isColour(shownStrip(), 20, 2, kCaliperColour));
}

TEST_F(EcgPageTest, ABarHeldAtTheRightEdgePagesTheStripAndItsScrollBar)
{
    runCapturingProtocol();
    clickTab(TabSheet_ecg);
    ecg->ScrollBar3->setValue(1);  // 1 ms per pixel: the run is longer than the strip
    ASSERT_GT(ecg->ScrollBar4->maximum(), 100);
    const int y = strip()->height() / 2;
    measure(40, 100, y);
    moveOnStrip(70, y);  // over the bar
    pressOnStrip(70, y);
    moveOnStrip(strip()->width() - 10, y);
    EXPECT_EQ(ecg->ScrollBar4->value(), 100);
    EXPECT_EQ(ecg->Label199->text(), "0.100");
    QTest::mouseRelease(strip(), Qt::LeftButton, {}, QPoint(strip()->width() - 10, y));
    EXPECT_EQ(window->session().caliperMarks[0].intervalMs, 60);  // moved, not stretched

    // A train has a single step: no step bar on the page.
    window->selectPage(TabSheet_des2);
    window->form().selectRadio(10);
    window->selectPage(TabSheet_ecg);
    QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(window->currentPage(), TabSheet_ecg);
    EXPECT_FALSE(ecg->ScrollBar2->isVisible());
    EXPECT_FALSE(ecg->Label206->isVisible());
    EXPECT_EQ(ecg->page().raster().step, 1);
    EXPECT_EQ(window->session().caliperCount, 1);  // the marks outlive a run
}
