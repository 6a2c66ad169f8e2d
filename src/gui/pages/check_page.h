#pragma once
// The page "check": what the circuit check found. Every label is shown or hidden as a
// whole by the last report; SGBS2 (left) lists loop segments and SGBS (right) the
// dead-end segment whose conduction time is within 10 ms of a refractory period.
//
// The main window calls showReport(runCircuitCheck(model)) at start-up and after every
// page change, table edit and file load, and setDeadEndConflictShown(deadEndConflict)
// wherever the parameter form decides about Label79.

#include "engine/circuit_check.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace quorel::gui {

class CheckPage : public QWidget {
    Q_OBJECT
public:
    explicit CheckPage(QWidget* parent = nullptr);

    void showReport(const CircuitCheckReport& report);
    // Label79 "two dead-end pathways cannot be connected to the same site".
    void setDeadEndConflictShown(bool shown);

    QLabel* Label79 = nullptr;
    QLabel *Label84 = nullptr, *Label85 = nullptr, *Label86 = nullptr, *Label87 = nullptr;
    QLabel *Label88 = nullptr, *Label89 = nullptr, *Label90 = nullptr, *Label91 = nullptr;
    QLabel *Label146 = nullptr, *Label148 = nullptr, *Label149 = nullptr, *Label150 = nullptr;
    QLabel *Label151 = nullptr, *Label152 = nullptr, *Label153 = nullptr, *Label154 = nullptr;
    QTableWidget* SGBS = nullptr;    // dead-end pathway, right
    QTableWidget* SGBS2 = nullptr;   // loops, left

private:
    QLabel* makeLabel(const char* name, const char* text);
    QTableWidget* makeGrid(const char* name);
    static void fillGrid(QTableWidget* grid, const std::vector<CheckColumn>& columns);
};

}  // namespace quorel::gui
