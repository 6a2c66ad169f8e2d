#include "app/program_data_folder.h"

#include "persistence/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace quorel::gui {

QString programDataFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const std::filesystem::path chosen = quorel::programDataFolder(QFile::encodeName(program).toStdString(),
                                                                   QFile::encodeName(user).toStdString());
    const QString folder = QFile::decodeName(QByteArray::fromStdString(chosen.string()));
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return QDir::cleanPath(folder);
}

}  // namespace quorel::gui
