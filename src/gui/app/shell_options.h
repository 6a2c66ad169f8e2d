#pragma once
// What the main window takes from its surroundings, so that tests can put in place
// a settings file of their own, a listening sound player and scripted answers.

#include "app/sound_player.h"

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace quorel::gui {

// The answers to "Save changes to …?".
enum class SaveChangesAnswer { Yes, No, Cancel };

struct ShellOptions {
    // The INI file of the window settings; empty: nothing is read or written.
    QString settingsPath;
    // Null: QSoundEffect on the program's own sounds.
    std::shared_ptr<SoundPlayer> soundPlayer;
    // Asks "Do you really want to exit?"; null: the "Warning" message box.
    std::function<bool(QWidget* window)> confirmExit;
    // Asks "Save changes to <name>?" before unsaved work would be set aside (Open, a recent
    // file, a dropped file, Exit); null: the question box.
    std::function<SaveChangesAnswer(QWidget* window, const QString& name)> askSaveChanges;
    // Flashes the window's caption and task-bar entry once; null: QApplication::alert.
    std::function<void(QWidget* window)> flashWindow;
    // Shows an error that no command is waiting for (such as settings that could not
    // be written at exit); null: a message box captioned "Error".
    std::function<void(QWidget* window, const QString& text)> showError;
    // The folder of the files kept beside the program (the calculator's pictures);
    // empty: none is read or written.
    QString programDataFolder;
    // Pixels per inch for `largeFonts`; 0: the screen's.
    double logicalDpi = 0.0;

    // The program's own choices: the settings file in the user's configuration folder,
    // the program's files beside it or in the user's data folder (programDataFolder()).
    static ShellOptions forProgram();
};

}  // namespace quorel::gui
