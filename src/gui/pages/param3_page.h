#pragma once
// "param3": the stimulation protocol: stimulus site, clock, single stimuli or trains,
// with the estimated VT cycle length to choose the pacing cycle length against.

#include "pages/spin_edit.h"
#include "views/site_list.h"

#include <vector>

class QLabel;

namespace quorel::gui {

class Param3Page : public ParameterPage {
    Q_OBJECT
public:
    explicit Param3Page(ParameterForm& form, QWidget* parent = nullptr);
    void syncFromForm() override;

    SiteList* ComboBoxS = nullptr;
    QLabel* Label144 = nullptr;   // the estimated VT cycle length, "0.2513sec"

private:
    std::vector<QWidget*> singleStimuliLabels_;   // captions of Edit20, Edit25 and "msec"
    std::vector<QWidget*> trainLabels_;           // captions of Edit21, Edit23, Edit24, both "sec", the note
};

}  // namespace quorel::gui
