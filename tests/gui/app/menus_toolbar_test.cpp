#include "app/glyphs.h"
#include "app/main_window.h"
#include "app/status_panels.h"
#include "shell_test_support.h"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::FakeSoundPlayer;
using quorel::gui::testing::ShellFixture;

namespace {

QString captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out.join('|');
}

}  // namespace

using Menus = ShellFixture;

TEST_F(Menus, CarryTheirCaptionsAndAccelerators)
{
    auto window = makeWindow();
    QStringList bar;
    for (const QAction* a : window->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar.join('|'), "File(&F)|Edit(&E)|Calculation(&C)|Help(&H)");
    EXPECT_EQ(captions(window->FileMenu),
              "Open(&O)...|Save(&S)...|Save As(&A)|-|Print(&P)...|Export report as PDF\u2026|-|Exit(&X)");
    EXPECT_EQ(captions(window->EditMenu),
              "Cut(&T)|Copy(&C)|Paste(&P)|Delete(&D)|-|Select All(&A)|-|Undo(&U)");
    EXPECT_EQ(captions(window->CalculationMenu), "Go(&G)|Animation(&A)");
    EXPECT_EQ(captions(window->HelpMenu),
              "About(&A)...|Default Window Size(&D)|Show Scheme of the Circuit(&S)|Calculator(&C)");
    // The recent files go between N2 and "Exit(&X)".
    const QList<QAction*> file = window->FileMenu->actions();
    EXPECT_EQ(file.indexOf(window->N2) + 1, file.indexOf(window->ExitItem));
    EXPECT_TRUE(window->N2->isSeparator());
}

TEST_F(Menus, CommandsOfLaterPartsStayDisabledUntilTheirWorkIsInstalled)
{
    auto window = makeWindow();
    // Every command is installed: the Calculation command with the result page, the calculator with
    // its window, Animation and Show Scheme with the movie page, the file and print commands with
    // the window.
    for (QAction* item : {window->ExitItem, window->AboutItem, window->DefaultSizeItem, window->GoItem,
                          window->CalculatorItem, window->AnimationItem, window->SchemeItem, window->OpenItem,
                          window->SaveItem, window->SaveAsA1, window->PrintP1})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
    for (QToolButton* b : {window->SpeedButton5, window->SpeedButton3, window->SpeedButton1, window->SpeedButton10,
                           window->SpeedButton4, window->SpeedButton12, window->OpenBtn, window->SaveBtn,
                           window->SpeedButton2})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_FALSE(window->EditMenu->menuAction()->isEnabled());   // until the memo has the focus
}

TEST_F(Menus, AnInstalledCommandRunsFromItsMenuItemAndItsToolButton)
{
    auto window = makeWindow();
    window->show();
    const Command all[] = {Command::Open, Command::Save, Command::SaveAs, Command::Print,
                           Command::Calculation, Command::Animation, Command::ShowScheme, Command::Calculator};
    for (Command c : all) {
        int runs = 0;
        window->setCommandHandler(c, [&runs] { ++runs; });
        QAction* item = window->commandAction(c);
        QToolButton* button = window->commandButton(c);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        EXPECT_EQ(runs, 1);
        if (button) {
            EXPECT_TRUE(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(runs, 2);
        } else {
            EXPECT_EQ(c, Command::SaveAs);   // Save As has no tool button
        }
        window->setCommandHandler(c, {});
        EXPECT_FALSE(item->isEnabled());
        item->trigger();
        EXPECT_EQ(runs, button ? 2 : 1);
    }
    int calculations = 0;
    window->setCommandHandler(Command::Calculation, [&] { ++calculations; });
    window->GoCalcClick();
    EXPECT_EQ(calculations, 1);
    EXPECT_EQ(window->commandButton(Command::Calculation), window->SpeedButton1);
    EXPECT_EQ(window->commandAction(Command::Print), window->PrintP1);
}

TEST_F(Menus, AToolButtonOfACommandThatIsNotAvailableLooksOffAndGivesNoHint)
{
    auto window = makeWindow();
    window->show();
    QToolButton* print = window->SpeedButton2;
    window->setCommandHandler(Command::Print, {});   // not available
    ASSERT_FALSE(print->isEnabled());
    // The greyed glyph is much lighter and fainter than the glyph itself.
    const auto ink = [](const QImage& image) {
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                sum += (255 - qGray(c.rgb())) * c.alpha() / 255;
            }
        return sum;
    };
    const QSize size(kGlyphSize, kGlyphSize);
    const QImage normal = print->icon().pixmap(size, QIcon::Normal).toImage();
    const QImage off = print->icon().pixmap(size, QIcon::Disabled).toImage();
    EXPECT_LT(ink(off) * 4, ink(normal));

    // Neither the hint line nor a tool tip speaks of it; once available, both do.
    const auto hintOnEnter = [&] {
        window->StatusBar1->clearMessage();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(print, &enter);
        return window->StatusBar1->currentMessage();
    };
    const auto toolTipShown = [&] {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), print->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(print, &help);
        return QToolTip::text() == "Print";
    };
    EXPECT_EQ(hintOnEnter(), "");
    EXPECT_FALSE(toolTipShown());
    window->setCommandHandler(Command::Print, [] {});
    EXPECT_EQ(hintOnEnter(), "Print");
    EXPECT_TRUE(toolTipShown());
}

