#pragma once
// The real main window as a user drives it: clicks on tabs, radio buttons and boxes, typed
// keys; the entry messages are collected instead of shown.

#include "app/main_window.h"
#include "app/status_panels.h"
#include "pages/dead_end_pages.h"
#include "pages/param3_page.h"
#include "views/site_list.h"
#include "shell_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quorel::gui::testing {

class WindowPages : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        window = makeWindow();
        window->entryMessageDisplay = [this](QMessageBox::Icon icon, const QString& text) {
            messages << text;
            icons.push_back(icon);
        };
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* edit(int tag) const { return window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(tag)); }
    // RadioButtonk of the main window's pages (the scheme window has a RadioButton1..3 of its own).
    QRadioButton* radio(int k) const
    {
        for (QRadioButton* b : window->findChildren<QRadioButton*>(QStringLiteral("RadioButton%1").arg(k)))
            if (b->window() == window.get())
                return b;
        return nullptr;
    }
    CircuitModel& m() const { return window->model(); }
    DeadEnd1Page* deadEnd1Page() const { return window->deadEnd1Page; }
    DeadEnd2Page* deadEnd2Page() const { return window->deadEnd2Page; }

    // A click on the page's tab, where the tab bar draws it.
    void clickTab(Page page)
    {
        PageTabBar* bar = window->PageControl1->pageTabBar();
        ASSERT_TRUE(window->isPageVisible(page)) << page;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->visualTabRect(page).center());
        ASSERT_EQ(window->currentPage(), page);
    }
    void clickOn(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 8)); }

    // The user opens "param3" and picks the site in ComboBoxS with the keyboard.
    void chooseStimulusSite(int site)
    {
        clickTab(TabSheet_des2);
        SiteList* list = window->param3Page->ComboBoxS;
        list->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int k = 1; k < site; ++k)
            QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(m().stimulusSite, site);
    }

    // The user shows the box's page, clicks into the box (its whole text is selected)
    // and types.
    void typeInto(Page page, int tag, const QString& keys)
    {
        if (window->currentPage() != page)
            clickTab(page);
        QLineEdit* box = edit(tag);
        const bool hadFocus = box->hasFocus();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 4));
        QApplication::processEvents();   // the queued select-all of EditEnter
        if (hadFocus) {   // the user selects the text again
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        }
        ASSERT_EQ(box->selectedText(), box->text()) << tag;
        QTest::keyClicks(box, keys);
    }

    // The status bar's check lamp, as painted.
    QColor paintedLamp() const
    {
        const PixelPoint lamp = window->StatusBar1->panelGeometry().checkLamp;
        return window->StatusBar1->grab().toImage().pixelColor(lamp.x + 8, lamp.y + 8);
    }
    static bool isRed(const QColor& c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; }

    std::unique_ptr<TSDIAppForm> window;
    QStringList messages;
    std::vector<QMessageBox::Icon> icons;
};

}  // namespace quorel::gui::testing
