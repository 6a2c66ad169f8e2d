#pragma once
// TForm1: the run-time warning dialog. Created once, so its three choices keep the
// last selection between showings.

#include "engine/circuit_check.h"

#include <QDialog>

class QLabel;
class QRadioButton;

namespace quorel::gui {

class TForm1 : public QDialog {
    Q_OBJECT
public:
    enum Choice { Continue = 0, StartOver = 1, ResetInterval = 2 };

    explicit TForm1(QWidget* parent = nullptr);

    // Fills the five labels; the caller centres and shows the dialog.
    void setTexts(const WarningTexts& texts);
    Choice choice() const;
    // Centred on `owner`: left = owner left + owner width / 2 - own width / 2, top likewise.
    void centreOn(const QWidget& owner);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QRadioButton* RadioButtonContinue = nullptr;
    QRadioButton* RadioButtonStartOver = nullptr;
    QRadioButton* RadioButtonReset = nullptr;
};

}  // namespace quorel::gui
