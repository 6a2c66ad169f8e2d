#include "app/single_instance.h"

#include <QDir>

namespace quorel::gui {

QString defaultSingleInstanceLockPath()
{
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Single Instance Program.lock"));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath) : lock_(lockPath)
{
    // The lock lives as long as the program: only a dead owner makes it stale, never
    // its age (Qt's default would hand it to a second copy after 30 seconds).
    lock_.setStaleLockTime(0);
}

bool SingleInstanceGuard::acquire()
{
    return lock_.isLocked() || lock_.tryLock(0);
}

}  // namespace quorel::gui
