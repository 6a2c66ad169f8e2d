#include "app/file_commands.h"

#include "app/main_window.h"
#include "app/page_control.h"
#include "app/run_command.h"
#include "app/status_panels.h"
#include "dialogs/please_wait_window.h"
#include "engine/circuit_check.h"
#include "model/circuit_description.h"
#include "model/parameter_form.h"
#include "pages/check_page.h"
#include "pages/circuit_page.h"
#include "pages/memo_page.h"
#include "pages/param2_page.h"
#include "pages/param3_page.h"
#include "pages/param4_page.h"
#include "pages/prn_file_page.h"
#include "persistence/set_loading.h"
#include "presentation/result_sheet.h"
#include "views/result_sheet_view.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <algorithm>

namespace quorel::gui {

namespace {

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString toQString(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// What a loaded set shows on every page: the parameter pages have followed the form
// already; the tables, lists, memo, result sheet and lamps follow here.
void showLoadedSet(TSDIAppForm& window)
{
    CircuitModel& m = window.model();
    SessionState& session = window.session();
    const RunResults& results = window.results();
    window.checkPage->showReport(runCircuitCheck(m));
    window.checkPage->setDeadEndConflictShown(window.form().label79Visible());
    window.circuitPage->refresh(describeCircuit(m));
    window.param2Page->refresh();
    window.param3Page->syncFromForm();
    window.param4Page->syncFromForm();
    window.memoPage->showSessionMemo();

    // The scan-step bar of the sheet takes ScrollBar2's maximum and position.
    ResultSheetView& sheet = *window.resultSheetView;
    const int steps = std::max(1, session.scrollBar2.maximum);
    const int step = std::clamp(session.scrollBar2.position, 1, steps);
    sheet.setScanStep(step, steps);
    sheet.setScrollBarVisible(m.stimulationMode == 1);
    {
        const QSignalBlocker blocker(sheet.CheckBoxERP);
        sheet.CheckBoxERP->setChecked(session.displayErp == 1);
    }
    window.runController->ScrollBar1Change(step);
    window.prnFilePage->setResultPrintOptionsEnabled(hasResults(results));
    window.refreshStatusBar();
}

}  // namespace

FileCommands::FileCommands(TSDIAppForm& window, QString historyPath)
    : QObject(&window), window_(window), historyPath_(std::move(historyPath))
{
    setObjectName("FileCommands");
    if (!historyPath_.isEmpty())
        recent_ = readHistoryFile(localPath(historyPath_));
    rebuildRecentMenu();
    markSaved();
}

void FileCommands::error(const QString& text)
{
    if (showError) {
        showError(text);
        return;
    }
    QMessageBox::warning(&window_, QStringLiteral("Error"), text);
}

QString FileCommands::displayName() const
{
    return currentFileName_.isEmpty() ? QStringLiteral("untitled") : QFileInfo(currentFileName_).fileName();
}

void FileCommands::markSaved()
{
    saved_.markSaved(window_.model(), window_.results(), window_.session());
}

bool FileCommands::hasUnsavedWork() const
{
    return saved_.unsaved(window_.model(), window_.results(), window_.session());
}

bool FileCommands::mayLeaveWork()
{
    if (!hasUnsavedWork())
        return true;
    SaveAnswer answer = SaveAnswer::Cancel;
    if (askSaveChanges) {
        answer = askSaveChanges(displayName());
    } else if (window_.options().askSaveChanges) {
        answer = window_.options().askSaveChanges(&window_, displayName());
    } else {
        const auto button = QMessageBox::question(
            &window_, QStringLiteral("Quorel"), QStringLiteral("Save changes to %1?").arg(displayName()),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        answer = button == QMessageBox::Yes ? SaveAnswer::Yes
                 : button == QMessageBox::No ? SaveAnswer::No
                                             : SaveAnswer::Cancel;
    }
    switch (answer) {
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Yes: break;
    }
    // Saved as Save would save it; a save that was cancelled or failed keeps the work.
    if (!window_.finishEditing())
        return false;
    if (currentFileName_.isEmpty()) {
        SaveAsA1Click();
        return !hasUnsavedWork();
    }
    return saveCircuitSet(currentFileName_);
}

void FileCommands::OpenItemClick()
{
    if (!mayLeaveWork())
        return;
    QString path;
    if (chooseOpenPath) {
        path = chooseOpenPath();
    } else {
        QFileDialog dialog(&window_, QStringLiteral("Open File"), openFolder_);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("cir"));
        dialog.setNameFilters({QStringLiteral("all VT data file (*.cir or Circ*.*)"),
                               QStringLiteral("cir VT data file (*.cir)"),
                               QStringLiteral("Circ VT data file (Circ*.*)"), QStringLiteral("all files (*.*)")});
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().front();
    }
    if (!path.isEmpty())
        loadCircuitSet(path);
}

void FileCommands::SaveItemClick()
{
    if (currentFileName_.isEmpty())
        SaveAsA1Click();
    else
        saveCircuitSet(currentFileName_);
}

void FileCommands::SaveAsA1Click()
{
    QString path;
    if (chooseSavePath) {
        path = chooseSavePath();
    } else {
        QFileDialog dialog(&window_, QStringLiteral("Save File"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("cir"));
        dialog.setNameFilters({QStringLiteral("VT data file (*.cir)"), QStringLiteral("All files (*.*)")});
        if (!savePath_.isEmpty())
            dialog.selectFile(savePath_);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().front();
    }
    if (!path.isEmpty())
        saveCircuitSet(path);
}

void FileCommands::openRecentFile(int n)
{
    const std::string entry = recent_.entry(n);
    if (entry.empty() || !mayLeaveWork())
        return;
    loadCircuitSet(toQString(entry));
}

bool FileCommands::openPath(const QString& path)
{
    if (path.isEmpty() || !mayLeaveWork())
        return false;
    return loadCircuitSet(path);
}

bool FileCommands::loadCircuitSet(const QString& path)
{
    window_.stopAnimation();   // also for a recent, dropped or named file
    TForm3& wait = *window_.Form3;
    wait.showMessage(QStringLiteral("Now Loading"), &window_, 1);
    waitPumping(waitBeforeMs);

    const FormLoadReport report =
        loadCircuitSetThroughForm(localPath(path), window_.form(), window_.results(), window_.session());
    if (!report.files.loaded) {
        wait.hide();
        // Nothing changed: not the title, the model, the results nor the menu.
        error(toQString(problemMessage(*report.files.refused)));
        return false;
    }
    showLoadedSet(window_);
    emit circuitSetLoaded();
    becomeCurrent(path);
    openFolder_ = QFileInfo(path).absolutePath();
    savePath_ = path;
    wait.hide();
    markSaved();

    // The movie page in front, after the ECG page has been shown once.
    for (Page page : {TabSheet_movie, TabSheet_ecg, TabSheet_movie})
        window_.selectPage(page);

    // A damaged companion file did not stop the rest; the user learns which and where.
    QStringList notes;
    for (const FileProblem& damaged : report.files.damaged)
        notes << toQString(problemMessage(damaged));
    if (!notes.isEmpty())
        error(notes.join('\n'));
    return true;
}

bool FileCommands::saveCircuitSet(const QString& path)
{
    window_.stopAnimation();
    TForm3& wait = *window_.Form3;
    wait.showMessage(QStringLiteral("Now Saving"), &window_, 1);
    waitPumping(waitBeforeMs);
    const SaveReport report = quorel::saveCircuitSet(localPath(path), window_.model(), window_.results(),
                                                     window_.session());
    if (!report.ok()) {
        wait.hide();
        QStringList messages;
        for (const std::string& message : report.messages())
            messages << toQString(message);
        error(messages.join('\n'));
        return false;
    }
    becomeCurrent(path);
    savePath_ = path;
    markSaved();
    waitPumping(waitAfterSaveMs);
    wait.hide();
    return true;
}

void FileCommands::becomeCurrent(const QString& path)
{
    window_.prnFilePage->setFileName(path);
    window_.setWindowTitle(QString::fromLatin1(kBaseCaption) + QStringLiteral(" : ") + path);
    recent_.add(localPath(path));
    currentFileName_ = path;
    rebuildRecentMenu();
}

void FileCommands::rebuildRecentMenu()
{
    QMenu* file = window_.FileMenu;
    for (QAction* item : recentItems_) {
        file->removeAction(item);
        item->deleteLater();
    }
    recentItems_.clear();
    const std::vector<std::string> captions = recent_.menuItems();
    if (captions.empty())
        return;
    // Right after N2, above "Exit(&X)".
    QAction* before = window_.ExitItem;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* item = new QAction(toQString(captions[i]), file);
        const int n = static_cast<int>(i) + 1;
        connect(item, &QAction::triggered, this, [this, n] { openRecentFile(n); });
        file->insertAction(before, item);
        recentItems_ << item;
    }
    auto* separator = new QAction(file);
    separator->setSeparator(true);
    file->insertAction(before, separator);
    recentItems_ << separator;
}

void FileCommands::writeHistory()
{
    if (historyPath_.isEmpty())
        return;
    if (!writeHistoryFile(localPath(historyPath_), recent_)) {
        if (showError)
            showError(QStringLiteral("Could not save history file"));
        else
            QMessageBox::critical(&window_, QStringLiteral("Error"), QStringLiteral("Could not save history file"));
    }
}

}  // namespace quorel::gui
