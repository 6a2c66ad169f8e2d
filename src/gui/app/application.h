#pragma once
// The start-up of the program: one copy only, the application's title, the main
// window, the message loop.

#include "app/shell_options.h"

#include <QString>
#include <QStringList>
#include <functional>

class QApplication;

namespace quorel::gui {

class TSDIAppForm;

struct ApplicationHooks {
    QString lockPath;                                          // the single-instance lock
    std::function<void(const QString& message)> tellUser;      // null: a message box
    ShellOptions shell;
    std::function<int(TSDIAppForm& window)> runLoop;           // null: QApplication::exec
    QString openAtStart;   // a circuit file named on the command line, opened once the window shows

    static ApplicationHooks forProgram();
};

constexpr const char* kAlreadyRunningMessage = "Application Already Running";

// The circuit file among the program's arguments (`quorel FILE.cir`, as the desktop's
// "open with" passes it): the first argument after the program that is not an option.
QString circuitFileArgument(const QStringList& arguments);

// Returns the program's exit code. A second copy tells the user and ends at once,
// without creating any window.
int runApplication(QApplication& app, const ApplicationHooks& hooks);

}  // namespace quorel::gui
