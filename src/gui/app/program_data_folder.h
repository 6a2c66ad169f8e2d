#pragma once
// The folder of the files kept beside the program (the calculator's background pictures,
// the recent-file list "History"): the executable's folder while it can be written,
// otherwise the user's data folder (QStandardPaths::AppDataLocation). The rule itself is
// quorel::programDataFolder in core; this asks Qt for the two folders.

#include <QString>

namespace quorel::gui {

// The folder to read and write these files in, created when it is the user's folder.
// Call it once the application's name is set: the user's folder is named after it.
// Empty only when neither folder can be used.
QString programDataFolder();

}  // namespace quorel::gui
