#pragma once
// How a run talks to whoever started it (the window, the command-line tool, a test).
// The engine calls these once per scan step, when the status-bar time changes by a
// tenth of a second, when a run-time warning fires, and once at the end of the run;
// never per site-step.

#include "engine/circuit_check.h"
#include "engine/run_state.h"
#include "engine/stimulation_history.h"

#include <string>

namespace quorel {

struct RunWarning {
    WarningKind kind = WarningKind::Conduction;
    int source = 0;               // site the wavefront comes from
    int target = 0;               // site being evaluated (currentSite)
    double conductionTime = 0.0;  // s
    double clockStep = 0.0;       // s
    int scanStep = 0;
    long long tick = 0;
};

// Label1..Label5 of the warning dialog for this warning.
WarningTexts warningTexts(const RunWarning& warning);

// What a finished scan step tells the views: the result sheet's two messages and
// lamp, the sound to play, the time for the status bar.
struct ScanStepReport {
    int scanStep = 0;
    int scanCount = 0;
    double currentTime = 0.0;      // the last tick's time
    bool captured = false;         // capture sound (single: the stimulus captured; train: any code 3)
    int captureCodeCount = 0;
    RunNote runNote = RunNote::None;
    std::string LabelRes1;
    std::string LabelRes2;
    int captureLamp = 0;           // 1: ImageCB, 0: ImageCR
};

struct RunEndReport {
    bool aborted = false;
    WarningAnswer abortAnswer = WarningAnswer::Continue;   // the answer that ended an aborted run
    int completedSteps = 0;
    int scanCount = 0;
    double currentTime = 0.0;      // final time for the status bar
    HistoryRow historyRow;         // the row to append to the stimulation history
};

class RunHooks {
public:
    virtual ~RunHooks() = default;
    // Before a scan step: the window moves ScrollBar1 and processes pending messages once.
    virtual void scanStepStarting(int /*scanStep*/) {}
    // After a scan step has been copied into the results.
    virtual void scanStepFinished(const ScanStepReport& /*report*/) {}
    // trunc(10 x currentTime) differs from the value last shown.
    virtual void statusTimeChanged(double /*currentTime*/) {}
    // A run-time warning; the answer decides whether the run goes on.
    virtual WarningAnswer runWarning(const RunWarning& /*warning*/) { return WarningAnswer::Continue; }
    // Once per run, completed or aborted.
    virtual void runEnded(const RunEndReport& /*report*/) {}
    // The "time" column of the history row; local date and time unless overridden.
    virtual std::string historyTimeText();
};

}  // namespace quorel
