#pragma once
// How a run of the command-line tool talks to the terminal: the result-sheet
// messages of every scan step on stdout, the warning dialog's texts on stderr with
// the answer chosen by --on-warning, the progress line, and the history row.

#include "cli_io.h"
#include "progress_line.h"

#include "engine/run_hooks.h"
#include "model/session_state.h"

#include <optional>

namespace quorel::cli {

struct RunHookOptions {
    bool quiet = false;              // no step messages, no progress line
    bool abortOnWarning = false;     // --on-warning abort
    int scanCount = 0;               // steps the run will have, for the progress line
};

class CliRunHooks : public RunHooks {
public:
    CliRunHooks(CliIo& io, RunHookOptions options, SessionState& session);

    void scanStepStarting(int scanStep) override;
    void scanStepFinished(const ScanStepReport& report) override;
    void statusTimeChanged(double currentTime) override;
    WarningAnswer runWarning(const RunWarning& warning) override;
    void runEnded(const RunEndReport& report) override;
    std::string historyTimeText() override;

    const std::optional<RunEndReport>& endReport() const { return end_; }
    int warningCount() const { return warningCount_; }

private:
    CliIo& io_;
    RunHookOptions options_;
    SessionState& session_;
    ProgressLine progress_;
    int scanStep_ = 0;
    int warningCount_ = 0;
    std::optional<RunEndReport> end_;
};

// "step 2/6: " and the message; the note line, when there is one, likewise.
std::vector<std::string> stepMessageLines(const ScanStepReport& report);

}  // namespace quorel::cli
