#include "pages/memo_page.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace quorel::gui {

MemoPage::MemoPage(SessionState& session, MemoEditState& rules, QWidget* parent)
    : QWidget(parent), session_(session), rules_(rules)
{
    setObjectName("MemoPage");
    LabelMemo = new QLabel(QStringLiteral("Memo"), this);
    LabelMemo->setObjectName("LabelMemo");
    QFont bold = LabelMemo->font();
    bold.setBold(true);
    LabelMemo->setFont(bold);

    TextEditor = new QPlainTextEdit(this);
    TextEditor->setObjectName("TextEditor");
    TextEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextEditor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextEditor->installEventFilter(this);
    LabelMemo->setBuddy(TextEditor);

    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        MemoCommand command;
    } buttons[] = {
        {&Button1, "Button1", "cut", MemoCommand::Cut},
        {&Button2, "Button2", "copy", MemoCommand::Copy},
        {&Button3, "Button3", "paste", MemoCommand::Paste},
        {&Button4, "Button4", "select all", MemoCommand::SelectAll},
        {&Button5, "Button5", "undo", MemoCommand::Undo},
    };
    auto* row = new QHBoxLayout;
    row->addWidget(LabelMemo);
    row->addStretch();
    for (const auto& b : buttons) {
        *b.button = new QPushButton(QString::fromLatin1(b.caption), this);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        const MemoCommand command = b.command;
        connect(*b.button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
        row->addWidget(*b.button);
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(row);
    column->addWidget(TextEditor, 1);

    // The saved memo is the session's; keep it in step with every edit.
    connect(TextEditor, &QPlainTextEdit::textChanged, this, [this] {
        session_.memoLines = memoLinesFromText(TextEditor->toPlainText().toStdString());
    });
    clearMemo();
}

void MemoPage::runCommand(MemoCommand command)
{
    if (rules_.acts(command)) {
        switch (command) {
        case MemoCommand::Cut: TextEditor->cut(); break;
        case MemoCommand::Copy: TextEditor->copy(); break;
        case MemoCommand::Paste: TextEditor->paste(); break;
        case MemoCommand::Delete: {
            QTextCursor cursor = TextEditor->textCursor();
            cursor.removeSelectedText();
            TextEditor->setTextCursor(cursor);
            break;
        }
        case MemoCommand::SelectAll: TextEditor->selectAll(); break;
        case MemoCommand::Undo: TextEditor->undo(); break;
        }
    }
    TextEditor->setFocus(Qt::OtherFocusReason);
}

void MemoPage::showSessionMemo()
{
    TextEditor->setPlainText(QString::fromStdString(memoTextFromLines(session_.memoLines)));
}

void MemoPage::clearMemo()
{
    TextEditor->clear();
    session_.memoLines.clear();
}

bool MemoPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TextEditor) {
        if (event->type() == QEvent::FocusIn) {
            rules_.focusIn();
            emit editMenuEnabledChanged(rules_.editMenuEnabled);
        } else if (event->type() == QEvent::FocusOut) {
            // Opening a menu lends the keyboard to the menu, the memo keeps its place.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason) {
                rules_.focusOut();
                emit editMenuEnabledChanged(rules_.editMenuEnabled);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorel::gui
