#pragma once
// Shared pieces of the shell's GUI tests: a listening sound player and a window whose
// questions are answered by the test.

#include "app/main_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quorel::gui::testing {

struct FakeSoundPlayer : SoundPlayer {
    struct Played {
        Sound sound;
        bool toEnd;
    };
    std::vector<Played> played;
    void play(Sound sound) override { played.push_back({sound, false}); }
    void playToEnd(Sound sound) override { played.push_back({sound, true}); }
};

// A window with a private settings file, a fake sound player, a counted flash and an
// exit question answered by `exitAnswer`.
struct ShellFixture : ::testing::Test {
    QTemporaryDir dir;
    std::shared_ptr<FakeSoundPlayer> sounds = std::make_shared<FakeSoundPlayer>();
    bool exitAnswer = true;
    int exitQuestions = 0;
    // "Save changes to …?": counted, answered No unless a test says otherwise.
    int saveQuestions = 0;
    SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::No;
    int flashes = 0;
    QStringList errors;

    void SetUp() override
    {
        // Closing a test window must never end the shared application.
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(dir.isValid());
    }

    QString settingsPath() const { return dir.filePath("Quorel.INI"); }

    ShellOptions options()
    {
        ShellOptions o;
        o.settingsPath = settingsPath();
        o.soundPlayer = sounds;
        o.confirmExit = [this](QWidget*) {
            ++exitQuestions;
            return exitAnswer;
        };
        o.askSaveChanges = [this](QWidget*, const QString&) {
            ++saveQuestions;
            return saveChangesAnswer;
        };
        o.flashWindow = [this](QWidget*) { ++flashes; };
        o.showError = [this](QWidget*, const QString& text) { errors << text; };
        return o;
    }

    std::unique_ptr<TSDIAppForm> makeWindow() { return std::make_unique<TSDIAppForm>(options()); }
};

}  // namespace quorel::gui::testing
