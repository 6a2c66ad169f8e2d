// The status bar, the sounds, Timer2, the window settings and the way out.
#include "app/main_window.h"

#include "app/file_commands.h"
#include "app/glyphs.h"
#include "app/page_control.h"
#include "app/program_data_folder.h"
#include "app/status_panels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

namespace quorel::gui {

ShellOptions ShellOptions::forProgram()
{
    ShellOptions options;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    options.settingsPath = QDir(folder).filePath(QStringLiteral("Quorel/Quorel.INI"));
    options.programDataFolder = quorel::gui::programDataFolder();
    return options;
}

void TSDIAppForm::createStatusBar()
{
    StatusBar1 = new StatusPanels(
        [this] {
            StatusContent content;
            content.lamp = evaluateLamp(*model_);
            content.captureLamp = results_->captureLamp;
            content.timeText = statusTimeText();
            return content;
        },
        this);
    setStatusBar(StatusBar1);
    // The time shown depends on the page.
    connect(PageControl1, &QTabWidget::currentChanged, StatusBar1, [this] { StatusBar1->update(); });
}

StatusTimePage TSDIAppForm::statusTimePage() const
{
    switch (currentPage()) {
    case TabSheet_ecg: return StatusTimePage::Ecg;
    case TabSheet_movie: return StatusTimePage::Movie;
    default: return StatusTimePage::Other;
    }
}

QString TSDIAppForm::statusTimeText() const
{
    return QString::fromStdString(statusBarTimeText(statusBarSeconds(statusTimePage(), times_)));
}

void TSDIAppForm::refreshStatusBar()
{
    StatusBar1->update();
}

void TSDIAppForm::showRunTime(double seconds)
{
    times_.runTime = seconds;
    StatusBar1->paintTimeNow(QString::fromStdString(statusBarTimeText(seconds)));
}

void TSDIAppForm::setEcgCursorMs(double milliseconds)
{
    times_.ecgCursorMs = milliseconds;
    StatusBar1->update();
}

void TSDIAppForm::setMovieTimeMs(double milliseconds)
{
    times_.movieTimeMs = milliseconds;
    StatusBar1->update();
}

void TSDIAppForm::playSound(Sound sound)
{
    if (shell_.soundOn == 1)
        sounds_->play(sound);
}

void TSDIAppForm::SpeedButton5Click()
{
    SpeedButton5->setIcon(QIcon(namedImage(shell_.toggleSound())));
}

void TSDIAppForm::enableTimer2()
{
    shell_.timer2.enable();
    Timer2->start();
}

void TSDIAppForm::Timer2Timer()
{
    if (shell_.timer2.tick()) {
        if (options_.flashWindow)
            options_.flashWindow(this);
        else
            QApplication::alert(this, 150);
    }
    if (!shell_.timer2.enabled)
        Timer2->stop();
}

bool TSDIAppForm::saveWindowSettings()
{
    return settings_.save(options_.settingsPath);
}

void TSDIAppForm::closeEvent(QCloseEvent* event)
{
    if (shutDown_) {
        event->accept();
        return;
    }
    // Unsaved work: "Save changes to …?" takes the place of the exit question.
    if (fileCommands && fileCommands->hasUnsavedWork()) {
        if (!fileCommands->mayLeaveWork()) {
            event->ignore();
            return;
        }
        shutDown();
        event->accept();
        return;
    }
    const bool leave =
        options_.confirmExit
            ? options_.confirmExit(this)
            : QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("Do you really want to exit?"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    if (!leave) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

void TSDIAppForm::shutDown()
{
    shutDown_ = true;
    Timer2->stop();
    if (shell_.soundOn == 1)
        sounds_->playToEnd(Sound::S99_42e);
    emit exiting();
    if (!options_.settingsPath.isEmpty() && !saveWindowSettings()) {
        const QString text = QStringLiteral("Could not save window settings");
        if (options_.showError)
            options_.showError(this, text);
        else
            QMessageBox::critical(this, QStringLiteral("Error"), text);
    }
}

}  // namespace quorel::gui
