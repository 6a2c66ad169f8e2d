#pragma once
// The circuit file (.cir): one header line of 22 comma-separated fields in their
// historical order, then one line of seven reals per segment row 1..N, where
// N = innerSiteCount + outerSiteCount + pathSiteCount + 1. Reals are rounded to
// single precision and written with six decimals, "." whatever the locale; lines
// end in CR LF.

#include "model/circuit_model.h"
#include "persistence/file_problem.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorel {

constexpr int kCircuitHeaderFields = 22;
constexpr int kSegmentLineFields = 7;
constexpr int kMaxCircuitRows = kSiteRows - 1;   // rows 1..99 of B

// A circuit file as read, before anything of it reaches the model.
struct CircuitFileData {
    double circuitRadius = 0.0;          // field 1
    double cardiacRadius = 0.0;          // 2
    int innerSiteCount = 0;              // 3
    int outerSiteCount = 0;              // 4
    int scarEntrySite = 0;               // 5
    double estimatedCycleLength = 0.0;   // 6 (derived)
    double innerSpacing = 0.0;           // 7 (derived)
    double outerSpacing = 0.0;           // 8 (derived)
    int connectionSite = 0;              // 9
    double outerInnerRatio = 0.0;        // 10
    int pathSiteCount = 0;               // 11 (derived, decides the row count)
    int qrsSite = 0;                     // 12 (derived)
    int deadEnd1Site = 0;                // 13
    int deadEnd1LastSite = 0;            // 14 (derived)
    double delayDistanceCm = 0.0;        // 15
    double deadEnd1DistanceCm = 0.0;     // 16
    int delaySegmentCount = 0;           // 17
    int deadEnd1SegmentCount = 0;        // 18
    int deadEnd2Site = 0;                // 19
    int deadEnd2SegmentCount = 0;        // 20
    double deadEnd2DistanceCm = 0.0;     // 21
    int deadEnd2LastSite = 0;            // 22 (derived)

    int rowCount = 0;   // N
    // rows[X] for X = 1..N: cv, maxErp, erp, di, sf, cvOffset, N1.
    double rows[kSiteRows][kSegmentLineFields] = {};
};

// The file's content for the model as it stands.
std::string formatCircuitFile(const CircuitModel& m);

// Parses and checks a whole file; on a fault `data` is incomplete and the problem
// gives line and field (its path is left empty).
std::optional<FileProblem> parseCircuitFile(std::string_view text, CircuitFileData& data);

// Stores the header fields and rows 1..N into the model; derives nothing.
void applyCircuitFile(const CircuitFileData& data, CircuitModel& m);

// The four Yes/No switches of the page "param1", from the header fields now in the
// model: equal segment lengths when the ratio is exactly 1 and outerSiteCount is
// connectionSite - 2; a path when its segment count is not 0.
void deriveStructureSwitches(CircuitModel& m);

// Saves the circuit file. The content is checked with the reader first, so a file
// that could not be loaded again is never written; the old file then stays.
std::optional<FileProblem> writeCircuitFile(const std::string& path, const CircuitModel& m);

// Reads the file into the model, or changes nothing and returns the problem.
// The derived model is not rebuilt here (the load operation does that once the
// companion files have been read).
std::optional<FileProblem> readCircuitFile(const std::string& path, CircuitModel& m);

}  // namespace quorel
