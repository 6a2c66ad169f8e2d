#pragma once
// Typing into the conduction table SGDI and clicking a row of SGDI or SGDI2.

#include "model/circuit_model.h"
#include "model/conduction.h"
#include "model/segment_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorel {

constexpr int kColumnCv = 4;
constexpr int kColumnErp = 5;
constexpr int kColumnSf = 6;

struct TableEditResult {
    bool accepted = true;                       // false: the text is not a number; nothing changed
    std::string error;                          // the conversion error message to show
    std::optional<std::string> correctedText;   // the edited cell now shows this ("0.99")
};

// OnDCEdit: stores the typed text of a C.V., ERP or S.F. cell, corrects 0 and values
// of 1 or more, and recomputes the estimate, the diastolic intervals, columns 1 to 3
// of every row, the curve constants, the check and the C.V. curve of the edited row.
TableEditResult OnDCEdit(CircuitModel& m, int column, int row, std::string_view text,
                         SegmentTable& segments, CvCurveTable& curve);

// SGDIClick: a click on a row of SGDI or SGDI2 shows that site's C.V. curve after
// replacing a 0 in its cv or erp by the default.
void SGDIClick(CircuitModel& m, int row, CvCurveTable& curve);

}  // namespace quorel
