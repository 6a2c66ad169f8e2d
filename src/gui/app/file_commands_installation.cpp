// The File menu's commands, files dropped on the window, and the recent-file list that
// is written at exit.
#include "app/main_window.h"

#include "app/file_commands.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace quorel::gui {

namespace {

// The first local file of a drag, or an empty text.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

}  // namespace

void TSDIAppForm::installFileCommands()
{
    const QString history =
        options_.programDataFolder.isEmpty() ? QString() : QDir(options_.programDataFolder).filePath("History");
    fileCommands = new FileCommands(*this, history);
    setCommandHandler(Command::Open, [this] { fileCommands->OpenItemClick(); });
    setCommandHandler(Command::Save, [this] { fileCommands->SaveItemClick(); });
    setCommandHandler(Command::SaveAs, [this] { fileCommands->SaveAsA1Click(); });
    connect(this, &TSDIAppForm::exiting, fileCommands, &FileCommands::writeHistory);
    // The ECG keeps state of its own: the loaded channels, marks, scroll bars and flags.
    connect(fileCommands, &FileCommands::circuitSetLoaded, this, &TSDIAppForm::ecgStateLoaded);
    setAcceptDrops(true);
}

void TSDIAppForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!calculationLocked_ && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TSDIAppForm::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty() || calculationLocked_)
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that the drag source is not kept waiting by the
    // questions and the "please wait" window.
    QMetaObject::invokeMethod(this, [this, path] { fileCommands->openPath(path); }, Qt::QueuedConnection);
}

}  // namespace quorel::gui
