#pragma once
// The one circuit model of the program: parameters, structure switches, derived
// values, state flags and the site array B. Plain data; the operations that keep
// the derived values up to date are free functions in the neighbouring files.

#include <cstdint>
#include <memory>

namespace quorel {

constexpr int kPlaneCount = 40;   // plane 0: site parameters, planes 1..39: activations
constexpr int kSiteRows = 100;    // row 0 unused, rows 1..totalSiteCount (at most 98)
constexpr int kFieldCount = 9;
constexpr int kMaxActivationPlane = kPlaneCount - 1;

// Fields of plane 0 (the per-site record SiteParameters).
constexpr int fieldCv = 3;
constexpr int fieldMaxErp = 4;
constexpr int fieldErp = 5;
constexpr int fieldDi = 6;
constexpr int fieldSf = 7;
// Fields of the activation planes 1..39.
constexpr int fieldTime = 1;
constexpr int fieldCode = 2;
constexpr int fieldActivationErp = 5;
constexpr int fieldActivationDi = 6;
constexpr int fieldAntidromic = 8;
// Field 7 of planes 1 and 2 holds the C.V. curve constants of a segment.
constexpr int planeCvOffset = 1;
constexpr int planeN1 = 2;
constexpr int fieldCurve = 7;

// Constants of the ERP restitution law, printed in the remarks as U5 to U8.
constexpr double U5 = 0.38;
constexpr double U6 = 0.12;
constexpr double U7 = 0.097;
constexpr double U8 = 1.46;

constexpr double kDefaultCv = 0.5;
constexpr double kDefaultErp = 0.2;

// Colours are 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb kYellow = 0xFFFF00;

constexpr int kDisplayedSiteSlots = 12;   // entries 1..10 used
constexpr int kEcgChannelSlots = 18;      // channel 0 = QRS reference, 1..16 traces, 17 movie strip

struct CircuitModel {
    // --- user parameters (defaults of the program) ---
    double circuitRadius = 0.02;        // Edit1, m
    double cardiacRadius = 0.1;         // Edit2, m
    double outerInnerRatio = 1.0;       // Edit3
    int innerSiteCount = 20;            // Edit4 (n)
    int connectionSite = 10;            // Edit5 (C, entrance to the common pathway)
    int scarEntrySite = 26;             // Edit6 (S)
    int outerSiteCount = 8;             // Edit8 (m)
    double delayDistanceCm = 2.0;       // Edit9
    int delaySegmentCount = 0;          // Edit10 (D)
    int deadEnd1Site = 2;               // Edit11
    double deadEnd1DistanceCm = 2.0;    // Edit12
    int deadEnd1SegmentCount = 0;       // Edit13 (E1)
    int deadEnd2Site = 1;               // Edit14
    double deadEnd2DistanceCm = 2.0;    // Edit15
    int deadEnd2SegmentCount = 0;       // Edit16 (E2)
    double clockStep = 0.001;           // Edit19 (Q), s
    int revolutionCount = 5;            // Edit20
    double scanDecrementMs = 50.0;      // Edit25, ms
    int trainStimulusCount = 5;         // Edit21
    double pacingCycleLength = 0.3;     // Edit23, s
    double firstCouplingInterval = 0.2; // Edit24, s
    int stimulusSite = 1;               // ComboBoxS
    int stimulationMode = 1;            // 1 single stimuli, 0 trains

    // --- structure switches ---
    int equalSegments = 1;
    int hasDelayPath = 0;
    int hasDeadEnd1 = 0;
    int hasDeadEnd2 = 0;

    // --- derived values ---
    int pathSiteCount = 0;
    int totalSiteCount = 29;
    int qrsSite = 0;
    int deadEnd1LastSite = 0;
    int deadEnd2LastSite = 0;
    double innerSpacing = 0.0;
    double outerSpacing = 0.0;
    double delaySpacing = 0.0;
    double deadEnd1Spacing = 0.0;
    double deadEnd2Spacing = 0.0;
    double pi = 0.0;
    double innerLoopTime = 0.0;
    double outerLoopTime = 0.0;
    double estimatedCycleLength = 0.0;

