#pragma once
// The rows of the parameter tables SGDI and SGDI2: one row per segment.

#include "model/circuit_model.h"

#include <array>
#include <string>

namespace quorel {

constexpr int kSegmentColumns = 7;   // site, D.I., S.L., C.T., C.V., ERP, S.F.
extern const std::array<const char*, kSegmentColumns> kSegmentHeaders;

struct SegmentTable {
    int rowCount = 2;   // totalSiteCount + 2: the header row and one empty row after the segments
    std::array<std::array<std::string, kSegmentColumns>, kSiteRows + 2> cells{};
};

// Column 0 of row X (identical in SGDI and SGDI2).
std::string segmentLabel(const CircuitModel& m, int row);
// Row count, headers, labels and the C.V., ERP and S.F. columns of every row, and
// columns 1 to 3 through fillSegmentColumns.
void describeSegments(const CircuitModel& m, SegmentTable& table);
// D.I., S.L. and C.T. of row X with four decimals.
void fillSegmentColumns(const CircuitModel& m, int row, SegmentTable& table);

}  // namespace quorel
