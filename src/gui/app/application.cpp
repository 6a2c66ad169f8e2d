#include "app/application.h"

#include "app/application_font.h"
#include "app/main_window.h"
#include "app/single_instance.h"

#include <QApplication>
#include <QMessageBox>

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
    const int code = hooks.runLoop ? hooks.runLoop(window) : app.exec();
    guard.release();
    return code;
}

}  // namespace quorel::gui
