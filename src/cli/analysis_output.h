#pragma once
// The measures of resetting and entrainment as the command-line tool shows them: lines
// after the step messages of `run`, the table of --analysis-csv, and the rows of `sweep`.

#include "cli_io.h"

#include "analysis/sweep.h"

#include <string>
#include <vector>

namespace quorel::cli {

// Lines printed after the step messages.
std::vector<std::string> analysisLines(const RunAnalysis& analysis);

// One row per scan step (single stimuli) or one row (a train).
std::string formatAnalysisCsv(const RunAnalysis& analysis);

// One row per site; `train` chooses the columns of a train or of a scan.
std::string formatSweepCsv(const std::vector<SweepSiteResult>& rows, bool train);
// The sweep's table on stdout: a row per site.
std::vector<std::string> sweepLines(const std::vector<SweepSiteResult>& rows, bool train);

// Why --analysis-csv cannot be written as named (the checks of --csv, and not the
// same file as --csv), or an empty text.
std::string analysisCsvPathProblem(const std::string& circuitPath, const std::string* savePath,
                                   const std::string* csvPath, const std::string& analysisCsvPath);

// After a run: the lines on io.out unless `quiet`, and the table when a path is given.
// False when the table could not be written (the reason is on io.err).
bool reportRunAnalysis(const CircuitModel& model, const RunResults& results, int completedSteps, bool quiet,
                       const std::string* analysisCsvPath, CliIo& io);

}  // namespace quorel::cli
