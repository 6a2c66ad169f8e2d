// Open, Save, Save As, the recent files and the question before unsaved work is lost,
// driven through the window with the dialogs answered by the test.
#include "app/application.h"
#include "app/file_commands.h"
#include "app/run_command.h"
#include "model/parameter_form.h"
#include "pages/memo_page.h"
#include "pages/param4_page.h"
#include "pages/prn_file_page.h"
#include "persistence/unsaved_work.h"
#include "presentation/result_sheet.h"
#include "shell_test_support.h"
#include "views/ecg_set_page.h"
#include "views/result_sheet_view.h"
#include "views/site_list.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <deque>

using namespace quorel;
using namespace quorel::gui;
using namespace quorel::gui::testing;

namespace {

class FileCommandsTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        window = openWindow();
    }

    std::unique_ptr<TSDIAppForm> openWindow()
    {
        ShellOptions o = options();
        o.programDataFolder = dir.path();   // the History file goes here
        auto w = std::make_unique<TSDIAppForm>(o);
        FileCommands& files = *w->fileCommands;
        files.waitBeforeMs = files.waitAfterSaveMs = 0;
        files.chooseOpenPath = [this] { return next(openAnswers); };
        files.chooseSavePath = [this] { return next(saveAnswers); };
        files.askSaveChanges = [this](const QString& name) {
            questions << name;
            return saveChangesAnswer;
        };   // the window's own question (ShellFixture) is not reached
        files.showError = [this](const QString& text) { errors << text; };
        w->runController->showErrorBox = [this](const QString& text) { errors << text; };
        w->show();
        return w;
    }
    static QString next(std::deque<QString>& answers)
    {
        if (answers.empty())
            return {};
        QString path = answers.front();
        answers.pop_front();
        return path;
    }

    FileCommands& files() { return *window->fileCommands; }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList recentCaptions() const
    {
        QStringList captions;
        for (QAction* item : window->fileCommands->recentFileItems())
            if (!item->isSeparator())
                captions << item->text();
        return captions;
    }
    void saveAs(const char* name)
    {
        saveAnswers.push_back(path(name));
        window->SaveAsA1->trigger();
    }
    void open(const char* name)
    {
        openAnswers.push_back(path(name));
        QTest::mouseClick(window->OpenBtn, Qt::LeftButton);
    }
    void calculate() { QTest::mouseClick(window->SpeedButton1, Qt::LeftButton); }

    std::unique_ptr<TSDIAppForm> window;
    std::deque<QString> openAnswers, saveAnswers;
    QStringList questions;
};

