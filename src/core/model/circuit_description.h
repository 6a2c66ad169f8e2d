#pragma once
// The value labels of the page "circuit" and which of its lines are greyed out.

#include "model/circuit_model.h"

#include <string>
#include <vector>

namespace quorel {

struct CircuitDescription {
    std::string Label46, Label51, Label54;                    // lines 1, 4, 5
    std::string Label58, Label60, Label63, Label65;           // lines 6, 7 (delay path)
    std::string Label68, Label70, Label72;                    // line 8 (first dead-end pathway)
    std::string Label74, Label76, Label78;                    // line 9 (second dead-end pathway)
    std::string Label101, Label103;                           // line 10
    std::string Label105, Label107, Label110, Label113, Label116, Label118;   // lines 11 to 15
    std::string Label158;                                     // line 16
    bool delayLinesEnabled = true;     // lines 6 and 7 (Label57 to Label66)
    bool deadEnd1LineEnabled = true;   // line 8 (Label67 to Label72)
    bool deadEnd2LineEnabled = true;   // line 9 (Label73 to Label78)
};

CircuitDescription describeCircuit(const CircuitModel& m);

// One page line: its text and whether it is greyed out.
struct CircuitDescriptionLine {
    std::string text;
    bool enabled = true;
};
// The sixteen lines of the page as the user reads them (captions and values joined).
std::vector<CircuitDescriptionLine> circuitDescriptionLines(const CircuitDescription& d);

}  // namespace quorel
