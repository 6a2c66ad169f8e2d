#pragma once
// The results of a run as one tidy table: a row per scan step, revolution and site.

#include "engine/run_results.h"

#include <string>

namespace quorel::cli {

extern const char* const kCsvHeader;

// Scan steps 1..`steps`, revolutions 1..results.shownRevolutionCount, sites
// 1..`siteCount`. Reals in the shortest form that reads back to the same double.
std::string formatResultsCsv(const RunResults& results, int steps, int siteCount);

}  // namespace quorel::cli
