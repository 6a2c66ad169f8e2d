#pragma once
// The run driver: the stimulation protocol from its start to the history row.
// Single stimuli repeat the simulation once per scan step, each with an earlier
// extrastimulus; a train runs one step. After every step the activation planes of B
// are copied into the results and the step is summarised.
//
// Usage (the window and the command-line tool alike):
//     if (runCircuitCheck(model).lamp == LampState::Red) refuse ("check error");
//     RunOutcome outcome = runProtocol(model, state, results, hooks);   // EngineKind::Event
// The hooks receive every step's report, the status-bar time, the warnings, and at
// the end the history row to append.

#include "engine/kernel.h"
#include "engine/run_results.h"

namespace quorel {

enum class RunOutcome {
    Completed,
    Aborted,   // a warning was answered "start over" or "reset the scanning interval"
    Busy,      // a run is already in progress (state.runBusy); nothing was done
    Refused,   // the model cannot be run (runRefusal says why); nothing was done
};

// Number of scan steps of a single-stimulus scan: trunc(T / (0.001 x decrement) + 1),
// 80 when that exceeds 81 (81 stays 81), and at least 1.
int scanStepCount(double estimatedCycleLength, double scanDecrementMs);
// Stimulus time of scan step k: 2T - (k - 1) x 0.001 x decrement.
double singleStimulusTime(double estimatedCycleLength, int scanStep, double scanDecrementMs);
// Ticks of a scan step: trunc(revolutions x T / Q) + 4.
long long ticksPerScanStep(int shownRevolutionCount, double estimatedCycleLength, double clockStep);

// Why the model cannot be run without reaching outside the fixed arrays (a corrupt or
// hand-made model); nullptr when it can. The entry limits never produce such a model.
const char* runRefusal(const CircuitModel& m);

// The time loop of a scan step. Both give the same results to the bit: Event evaluates
// only the site-steps that can change something (the default, milliseconds for the
// largest protocol); Tick evaluates every site at every tick and stays as the reference.
enum class EngineKind { Tick, Event };

// The whole protocol.
RunOutcome runProtocol(CircuitModel& m, RunState& state, RunResults& results, RunHooks& hooks,
                       EngineKind engine = EngineKind::Event);

// The stages of runProtocol, for a time loop that evaluates only some site-steps.
void beginRun(RunContext& c, RunResults& results);
void beginScanStep(RunContext& c, int scanStep);
// Sends the status-bar time when trunc(10 x currentTime) changed.
void updateStatusTime(RunContext& c);
// Every site 2..N + 1 at every tick 1..ticksPerScanStep; returns early on an abort.
void runScanStepTicks(RunContext& c);
// Measures, copy into the results, captureCodeCount, summary, hook, clean-up.
void finishScanStep(RunContext& c, RunResults& results);
RunOutcome endRun(RunContext& c);

}  // namespace quorel
