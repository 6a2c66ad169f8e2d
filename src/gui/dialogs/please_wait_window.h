#pragma once
// TForm3, the "please wait" window shown while a file is loaded, saved or printed or
// a run is calculated: a small caption-only window that stays on top.

#include <QWidget>

class QLabel;

namespace quorel::gui {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Shows `message` in Label1, placed by the main window's outer geometry: mode 1
    // centres the window on it, mode 2 puts it 30 pixels below its top, starting at
    // half its width ("Now Calculating").
    void showMessage(const QString& message, const QRect& mainFrame, int mode);
    void showMessage(const QString& message, const QWidget* mainWindow, int mode);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

// Waits `milliseconds` while the window system keeps working, so that the "please
// wait" window paints and the program stays responsive.
void waitPumping(int milliseconds);

}  // namespace quorel::gui
