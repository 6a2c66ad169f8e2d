#pragma once
// "loop": the number of sites in the outer loop (Edit8), shown while equal segment
// lengths are switched off.

#include "pages/spin_edit.h"

namespace quorel::gui {

class LoopPage : public ParameterPage {
    Q_OBJECT
public:
    explicit LoopPage(ParameterForm& form, QWidget* parent = nullptr);
};

}  // namespace quorel::gui
