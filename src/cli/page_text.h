#pragma once
// The pages "check" and "circuit" as lines of text.

#include "engine/circuit_check.h"
#include "model/circuit_model.h"

#include <string>
#include <vector>

namespace quorel::cli {

const char* lampName(LampState lamp);

// The labels of the page "check" that are shown, in the page's order, with the two
// grids SGBS2 and SGBS as rows of text under their titles. Label79 is shown while
// `deadEndConflict` is set.
std::vector<std::string> checkPageLines(const CircuitCheckReport& report, bool deadEndConflict);

// Why the lamp is red: the shown texts that block a run (empty for blue and yellow).
std::vector<std::string> checkErrorReasons(const CircuitCheckReport& report, bool deadEndConflict);

// The lines of the page "circuit" that apply to this circuit (the greyed-out lines of
// paths that are switched off are left out), then the segment table: label, D.I.,
// S.L., C.T., C.V., ERP, S.F. of every row.
std::vector<std::string> describeLines(const CircuitModel& m);

// Rows of cells as text columns: the first column left-aligned, the others right-aligned,
// two blanks between columns.
std::vector<std::string> alignedColumns(const std::vector<std::vector<std::string>>& rows);

}  // namespace quorel::cli
