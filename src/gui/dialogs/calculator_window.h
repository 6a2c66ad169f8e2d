#pragma once
// TForm5: the pocket calculator "QOVAcalc", a window of its own beside the main window,
// shown without blocking it. Every button and key goes through calculatorKey (core); the
// window shows the display, the operator, the memory and the key-help panel, and keeps
// a background picture that the user can replace.
//
// The background is remembered in QOVAGRP.bmp, written whenever the window is hidden
// (and at exit while it is open) and read whenever it is shown; QOVAG01.bmp is the
// picture "DEFAULT" draws, written with the program's own picture when it is missing.

#include "presentation/calculator.h"
#include "presentation/calculator_look.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

class QFrame;
class QLabel;
class QToolButton;

namespace quorel::gui {

class TForm5 : public QWidget {
    Q_OBJECT
public:
    // `dataFolder`: where the two bitmaps are read and written (programDataFolder());
    // empty: no file is touched and the pictures last as long as the program.
    explicit TForm5(QString dataFolder, QWidget* parent = nullptr);
    ~TForm5() override;

    // SpeedButton10, "Calculator(&C)": shows the window, the first time centred on the
    // main window; an open window comes to the front.
    void showCalculator(const QWidget* mainWindow);
    // "Default Window Size(&D)": back to the normal state, centred on the main window.
    void placeOver(const QWidget* mainWindow);

    // One key code, from a button, the help panel's "OK" or the keyboard.
    void calculatorKey(int code);

    void SpeedButtonColorClick();     // "COL": the colour of the number and operator captions
    void SpeedButtonLoadClick();      // "LOAD": a picture from a file
    void SpeedButtonFavoriteClick();  // "DEFAULT": QOVAG01.bmp
    void SpeedButtonBKClick();        // "BK": hides or shows the picture

    // A picture chosen by "LOAD" or dropped on the window, drawn stretched over Image1.
    // A missing file or one that is neither ".bmp" nor ".jpg" is passed over; a damaged
    // one is reported and the current picture kept. Returns true when drawn.
    bool loadBackgroundFile(const QString& path);

    const CalculatorState& state() const { return state_; }
    const CalculatorLook& look() const { return look_; }
    const QImage& background() const { return background_; }  // Image1's picture
    const QString& dataFolder() const { return folder_; }
    QToolButton* buttonNamed(const QString& objectName) const;

    // What the window asks the user; tests answer instead. Null: the standard dialogs.
    std::function<QColor(QWidget* parent, QColor current)> chooseColour;
    std::function<QString(QWidget* parent)> choosePicture;                // empty: cancelled
    std::function<void(QWidget* parent, const QString& text)> showError;  // "Error" box

    QLabel* Label1 = nullptr;                    // the display
    QLabel* Label2 = nullptr;                    // the operator indicator
    QLabel* Label3 = nullptr;                    // the memory display
    QLabel* Image1 = nullptr;                    // the background picture over the whole client area
    QFrame* Panel3 = nullptr;                    // the key-help panel
    QToolButton* SpeedButtonColor = nullptr;     // "COL"
    QToolButton* SpeedButtonLoad = nullptr;      // "LOAD"
    QToolButton* SpeedButtonFavorite = nullptr;  // "DEFAULT"
    QToolButton* SpeedButtonBK = nullptr;        // "BK"

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createButtons();
    void createHelpPanel();
    void showState();
    void applyLook();
    void drawBackground(const QImage& picture);
    bool drawBitmapFile(const char* name);
    void saveBackground();
    QString filePath(const char* name) const;
    void reportError(const QString& text);

    CalculatorState state_;
    CalculatorLook look_;
    QString folder_;
    QImage background_;
    QFrame* displayPanel_ = nullptr;
    std::vector<std::pair<QToolButton*, CalculatorButtonGroup>> buttons_;
    bool placed_ = false;
    bool backgroundUnsaved_ = false;
};

}  // namespace quorel::gui
