#pragma once
// "param1": the general parameters Edit1..Edit6 and the four Yes/No switches. It also
// reports which optional pages the switches show and the hints the rules write.

#include "pages/spin_edit.h"

#include <array>
#include <string>

namespace quorel::gui {

class Param1Page : public ParameterPage {
    Q_OBJECT
public:
    explicit Param1Page(ParameterForm& form, QWidget* parent = nullptr);

    void syncFromForm() override;
    // Emits the visibility of "loop", "delay", "DE1", "DE2" and the hints of the
    // parameter pages as they stand, for the window to apply at start-up.
    void reportPageStates();

signals:
    // The page at this index of the page control is shown or hidden by a switch.
    void pageVisibilityChanged(int pageIndex, bool visible);
    // The hint (tooltip) of the page at this index changed.
    void pageHintChanged(int pageIndex, const QString& hint);

private:
    std::array<bool, kFormPageCount> reportedVisible_{};
    std::array<std::string, kFormPageCount> reportedHint_{};
};

}  // namespace quorel::gui
