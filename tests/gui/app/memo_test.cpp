#include "app/main_window.h"
#include "pages/memo_page.h"
#include "shell_test_support.h"

#include <QLabel>
#include <QMenu>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorel;
using namespace quorel::gui;
using quorel::gui::testing::ShellFixture;

struct Memo : ShellFixture {
    std::unique_ptr<TSDIAppForm> window;
    MemoPage* memo = nullptr;

    void SetUp() override
    {
        ShellFixture::SetUp();
        window = makeWindow();
        window->show();
        window->selectPage(TabSheet_memo);
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        memo = window->memoPage;
    }
    bool editMenuEnabled() const { return window->EditMenu->menuAction()->isEnabled(); }
    QString text() const { return memo->TextEditor->toPlainText(); }
    QString selection() const { return memo->TextEditor->textCursor().selectedText(); }
};

TEST_F(Memo, PageHoldsTheLabelledEditorAndItsFiveButtons)
{
    EXPECT_EQ(memo->LabelMemo->text(), "Memo");
    const std::pair<QPushButton*, const char*> buttons[] = {
        {memo->Button1, "cut"}, {memo->Button2, "copy"}, {memo->Button3, "paste"},
        {memo->Button4, "select all"}, {memo->Button5, "undo"}};
    for (auto [button, caption] : buttons)
        EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(memo->TextEditor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(window->session().memoLines.empty());
}

TEST_F(Memo, EditMenuIsEnabledExactlyWhileTheMemoHasTheFocus)
{
    EXPECT_FALSE(editMenuEnabled());
    memo->TextEditor->setFocus();
    EXPECT_TRUE(editMenuEnabled());
    EXPECT_TRUE(window->shell().memo.entered);

    // A focus change to another control disables it; the memo stays "entered".
    auto* other = new QLineEdit(window->pageWidget(TabSheet_memo));
    other->show();
    other->setFocus();
    EXPECT_FALSE(editMenuEnabled());
    EXPECT_TRUE(window->shell().memo.entered);
    memo->TextEditor->setFocus();
    EXPECT_TRUE(editMenuEnabled());
}

TEST_F(Memo, SelectionCommandsWaitForTheFirstFocusButUndoAlwaysWorks)
{
    memo->TextEditor->setPlainText("abc");   // as a loaded memo arrives, without the focus
    ASSERT_FALSE(window->shell().memo.entered);
    QTest::mouseClick(memo->Button4, Qt::LeftButton);   // select all: not yet
    EXPECT_TRUE(selection().isEmpty());
    EXPECT_TRUE(memo->TextEditor->hasFocus());          // but the memo now has the focus
    QTest::mouseClick(memo->Button4, Qt::LeftButton);
    EXPECT_EQ(selection(), "abc");

    // Undo reaches a memo that was never entered.
    window.reset();
    window = makeWindow();
    window->show();
    memo = window->memoPage;
    memo->TextEditor->insertPlainText("typed");
    ASSERT_FALSE(window->shell().memo.entered);
    memo->runCommand(MemoCommand::Undo);
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(Memo, ButtonsAndMenuItemsCutCopyPasteDeleteAndUndo)
{
    memo->TextEditor->setFocus();
    QTest::keyClicks(memo->TextEditor, "pacing at site 5");
    EXPECT_EQ(text(), "pacing at site 5");

    QTest::mouseClick(memo->Button4, Qt::LeftButton);   // select all
    QTest::mouseClick(memo->Button1, Qt::LeftButton);   // cut
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(memo->TextEditor->hasFocus());
    QTest::mouseClick(memo->Button3, Qt::LeftButton);   // paste
    QTest::mouseClick(memo->Button3, Qt::LeftButton);
    EXPECT_EQ(text(), "pacing at site 5pacing at site 5");

    window->SelectAllItem->trigger();
    window->CopyItem->trigger();
    window->DeleteItem->trigger();
    EXPECT_TRUE(text().isEmpty());
    window->PasteItem->trigger();
    EXPECT_EQ(text(), "pacing at site 5pacing at site 5");
    window->UndoItem->trigger();
    EXPECT_TRUE(text().isEmpty());
    QTest::mouseClick(memo->Button5, Qt::LeftButton);   // one step further back: the delete
    EXPECT_EQ(text(), "pacing at site 5pacing at site 5");
    memo->TextEditor->moveCursor(QTextCursor::End);
    window->CutItem->trigger();   // nothing selected: nothing cut
    EXPECT_EQ(text(), "pacing at site 5pacing at site 5");
    EXPECT_TRUE(memo->TextEditor->hasFocus());
}

TEST_F(Memo, SessionKeepsTheMemoLinesForSavingAndLoading)
{
    memo->TextEditor->setFocus();
    QTest::keyClicks(memo->TextEditor, "first");
    QTest::keyClick(memo->TextEditor, Qt::Key_Return);
    QTest::keyClicks(memo->TextEditor, "second");
    EXPECT_EQ(window->session().memoLines, (std::vector<std::string>{"first", "second"}));

    window->session().memoLines = {"loaded", "", "memo"};
    memo->showSessionMemo();
    EXPECT_EQ(text(), "loaded\n\nmemo");
    EXPECT_EQ(window->session().memoLines, (std::vector<std::string>{"loaded", "", "memo"}));
    memo->clearMemo();
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(window->session().memoLines.empty());
}
