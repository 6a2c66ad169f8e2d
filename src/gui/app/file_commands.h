#pragma once
// Open, Save, Save As and the recent files of the File menu, with the current file name,
// the window title, Label124 and the "please wait" window; also a circuit file dropped on
// the window or named on the command line. Work that differs from what was last saved or
// loaded is never lost without a word: Open, a recent file, a dropped file and Exit first
// ask "Save changes to …?".

#include "app/shell_options.h"
#include "persistence/recent_files.h"
#include "persistence/unsaved_work.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;

namespace quorel::gui {

class TSDIAppForm;

class FileCommands : public QObject {
    Q_OBJECT
public:
    using SaveAnswer = SaveChangesAnswer;

    // `historyPath`: the "History" file of the recent-file list; empty: none is read or written.
    FileCommands(TSDIAppForm& window, QString historyPath);

    // --- what the user sees; each null hook means the real dialog or message box ---
    // "Open File": the chosen path, empty when cancelled.
    std::function<QString()> chooseOpenPath;
    // "Save File" (with its overwrite question): the chosen path, empty when cancelled.
    std::function<QString()> chooseSavePath;
    // "Save changes to <name>?" with Yes, No and Cancel; null: the window's options ask.
    std::function<SaveAnswer(const QString& name)> askSaveChanges;
    // A message box captioned "Error" (warning icon for files that cannot be opened or
    // written, error icon for the History file).
    std::function<void(const QString& text)> showError;
    // Waits with the "please wait" window on screen: 100 ms before a load or a save and
    // 1000 ms after a save. Tests set them to 0.
    int waitBeforeMs = 100;
    int waitAfterSaveMs = 1000;

    // --- the commands ---
    void OpenItemClick();    // OpenItem "Open(&O)...", OpenBtn
    void SaveItemClick();    // SaveItem "Save(&S)...", SaveBtn: Save As without a current name
    void SaveAsA1Click();    // SaveAsA1 "Save As(&A)"
    void openRecentFile(int n);   // recent file n of the File menu (1-based)
    // A file dropped on the window or named on the command line: as Open with a path.
    bool openPath(const QString& path);

    // The load and the save themselves (no question asked); true when done.
    bool loadCircuitSet(const QString& path);
    bool saveCircuitSet(const QString& path);

    // True when work would be lost; then asks, and saves on "Yes". False: stay.
    bool mayLeaveWork();
    bool hasUnsavedWork() const;
    // Start-up counts as saved: nothing is there to lose yet.
    void markSaved();

    // At exit: the current file joins the list, which is written to "History".
    void writeHistory();

    const QString& currentFileName() const { return currentFileName_; }
    const RecentFiles& recentFiles() const { return recent_; }
    QList<QAction*> recentFileItems() const { return recentItems_; }

signals:
    // A circuit set was loaded and applied to the model: the views that keep state of
    // their own (ECG, movie) take it up.
    void circuitSetLoaded();

private:
    void rebuildRecentMenu();
    void becomeCurrent(const QString& path);
    void error(const QString& text);
    QString displayName() const;

    TSDIAppForm& window_;
    QString historyPath_;
    QString currentFileName_;
    QString openFolder_;    // OpenDialog's initial directory
    QString savePath_;      // SaveDialog's file name
    RecentFiles recent_;
    UnsavedWork saved_;
    QList<QAction*> recentItems_;   // the numbered items and their closing separator
};

}  // namespace quorel::gui
