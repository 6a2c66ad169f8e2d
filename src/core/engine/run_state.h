#pragma once
// The working state of a run: the run-wide values, the per-site state of the scan
// step, the candidate slots of a site-step and the circuit layout the kernel reads.
// Plain fixed-size data; one RunState lives as long as the program.

#include "engine/run_results.h"
#include "model/circuit_model.h"

#include <cstdint>
#include <limits>
#include <memory>

namespace quorel {

constexpr int kStateSites = 101;   // SiteState and activationCount: sites 0..100

// warningMode
constexpr int kWarningsEnabled = 0;
constexpr int kWarningsAborted = 1;    // "start over" or "reset the scanning interval"
constexpr int kWarningsSilenced = 2;   // "continue": no more warnings in this run

// Activation codes, held as doubles in SiteState and in B.
constexpr double kCodeOrthodromic = 1.0;
constexpr double kCodeRetrograde = 2.0;
constexpr double kCodeStimulus = 3.0;
constexpr double kCodeOtherLoop = 5.0;
constexpr double kCodeDeadEnd = 6.0;
constexpr double kCodeDelayPath = 7.0;

struct SiteState {
    double activationTime = 0.0;
    double activationCode = 0.0;
    double refractoryEnd = 0.0;      // 0 while the site has not been activated in the step
    double diastolicInterval = 0.0;
};

enum class WarningKind { Conduction, Refractory };

// The three choices of the warning dialog. StartOver and ResetInterval end the run;
// the window then opens the page "param1" or "param3".
enum class WarningAnswer { Continue, StartOver, ResetInterval };

// The note of a scan step; None is the marker "a".
enum class RunNote : std::uint8_t { None, AntidromicPastSite1 };
const char* runNoteText(RunNote note);

// The candidates of one site-step. arrival[k] is the candidate arrival of code k
// (0 = no candidate); codes 0 and 4 are never written.
struct CandidateSlots {
    double arrival[8] = {};
    int winningCode = 0;   // 0 before selection
};

// The last two conduction times computed for a segment, keyed by the source's
// diastolic interval and the length. A source's DI changes only when it activates,
// so most evaluations find their time here instead of in an exponential. Exact: the
// same inputs give the same time; emptied at the start of every scan step.
struct ConductionMemoEntry {
    double sourceDi = std::numeric_limits<double>::quiet_NaN();   // never matches while empty
    double length = 0.0;
    double ct = 0.0;
    int conducts = 0;        // 0 when the velocity factor is not above 0
};
struct ConductionMemo {
    ConductionMemoEntry entry[2];
    int next = 0;
};

// The sites, lengths and protocol values a run reads, taken from the model when the
// run starts so that every site-step reads one consistent circuit.
struct CircuitLayout {
    int n = 0, m = 0, D = 0, E1 = 0, E2 = 0;   // inner, outer, delay, dead-end counts
    int J = 0;                      // connectionSite
    int P = 0;                      // scarEntrySite
    int closingNode = 0;            // n + 1, mirrored by site 1
    int lastOuterSite = 0;          // n + m + 1
    int firstDelaySite = 0;         // n + m + 2
    int qrsSite = 0;                // last delay site, 0 without delay segments
    int firstDeadEnd1Site = 0;      // n + m + D + 2
    int firstDeadEnd2Site = 0;      // n + m + D + E1 + 2
    int deadEnd1Site = 0;           // connection sites (site 1 already held as n + 1)
    int deadEnd2Site = 0;
    int deadEnd1LastSite = 0;       // 0 for a pathway without segments
    int deadEnd2LastSite = 0;
    int lastSite = 0;               // N + 1 = n + m + pathSiteCount + 1
    int loopEnd = 0;                // dispatch bounds: n + m + 2,
    int delayEnd = 0;               //   n + m + D + 2,
    int pathEnd = 0;                //   n + m + pathSiteCount + 2
    double innerSpacing = 0.0, outerSpacing = 0.0, delaySpacing = 0.0;
    double deadEnd1Spacing = 0.0, deadEnd2Spacing = 0.0;
    double T = 0.0;                 // estimatedCycleLength
    double clockStep = 0.0;         // Q
    int stimulusSite = 0;
    int trainMode = 0;              // 1 for trains (stimulationMode 0)
    int trainStimulusCount = 0;
    double pacingCycleLength = 0.0;
    double firstCouplingInterval = 0.0;
    double scanDecrementMs = 0.0;
    int revolutionCount = 0;
};

CircuitLayout layoutOf(const CircuitModel& m);

struct RunState {
    // --- run-wide values ---
    int shownRevolutionCount = 0;
    int scanCount = 0;
    int scanStep = 0;
    double trainStartTime = 0.0;
    double stimulusTime = 0.0;       // pending stimulus of the step, 0 = none
    int capturedFlag = 0;
    // A single stimulus is delivered once: tick times k x Q are not evenly spaced, so two
    // neighbouring ticks can both see it inside their window; the second must not undo
    // the capture of the first by finding the site in the refractory period it started.
    int stimulusDelivered = 0;
    int trainStimulusIndex = 0;
    int captureCodeCount = 0;
    long long tick = 0;
    double currentTime = 0.0;        // tick x clockStep, never accumulated
    int currentSite = 0;
    int runInProgress = 0;
    int runBusy = 0;
    int runDone = 0;                 // set by the first run, never cleared
    int runAborted = 0;
    int warningMode = kWarningsEnabled;
    WarningAnswer abortAnswer = WarningAnswer::Continue;   // the answer that set runAborted
    RunNote runNote = RunNote::None;
    long long lastShownTenths = 0;   // trunc(10 x time) last sent to the status bar
    int completedSteps = 0;          // scan steps copied into the results in this run

    CircuitLayout layout;

    // --- per scan step ---
    SiteState siteState[kStateSites] = {};
    int activationCount[kStateSites] = {};   // also the B plane of the latest activation
    double fusionIndex[kMaxRevolutions + 1] = {};
    CandidateSlots candidateSlots;
    ConductionMemo conductionMemo[kStateSites];   // per segment row
};

inline std::unique_ptr<RunState> createRunState() { return std::make_unique<RunState>(); }

}  // namespace quorel
