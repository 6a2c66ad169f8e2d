#pragma once
// The About box: program icon, name, version and credits; modal, centred on the main window.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace quorel::gui {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Places the box centred on `mainWindow` and shows it modally.
    int showCentredOver(const QWidget* mainWindow);
    // The place showCentredOver chooses, from the main window's outer geometry.
    QPoint centredPosition(const QRect& mainFrame) const;

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

}  // namespace quorel::gui
