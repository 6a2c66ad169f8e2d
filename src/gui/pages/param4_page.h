#pragma once
// "param4": the sites the result sheet displays ("all" or ten chosen sites) and the
// list of previous stimulations.

#include "pages/spin_edit.h"
#include "views/site_list.h"

#include <array>

class QLabel;
class QTreeWidget;

namespace quorel::gui {

class Param4Page : public ParameterPage {
    Q_OBJECT
public:
    explicit Param4Page(ParameterForm& form, QWidget* parent = nullptr);
    void syncFromForm() override;

    // ComboBox1..ComboBox10 at indices 1..10 (index 0 unused), headed by "1".."10".
    std::array<SiteList*, 11> ComboBox{};
    std::array<QLabel*, 11> ComboBoxCaption{};
    // "previous stimulation": one row per run, shown as the session holds them.
    QTreeWidget* ListView1 = nullptr;

private:
    void showHistory();
};

}  // namespace quorel::gui
