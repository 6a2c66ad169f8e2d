#pragma once
// The memo page: a free text (TextEditor) saved with the circuit, with buttons for
// the usual editing commands. The "Edit(&E)" menu follows the memo's focus.

#include "model/session_state.h"
#include "presentation/shell_state.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quorel::gui {

class MemoPage : public QWidget {
    Q_OBJECT
public:
    MemoPage(SessionState& session, MemoEditState& rules, QWidget* parent = nullptr);

    // Runs a memo command when the rules allow it, then gives the focus back to the memo.
    void runCommand(MemoCommand command);
    // Shows the session's memo lines (after a file was read) / clears the memo.
    void showSessionMemo();
    void clearMemo();

    QLabel* LabelMemo = nullptr;
    QPlainTextEdit* TextEditor = nullptr;
    QPushButton* Button1 = nullptr;   // "cut"
    QPushButton* Button2 = nullptr;   // "copy"
    QPushButton* Button3 = nullptr;   // "paste"
    QPushButton* Button4 = nullptr;   // "select all"
    QPushButton* Button5 = nullptr;   // "undo"

signals:
    void editMenuEnabledChanged(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SessionState& session_;
    MemoEditState& rules_;
};

}  // namespace quorel::gui
