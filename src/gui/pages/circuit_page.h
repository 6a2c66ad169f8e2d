#pragma once
// The page "circuit": sixteen lines that describe the numbered circuit, each made of
// fixed captions and value labels. The lines of the delay path and of the dead-end
// pathways are greyed out while those structures are off.
//
// The main window calls refresh(describeCircuit(model)) at start-up, after a file was
// loaded and whenever the page "circuit" becomes active.

#include "model/circuit_description.h"

#include <QWidget>

class QLabel;

namespace quorel::gui {

class CircuitPage : public QWidget {
    Q_OBJECT
public:
    explicit CircuitPage(QWidget* parent = nullptr);

    void refresh(const CircuitDescription& description);

    // The value labels, by their names.
    QLabel* valueLabel(const char* name) const;
    // The sixteen lines (1..16) as containers of their captions and values.
    QWidget* line(int number) const;

private:
    QWidget* lines_[17] = {};
};

}  // namespace quorel::gui