TEST_F(FileCommandsTest, SaveRightAfterStartAsksForANameAndASecondSaveDoesNot)
{
    saveAnswers.push_back(path("a.cir"));
    QTest::mouseClick(window->SaveBtn, Qt::LeftButton);
    EXPECT_TRUE(saveAnswers.empty());
    ASSERT_TRUE(QFile::exists(path("a.cir")));
    EXPECT_TRUE(QFile::exists(path("a.mo1")));
    EXPECT_EQ(window->windowTitle(), "Quorel : " + path("a.cir"));
    EXPECT_EQ(window->prnFilePage->Label124->text(), path("a.cir"));

    QFile::remove(path("a.cir"));
    saveAnswers.push_back(path("never.cir"));
    window->SaveItem->trigger();
    EXPECT_EQ(saveAnswers.size(), 1u);   // no dialog the second time
    EXPECT_TRUE(QFile::exists(path("a.cir")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
}

TEST_F(FileCommandsTest, TheRecentFilesFollowTheFilesUsedAndAreKeptInHistory)
{
    saveAs("a.cir");
    saveAs("b.cir");
    EXPECT_EQ(recentCaptions(), QStringList{"&1 " + path("a.cir")});
    saveAs("b.cir");   // the same file twice: the menu stays
    EXPECT_EQ(recentCaptions(), QStringList{"&1 " + path("a.cir")});

    // Reopening a.cir from the menu leaves b.cir as the only item.
    files().recentFileItems().front()->trigger();
    EXPECT_EQ(window->windowTitle(), "Quorel : " + path("a.cir"));
    EXPECT_EQ(window->prnFilePage->Label124->text(), path("a.cir"));
    EXPECT_EQ(recentCaptions(), QStringList{"&1 " + path("b.cir")});
    // The items stand between N2 and "Exit(&X)", closed by a separator.
    const QList<QAction*> menu = window->FileMenu->actions();
    EXPECT_EQ(menu.indexOf(window->N2) + 3, menu.indexOf(window->ExitItem));
    EXPECT_TRUE(menu[menu.indexOf(window->ExitItem) - 1]->isSeparator());

    // At exit the current file joins the list in "History".
    exitAnswer = true;
    window->close();
    QFile history(path("History"));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    EXPECT_EQ(history.readAll(), (path("a.cir") + "\r\n" + path("b.cir") + "\r\n").toUtf8());
}

TEST_F(FileCommandsTest, AHistoryFileOfTwelveLinesGivesNineItems)
{
    QFile history(path("History"));
    ASSERT_TRUE(history.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 12; ++i)
        history.write(QStringLiteral("/no/such/%1.cir\r\n").arg(i).toUtf8());
    history.close();
    window = openWindow();
    EXPECT_EQ(recentCaptions().size(), 9);
    EXPECT_EQ(recentCaptions().front(), "&1 /no/such/1.cir");

    // A file that is gone: the message, and nothing else changes.
    const QString title = window->windowTitle();
    files().recentFileItems().front()->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "[/no/such/1.cir] doesn't exist");
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(recentCaptions().size(), 9);
}

TEST_F(FileCommandsTest, ARefusedFileChangesNeitherTitleModelNorMenu)
{
    saveAs("a.cir");
    QFile bad(path("bad.cir"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("0.020000,abc\r\n");
    bad.close();
    const std::uint64_t before = workFingerprint(window->model(), window->results(), window->session());
    const QStringList menu = recentCaptions();
    open("bad.cir");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("[" + path("bad.cir") + "] line 1")) << errors[0].toStdString();
    EXPECT_EQ(window->windowTitle(), "Quorel : " + path("a.cir"));
    EXPECT_EQ(workFingerprint(window->model(), window->results(), window->session()), before);
    EXPECT_EQ(recentCaptions(), menu);
}

TEST_F(FileCommandsTest, ASavedTrainRunReopensWithItsResultsHistoryAndMemo)
{
    ParameterForm& form = window->form();
    form.selectRadio(10);   // trains
    form.ComboBoxSChange(4);
    calculate();
    window->memoPage->TextEditor->setPlainText("pacing from site 5");
    // An ECG channel moved to site 7 and one caliper mark.
    window->ecgSetPage->onComboBoxECGChange(3, 6);
    window->session().caliperCount = 1;
    window->session().caliperMarks[0] = {100.0, 0.5, 150.0, 0.4, 250};
    saveAs("train.cir");
    const auto cells = [](QTableWidget* sheet) {
        QStringList texts;
        for (int r = 0; r < sheet->rowCount(); ++r)
            for (int c = 0; c < sheet->columnCount(); ++c)
                texts << (sheet->item(r, c) ? sheet->item(r, c)->text() : QString());
        return texts;
    };
    const QStringList sheetBefore = cells(window->resultSheetView->SGRES);
    const QString message = window->resultSheetView->LabelRes1->text();

    // A fresh window opens the set.
    window = openWindow();
    open("train.cir");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
    EXPECT_EQ(window->currentPage(), TabSheet_movie);
    EXPECT_EQ(window->model().stimulationMode, 0);
    EXPECT_EQ(window->model().stimulusSite, 5);
    EXPECT_EQ(cells(window->resultSheetView->SGRES), sheetBefore);
    EXPECT_EQ(window->resultSheetView->LabelRes1->text(), message);
    EXPECT_EQ(window->param4Page->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(window->memoPage->TextEditor->toPlainText(), "pacing from site 5");
    EXPECT_EQ(window->ecgSetPage->ComboBoxE(3)->site(), 7);
    EXPECT_EQ(window->model().ecgChannelSite[3], 7);
    ASSERT_EQ(window->session().caliperCount, 1);
    EXPECT_EQ(window->session().caliperMarks[0].intervalMs, 250);
    EXPECT_FALSE(window->fileCommands->hasUnsavedWork());
}

TEST_F(FileCommandsTest, UnsavedWorkIsNeverLostWithoutAQuestion)
{
    saveAs("a.cir");
    saveAs("b.cir");
    window->form().ComboBoxSChange(6);   // work since the save

    // Cancel: nothing happens.
    saveChangesAnswer = SaveChangesAnswer::Cancel;
    open("a.cir");
    EXPECT_EQ(questions, QStringList{"b.cir"});
    EXPECT_EQ(window->windowTitle(), "Quorel : " + path("b.cir"));
    openAnswers.clear();

    // Yes: saved first, then opened.
    saveChangesAnswer = SaveChangesAnswer::Yes;
    open("a.cir");
    EXPECT_EQ(window->windowTitle(), "Quorel : " + path("a.cir"));
    window->form().ComboBoxSChange(0);
    files().recentFileItems().front()->trigger();   // b.cir, as saved with site 7
    EXPECT_EQ(window->model().stimulusSite, 7);

    // No: the work is set aside. At exit the save question replaces the exit question.
    window->form().ComboBoxSChange(2);
    saveChangesAnswer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(exitQuestions, 0);
    saveChangesAnswer = SaveChangesAnswer::No;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(exitQuestions, 0);
    EXPECT_EQ(questions.size(), 4);
}

TEST_F(FileCommandsTest, NothingUnsavedKeepsTheExitQuestionAsItIs)
{
    saveAs("a.cir");
    exitAnswer = false;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(exitQuestions, 1);
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(FileCommandsTest, EveryExampleOpensWithItsProtocolMemoAndResults)
{
    const QDir examples(QStringLiteral(QUOREL_SOURCE_DIR "/examples"));
    const QStringList sets = examples.entryList({"*.cir"}, QDir::Files);
    ASSERT_GE(sets.size(), 5);
    for (const QString& set : sets) {
        saveChangesAnswer = SaveChangesAnswer::No;
        openAnswers.push_back(examples.filePath(set));
        QTest::mouseClick(window->OpenBtn, Qt::LeftButton);
        EXPECT_TRUE(errors.isEmpty()) << set.toStdString() << ": " << errors.join('|').toStdString();
        EXPECT_EQ(window->windowTitle(), "Quorel : " + examples.filePath(set)) << set.toStdString();
        EXPECT_FALSE(window->memoPage->TextEditor->toPlainText().isEmpty()) << set.toStdString();
        EXPECT_TRUE(hasResults(window->results())) << set.toStdString();
        EXPECT_TRUE(window->resultSheetView->LabelRes1->text().contains("coupling interval")) << set.toStdString();
        errors.clear();
    }
}

TEST_F(FileCommandsTest, ADroppedFileOpensAsOpenDoes)
{
    saveAs("a.cir");
    window->form().ComboBoxSChange(3);
    saveAs("b.cir");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("a.cir"))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), "Quorel : " + path("a.cir"));
    EXPECT_EQ(window->model().stimulusSite, 1);

    EXPECT_EQ(circuitFileArgument({"quorel", "x.cir"}), "x.cir");
    EXPECT_EQ(circuitFileArgument({"quorel", "--verbose"}), "");
}

}  // namespace