    // --- state flags (0 or 1) ---
    int parametersChanged = 0;
    // What a change of the circuit leaves to the page changes after it, each done once, so
    // that a stimulus site or a display choice made after that page change is kept:
    int stimulusResetPending = 0;   // clear the history, stimulus back on site 1
    int siteChoosersStale = 0;      // ComboBoxS, ComboBoxMOV, ComboBoxE1..E16 list the old sites
    int displayListsStale = 0;      // ComboBox1..ComboBox10 list the old sites
    int loadingFile = 0;
    int formShown = 0;
    int schemeWindowOpen = 0;
    int schemeRefreshAllowed = 1;
    int deadEndConflict = 0;
    int gridEditEnabled = 0;

    // --- results of the circuit check, kept until the next check ---
    int refractoryWarningLoop = 0;
    int refractoryWarningDeadEnd = 0;
    int stimulusSiteWarning = 0;
    int checkError = 0;

    // --- display choices shared by the views and the keyword file ---
    int displayAllSites = 0;                        // 0 "all", 1 "selected-10"
    int displayedSites[kDisplayedSiteSlots] = {};   // entries 1..10
    int ecgChannelSite[kEcgChannelSlots] = {};
    Rgb ecgChannelColour[kEcgChannelSlots] = {};

    // --- contents of the site choosers (items "site1" .. "site" + count) ---
    int siteChooserItemCount = 0;    // ComboBoxS, ComboBoxMOV, ComboBoxE1..E16
    int displayListItemCount = 0;    // ComboBox1..ComboBox10

    // --- the site array: B[plane][site row][field] ---
    double B[kPlaneCount][kSiteRows][kFieldCount] = {};
};

// Per-site accessors of plane 0, named as the model names them.
inline double& cv(CircuitModel& m, int x) { return m.B[0][x][fieldCv]; }
inline double& maxErp(CircuitModel& m, int x) { return m.B[0][x][fieldMaxErp]; }
inline double& erp(CircuitModel& m, int x) { return m.B[0][x][fieldErp]; }
inline double& di(CircuitModel& m, int x) { return m.B[0][x][fieldDi]; }
inline double& sf(CircuitModel& m, int x) { return m.B[0][x][fieldSf]; }
inline double& cvOffset(CircuitModel& m, int x) { return m.B[planeCvOffset][x][fieldCurve]; }
inline double& N1(CircuitModel& m, int x) { return m.B[planeN1][x][fieldCurve]; }
inline double cv(const CircuitModel& m, int x) { return m.B[0][x][fieldCv]; }
inline double maxErp(const CircuitModel& m, int x) { return m.B[0][x][fieldMaxErp]; }
inline double erp(const CircuitModel& m, int x) { return m.B[0][x][fieldErp]; }
inline double di(const CircuitModel& m, int x) { return m.B[0][x][fieldDi]; }
inline double sf(const CircuitModel& m, int x) { return m.B[0][x][fieldSf]; }
inline double cvOffset(const CircuitModel& m, int x) { return m.B[planeCvOffset][x][fieldCurve]; }
inline double N1(const CircuitModel& m, int x) { return m.B[planeN1][x][fieldCurve]; }

// Start-up, split at the points where the window pushes its boxes and hides its
// pages, so that the application can run the same steps with its controls in between.
// Steps 1 to 3 and 6 to 8: flags, defaults, B plane 0, display and channel sites.
void applyStartupDefaults(CircuitModel& m);
// A value that shapes the circuit changed: parametersChanged, and the duties of the next
// page changes (the stimulus reset and the refill of every site list).
void markCircuitChanged(CircuitModel& m);
// Step 4 without a window: what the first push through the boxes' rules yields
// (innerSiteCount 0 -> 20, outerSiteCount = connectionSite - 2 with equal segments).
void applyFirstPushHeadless(CircuitModel& m);
// The derived model after the parameters changed: rebuildCircuit, estimateCycleLength,
// setDiastolicIntervals, computeCvConstants and the circuit check, in that order.
void refreshDerivedModel(CircuitModel& m);
// Step 10 (the model parts): refreshDerivedModel, then the site lists. Step 11
// (parametersChanged = 0) is done by the caller.
void buildDerivedModel(CircuitModel& m);

// The whole start-up of the model without a window. The model is large (B alone is
// 288 KB), so it lives on the heap.
std::unique_ptr<CircuitModel> createModel();

}  // namespace quorel
