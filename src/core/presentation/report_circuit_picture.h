#pragma once
// The circuit picture of the report's description page, taken from the circuit drawing of the
// "movie" page: the same figure-8 placement, for the paint box's size.

#include "presentation/circuit_layout.h"
#include "presentation/report_plan.h"

namespace quorel {

// The report's picture from a laid-out site table (the movie page's own).
ReportCircuitPicture reportCircuitPicture(const SiteDrawTable& table);
// The same for a paint box of width x height pixels laid out now (quorel-cli has no page).
ReportCircuitPicture reportCircuitPicture(const CircuitModel& m, int width, int height);

// The movie picture's size on a window of the smallest size: the picture quorel-cli draws.
constexpr int kDefaultCircuitPictureWidth = 490;
constexpr int kDefaultCircuitPictureHeight = 300;

}  // namespace quorel
