#pragma once
// The "ECG set" page (TabSheet2): the sites of the sixteen ECG channels, chosen with
// the owner-drawn site lists ComboBoxE1..ComboBoxE16 (Tag 1..16), and SGDI2, the
// read-only copy of the conduction table, below them.

#include "model/circuit_model.h"

#include <QWidget>
#include <array>
#include <functional>

class QVBoxLayout;

namespace quorel::gui {

class SiteList;

class EcgSetPage : public QWidget {
    Q_OBJECT
public:
    explicit EcgSetPage(const CircuitModel& model, QWidget* parent = nullptr);

    // Items "site1" .. the site choosers' count, each list showing its channel's site.
    void syncFromModel();
    // SGDI2, made by the page "param2", takes the room below the lists.
    void setSGDI2(QWidget* table);

    // ComboBoxECGChange: the user chose item `itemIndex` in the list of channel `tag`.
    std::function<void(int tag, int itemIndex)> onComboBoxECGChange;

    SiteList* ComboBoxE(int tag) const { return lists_[static_cast<size_t>(tag - 1)]; }

private:
    const CircuitModel& model_;
    std::array<SiteList*, 16> lists_ = {};
    QVBoxLayout* column_ = nullptr;
};

}  // namespace quorel::gui
