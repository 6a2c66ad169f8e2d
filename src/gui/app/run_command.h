#pragma once
// The Calculation command in the window: GoCalcClick's check and refusal, the run with
// its please-wait window and the scan steps arriving on the result page, the run-time
// warning dialog, the history row at the end; and the result page's own events
// (ScrollBar1Change, CheckBoxERPClick, the page becoming active) and the restore of a
// protocol from the stimulation history.
//
// The run happens on the window's thread inside GoCalcClick; the window stays usable
// through one pass of the event loop per scan step and through the modal warning dialog.

#include "app/main_window.h"
#include "dialogs/warning_dialog.h"
#include "engine/stimulation_history.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace quorel {
struct RunState;
}

namespace quorel::gui {

class RunController : public QObject {
    Q_OBJECT
public:
    explicit RunController(TSDIAppForm& window);
    ~RunController() override;

    RunState& state() { return *state_; }
    const RunState& state() const { return *state_; }

    // The page a calculation shows: "result" or "ECG", whichever was opened last.
    Page resultPage = TabSheet_res1;

    // --- commands and events ---
    void GoCalcClick();
    // The sheet for the step ScrollBar1 shows (step 1 for trains), and outside a run the
    // train messages.
    void fillResultSheet();
    void ScrollBar1Change(int position);
    void CheckBoxERPClick();
    // The page change made "result" the current page.
    void resultPageActivated();
    // Puts the protocol of a history row back into the boxes and shows "param3".
    void ListView1MouseDown(const HistoryRow& row);
    // Routes clicks on the rows of a history list (ListView1) to ListView1MouseDown; a
    // click outside every row reaches nothing.
    void connectListView1(QTreeWidget* list);

signals:
    // A run has ended, whichever way, and its results are complete: the ECG is rebuilt.
    void runFinished();

public:
    // --- for tests; null: the real message box and the real modal dialog ---
    // Shows an error ("check error", an entry that is no number) captioned "Error".
    std::function<void(const QString& text)> showErrorBox;
    // Shows TForm1 modally and returns when it was closed; its choice is read afterwards.
    std::function<void(TForm1& dialog)> showWarningDialog;

private:
    class WindowHooks;   // the engine's RunHooks, answered by this window
    void showError(const QString& text);
    void runNow();
    void showMessages(const std::string& LabelRes1, const std::string& LabelRes2, int captureLamp);

    TSDIAppForm& window_;
    std::unique_ptr<RunState> state_;
    std::unique_ptr<WindowHooks> hooks_;
};

// The eight texts of a history list's row, as a history row.
HistoryRow historyRowOf(const QTreeWidgetItem& item);

}  // namespace quorel::gui
