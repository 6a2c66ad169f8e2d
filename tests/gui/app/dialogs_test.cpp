#include "app/main_window.h"
#include "dialogs/about_box.h"
#include "dialogs/please_wait_window.h"
#include "shell_test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

using AboutBox = ShellFixture;

TEST_F(AboutBox, OpensModallyCentredOnTheMainWindow)
{
    auto window = makeWindow();
    window->show();
    for (QPoint place : {QPoint(40, 30), QPoint(200, 90)}) {
        window->move(place);
        QString title, product, version;
        QPoint shownAt;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_EQ(box, window->AboutBox);
            modal = box->isModal();
            title = box->windowTitle();
            product = window->AboutBox->ProductName->text();
            version = window->AboutBox->Version->text();
            shownAt = box->pos();
            window->AboutBox->OKButton->click();
        });
        window->AboutItem->trigger();
        EXPECT_TRUE(modal);
        EXPECT_EQ(title, "Virsion");
        EXPECT_EQ(product, "Quorel");
        EXPECT_EQ(version, "Version 2.645");
        const QRect main = window->frameGeometry();
        const QSize box = window->AboutBox->frameGeometry().size();
        EXPECT_EQ(shownAt, QPoint(main.left() + main.width() / 2 - box.width() / 2,
                                  main.top() + main.height() / 2 - box.height() / 2));
        EXPECT_FALSE(window->AboutBox->isVisible());
    }
    EXPECT_FALSE(window->AboutBox->ProgramIcon->pixmap().isNull());
    EXPECT_FALSE(window->AboutBox->Comments->text().isEmpty());
}

using PleaseWait = ShellFixture;

TEST_F(PleaseWait, PlacesItselfByTheMainWindowInTwoModes)
{
    auto window = makeWindow();
    TForm3* wait = window->Form3;
    EXPECT_EQ(wait->windowTitle(), "please wait");
    EXPECT_EQ(wait->size(), QSize(195, 81));
    EXPECT_EQ(wait->minimumSize(), wait->maximumSize());
    EXPECT_TRUE(wait->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(wait->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(wait->Label2->text(), "Please wait a moment");
    EXPECT_FALSE(wait->isVisible());

    const QRect main(100, 50, 515, 478);
    wait->showMessage("Now Loading", main, 1);
    EXPECT_TRUE(wait->isVisible());
    EXPECT_EQ(wait->Label1->text(), "Now Loading");
    const QSize own = wait->frameGeometry().size();   // 195 x 81 and the frame, if any
    EXPECT_EQ(wait->pos(), QPoint(100 + 257 - own.width() / 2, 50 + 239 - own.height() / 2));

    wait->showMessage("Now Calculating", main, 2);
    EXPECT_EQ(wait->Label1->text(), "Now Calculating");
    EXPECT_EQ(wait->pos(), QPoint(100 + 257, 50 + 30));

    wait->showMessage("Now Saving", QRect(0, 0, 800, 600), 0);   // no placement: stays put
    EXPECT_EQ(wait->pos(), QPoint(357, 80));
    wait->hide();
}

TEST(WaitPumping, KeepsTheWindowSystemWorkingWhileItWaits)
{
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    waitPumping(20);
    EXPECT_TRUE(handled);
    waitPumping(0);
    waitPumping(-5);   // a negative wait returns at once
}
