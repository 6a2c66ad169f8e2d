#pragma once
// The "prn / file" page: the report sections and print options, the save format and
// the name of the current file.

#include "model/session_state.h"
#include "presentation/report_options.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace quorel::gui {

class WindowSettings;

class PrnFilePage : public QWidget {
    Q_OBJECT
public:
    PrnFilePage(SessionState& session, QWidget* parent = nullptr);

    // The stored controls of this page: CheckBox1 to CheckBox5, RadioButtonS1, RadioButtonS2.
    void registerSettings(WindowSettings& settings, const QString& section);

    // The result options wait for results: enabled at the end of every run.
    void setResultPrintOptionsEnabled(bool enabled);
    // Label124: "noname" until a file is opened or saved, then its path.
    void setFileName(const QString& path);
    ReportOptions reportOptions() const;

    QGroupBox* GroupBoxPrinter = nullptr;   // "Printer setup"
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QGroupBox* GroupBox7 = nullptr;         // "single stimuli"
    QRadioButton* RadioButtonCUR = nullptr;
    QRadioButton* RadioButtonALL = nullptr;
    QGroupBox* GroupBox8 = nullptr;         // "font"
    QRadioButton* RadioButton13 = nullptr;
    QRadioButton* RadioButton14 = nullptr;
    QGroupBox* GroupBoxSave = nullptr;      // "Save file setup"
    QRadioButton* RadioButtonS1 = nullptr;
    QRadioButton* RadioButtonS2 = nullptr;
    QLabel* LabelFilesS1 = nullptr;
    QLabel* LabelFilesS2 = nullptr;
    QLabel* LabelFourFiles = nullptr;
    QLabel* Label123 = nullptr;
    QLabel* Label124 = nullptr;

public slots:
    void RadioButtonS1Click();
    void RadioButtonS2Click();

private:
    SessionState& session_;
};

}  // namespace quorel::gui
