#pragma once
// "delay": the path from site1 to the QRS onset (Edit9, Edit10), shown while it is on.

#include "pages/spin_edit.h"

namespace quorel::gui {

class DelayPage : public ParameterPage {
    Q_OBJECT
public:
    explicit DelayPage(ParameterForm& form, QWidget* parent = nullptr);
};

}  // namespace quorel::gui
