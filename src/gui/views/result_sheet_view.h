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
class QHeaderView;
class QLabel;
class QScrollBar;
class QTableWidget;

namespace quorel::gui {

class FixedCells;

class ResultSheetView : public QWidget {
    Q_OBJECT
public:
    ResultSheetView(CircuitModel& model, RunResults& results, SessionState& session,
                    QWidget* parent = nullptr);

    // Rebuilds SGRES for `step` (the layout, then every cell) and Label161. Cells stay
    // empty until there are results.
    void fillResultSheet(int step);
    void setMessages(const ResultMessages& messages);
    // ScrollBar1's range and position without running its change handler.
    void setScanStep(int step, int maximum);
    void setScrollBarVisible(bool visible);
    void setLargeFonts(bool largeFonts);
    bool largeFonts() const { return largeFonts_; }
    int shownStep() const { return step_; }
    // The site numbers (row 0) and the row labels (column 0) of SGRES, kept in view.
    QHeaderView* fixedRow() const;
    QHeaderView* fixedColumn() const;

    // Called when ScrollBar1 is moved by the user (the owner rebuilds messages and sheet).
    std::function<void(int)> onScrollBar1Change;
    // Called when "display ERP" changes (a click, or the stored setting applied), after
    // displayErp was stored.
    std::function<void()> onCheckBoxERPClick;

    QLabel* LabelRes1 = nullptr;
    QLabel* LabelRes2 = nullptr;
    QLabel* LabelRev = nullptr;
    QLabel* Label161 = nullptr;   // the estimated VT cycle length, "0.2513sec"
    QScrollBar* ScrollBar1 = nullptr;
    QCheckBox* CheckBoxERP = nullptr;
    QTableWidget* SGRES = nullptr;

private:
    CircuitModel& model_;
    RunResults& results_;
    SessionState& session_;
    bool largeFonts_ = false;
    int step_ = 1;
    ResultSheetLayout layout_;
    FixedCells* fixedCells_ = nullptr;
};

}  // namespace quorel::gui
