#pragma once
// "param3": the stimulation protocol: stimulus site, clock, single stimuli or trains.

#include "pages/spin_edit.h"

#include <vector>

class QComboBox;
class QLabel;

namespace quorel::gui {

class Param3Page : public ParameterPage {
    Q_OBJECT
public:
    explicit Param3Page(ParameterForm& form, QWidget* parent = nullptr);
    void syncFromForm() override;

    QComboBox* ComboBoxS = nullptr;

private:
    std::vector<QWidget*> singleStimuliLabels_;   // captions of Edit20, Edit25 and "msec"
    std::vector<QWidget*> trainLabels_;           // captions of Edit21, Edit23, Edit24, both "sec", the note
};

}  // namespace quorel::gui
