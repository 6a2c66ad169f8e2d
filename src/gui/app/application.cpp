#include "app/application.h"

#include "app/application_font.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/single_instance.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace quorel::gui {

ApplicationHooks ApplicationHooks::forProgram()
{
    ApplicationHooks hooks;
    // The user's data folder of the program's files is named after the application.
    QApplication::setApplicationName(QStringLiteral("Quorel"));
    hooks.lockPath = defaultSingleInstanceLockPath();
    hooks.shell = ShellOptions::forProgram();
    return hooks;
}

QString circuitFileArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return arguments[i];
    return {};
}

int runApplication(QApplication& app, const ApplicationHooks& hooks)
{
    SingleInstanceGuard guard(hooks.lockPath.isEmpty() ? defaultSingleInstanceLockPath() : hooks.lockPath);
    if (!guard.acquire()) {
        const QString message = QString::fromLatin1(kAlreadyRunningMessage);
        if (hooks.tellUser)
            hooks.tellUser(message);
        else
            QMessageBox::information(nullptr, QStringLiteral("Quorel"), message);
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("Quorel"));
    ensureProportionalFont(app);
    initQuorelResources();

    TSDIAppForm window(hooks.shell);
    window.show();
    if (!hooks.openAtStart.isEmpty()) {
        const QString path = hooks.openAtStart;
        QTimer::singleShot(0, &window, [&window, path] { window.fileCommands->openPath(path); });
    }
    const int code = hooks.runLoop ? hooks.runLoop(window) : app.exec();
    guard.release();
    return code;
}

}  // namespace quorel::gui
