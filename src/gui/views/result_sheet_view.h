#pragma once
// The "result" page: LabelRes1/LabelRes2, ScrollBar1 with LabelRev, CheckBoxERP,
// Label161 and the owner-drawn grid SGRES.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "presentation/result_messages.h"
#include "presentation/result_sheet.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QScrollBar;
class QTableWidget;

namespace quorel::gui {

class ResultSheetView : public QWidget {
    Q_OBJECT
public:
    ResultSheetView(CircuitModel& model, RunResults& results, SessionState& session,
                    QWidget* parent = nullptr);

    // Rebuilds SGRES for `step` (the layout, then every cell).
    void fillResultSheet(int step);
    void setMessages(const ResultMessages& messages);
    // ScrollBar1's range and position without running its change handler.
    void setScanStep(int step, int maximum);
    void setScrollBarVisible(bool visible);
    void setLargeFonts(bool largeFonts);
    void setHasResults(bool hasResults) { hasResults_ = hasResults; }
    void setCycleLengthText(const QString& text);
    int shownStep() const { return step_; }

    // Called when the user moves ScrollBar1 (the owner rebuilds messages and sheet).
    std::function<void(int)> onScrollBar1Change;
    // Called when "display ERP" is clicked, after displayErp was stored.
    std::function<void()> onCheckBoxERPClick;

    QLabel* LabelRes1 = nullptr;
    QLabel* LabelRes2 = nullptr;
    QLabel* LabelRev = nullptr;
    QLabel* Label161 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QCheckBox* CheckBoxERP = nullptr;
    QTableWidget* SGRES = nullptr;

private:
    CircuitModel& model_;
    RunResults& results_;
    SessionState& session_;
    bool largeFonts_ = false;
    bool hasResults_ = false;
    int step_ = 1;
    ResultSheetLayout layout_;
};

}  // namespace quorel::gui
