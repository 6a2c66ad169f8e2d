#pragma once
// The page "param2": the conduction table SGDI, the C.V. curve SGCVC of one site, the
// captions that explain the abbreviations, the estimated VT cycle length (Label96) and
// the edit button SpeedButton6. It also makes SGDI2, the read-only copy of SGDI that
// the page "ECG set" shows.
//
// The main window calls, in the order of its page change:
//   refresh()                   when "param2" becomes active, after the circuit was
//                               rebuilt and the diastolic intervals set (and at start-up
//                               and after a file was loaded);
//   describeSegments()          when "ECG set" becomes active (SGDI2 only needs the rows);
//   setGridEditEnabled(false)   on every page change;
//   setLargeFonts(largeFonts)   once at start-up.
// After every accepted edit, paste or row click the page emits modelEdited(): the circuit
// check, the status lamp and the estimate shown on other pages are then to be refreshed.

#include "model/circuit_model.h"
#include "model/conduction.h"
#include "model/segment_table.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QToolButton;

namespace quorel::gui {

class CvCurveModel;
class CvCurveView;
class SegmentTableModel;
class SegmentTableView;

class Param2Page : public QWidget {
    Q_OBJECT
public:
    explicit Param2Page(CircuitModel& model, QWidget* parent = nullptr);
    ~Param2Page() override;

    // describeSegments, then the C.V. curve of site 1, and Label96.
    void refresh();
    // The rows of SGDI and SGDI2 only.
    void describeSegments();
    void setLargeFonts(bool large);

    // SpeedButton6Click: flips gridEditEnabled.
    void SpeedButton6Click();
    void setGridEditEnabled(bool on);
    bool gridEditEnabled() const { return model_.gridEditEnabled == 1; }

    // SGDIClick on the selected row of SGDI (row 1 when none is selected); SGDI2 clicks
    // land here too.
    void SGDIClick();

    // ctrl+C: the selected cells as tab-separated text. ctrl+V (edit mode only): tab-
    // separated numbers into the C.V., ERP and S.F. cells from the top-left selected cell,
    // each through OnDCEdit.
    void copySelection();
    void pasteClipboard();
    void pasteText(const QString& text);

    // SGDI2 for the page "ECG set": same rows, never editable, highlighted site colours.
    SegmentTableView* createSGDI2(QWidget* parent);

    // Conversion errors and paste notes go through this (a message box by default).
    using MessageDisplay = std::function<void(QMessageBox::Icon icon, const QString& text)>;
    void setMessageDisplay(MessageDisplay display) { showMessage_ = std::move(display); }

    const SegmentTable& segmentTable() const { return segments_; }
    const CvCurveTable& curveTable() const { return curve_; }

    SegmentTableView* SGDI = nullptr;
    CvCurveView* SGCVC = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QLabel* Label96 = nullptr;

signals:
    void modelEdited();

private:
    void OnDCEdit(int row, int column, const QString& text);
    void onRowChosen(int row);
    void showCurveOf(int row);
    void updateEstimate();
    void selectFirstSegmentQuietly();

    CircuitModel& model_;
    SegmentTable segments_;
    CvCurveTable curve_;
    SegmentTableModel* segmentModel_ = nullptr;
    CvCurveModel* curveModel_ = nullptr;
    std::vector<QPointer<SegmentTableView>> copies_;
    MessageDisplay showMessage_;
    bool largeFonts_ = false;
    bool quiet_ = false;
};

}  // namespace quorel::gui