TEST_F(Menus, ToolButtonsAreFlatSquaresInOrderWithTheirHints)
{
    auto window = makeWindow();
    window->show();
    const QList<QToolButton*> buttons = {window->OpenBtn,       window->SaveBtn,       window->SpeedButton2,
                                         window->SpeedButton12, window->SpeedButton1,  window->SpeedButton4,
                                         window->SpeedButton10, window->SpeedButton5,  window->SpeedButton3};
    const QStringList hints = {"Open", "Save", "Print", "Show Scheme of the Circuit", "Calculaton",
                               "Animation", "calculator", "Sound ON/OFF", "Exit"};
    int previousRight = -1;
    for (int i = 0; i < buttons.size(); ++i) {
        QToolButton* b = buttons[i];
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_EQ(b->size(), QSize(36, 36));
        EXPECT_TRUE(b->autoRaise());
        EXPECT_EQ(b->toolTip(), hints[i]);
        EXPECT_EQ(b->statusTip(), hints[i]);
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        EXPECT_GT(b->x(), previousRight);   // left to right, never overlapping
        previousRight = b->x() + b->width() - 1;
        EXPECT_LE(previousRight, window->width());
    }
}

TEST_F(Menus, ExitAsksFirstAndNoKeepsTheProgramRunning)
{
    for (bool viaButton : {true, false}) {
        SCOPED_TRACE(viaButton);
        auto window = makeWindow();
        window->show();
        exitAnswer = false;
        exitQuestions = 0;
        if (viaButton)
            QTest::mouseClick(window->SpeedButton3, Qt::LeftButton);
        else
            window->ExitItem->trigger();
        EXPECT_EQ(exitQuestions, 1);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(QFile::exists(settingsPath()));   // nothing is written yet

        exitAnswer = true;
        EXPECT_TRUE(window->close());
        EXPECT_EQ(exitQuestions, 2);
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(QFile::exists(settingsPath()));
        QFile::remove(settingsPath());
    }
}

TEST_F(Menus, TheExitQuestionIsAWarningWithYesAndNo)
{
    ShellOptions o = options();
    o.confirmExit = nullptr;   // the real message box
    TSDIAppForm window(o);
    window.show();
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons offered;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            offered = box->standardButtons();
            box->button(answer)->click();
        });
        const bool closed = window.close();
        EXPECT_EQ(text, "Do you really want to exit?");
        EXPECT_EQ(title, "Warning");
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(offered, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(closed, answer == QMessageBox::Yes);
        EXPECT_EQ(window.isVisible(), answer == QMessageBox::No);
    }
}
