#pragma once
// The printed report computed without a printer: which texts, rules, squares and
// wedges stand on which page, in which font and colour, at which place of the
// printable page. The sections follow in a fixed order (description, parameters,
// remarks, result sheet, ECG); each printed section starts on a page of its own, so
// pages break only between sections and inside a section that runs long.
//
// Places are printer pixels of a printable page PW x PH, computed from fractions of
// the page (line heights PH/50, PH/65, PH/40, PH/68; margins PW/15, PW/20), so the
// report scales with the printer. The painter draws the plan as it is; the only
// thing it measures is the width and height of a text in its font on its own device,
// for texts anchored at their end or centre (the page header, the turned labels of
// the ECG page).

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"
#include "presentation/report_options.h"

#include <string>
#include <vector>

namespace quorel {

// The printable page in printer pixels.
struct ReportPageSize {
    int PW = 0;
    int PH = 0;
};

enum class ReportSection { Description, Parameters, Remarks, ResultSheet, Ecg };

enum class ReportFace { CourierNew, Arial };

// Where a text stands relative to its point (x, y). Along its reading direction: it
// starts there, ends there or is centred on it; across it: its top, centre or bottom
// is there. An unturned text of anchor {Start, Top} has its top-left corner at (x, y).
enum class AlongAnchor { Start, End, Centre };
enum class AcrossAnchor { Top, Centre, Bottom };

struct ReportText {
    std::string text;
    int x = 0;
    int y = 0;
    AlongAnchor along = AlongAnchor::Start;
    AcrossAnchor across = AcrossAnchor::Top;
    ReportFace face = ReportFace::CourierNew;
    int points = 12;
    bool bold = true;
    Rgb colour = 0x000000;
    bool turned = false;    // read from the bottom of the page to the top (ECG page)
    bool outlined = false;  // drawn as outlines ("font2") instead of filled ("font1")
    // A text of the same page (its index) that this right-aligned one must not run into:
    // the page header gives way to the page title, in a smaller font if it must.
    int keepRightOf = -1;
};

struct ReportLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 1;  // printer pixels
    Rgb colour = 0x000000;
};

// A filled rectangle, right and bottom exclusive.
struct ReportRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    Rgb fill = 0x000000;
};

// An activation on the ECG page: a filled wedge across a channel's base line, pointed
// at both ends: from (x - halfLength, y) over (x, y +- halfThickness) to (x + halfLength, y).
struct ReportWedge {
    int x = 0;
    int y = 0;
    int halfLength = 0;
    int halfThickness = 0;
    Rgb fill = 0x000000;
};

// One page. The painter draws the rectangles first, then the rules, the wedges and
// last the texts, so that numbers stand on their squares.
struct ReportPage {
    ReportSection section = ReportSection::Description;
    std::vector<ReportRect> rects;
    std::vector<ReportLine> lines;
    std::vector<ReportWedge> wedges;
    std::vector<ReportText> texts;
};

struct ReportPlan {
    std::vector<ReportPage> pages;
};

// A site's place in the circuit picture of the screen (PaintBox1 pixels).
struct ReportSitePosition {
    int x = 0;
    int y = 0;
};

// The circuit picture the description page copies: the picture's size and the place of
// every site 1..siteCount. A picture of no size draws no squares.
struct ReportCircuitPicture {
    int width = 0;
    int height = 0;
    int siteCount = 0;
    ReportSitePosition sites[kMaxResultSites + 1] = {};
};

// Everything the report reads.
struct ReportInput {
    const CircuitModel& model;
    const RunResults& results;
    const SessionState& session;  // memo, scan step (scrollBar2), ECG view and calipers
    ReportOptions options;
    std::string fileName;  // the current file's path; empty before any open or save
    std::string dateTime;  // the header's date and time, in the user's format
    int largeFonts = 0;    // the ECG page's texts in 8 instead of 10 points
    int ecgViewWidth = 0;  // PaintBox2's width: the ECG page shows its time window
    ReportCircuitPicture picture;
};

// The name part of the current file, "noname" before any open or save.
std::string reportFileNamePart(const std::string& fileName);
// "Quorel < " + name part + " >".
std::string reportJobName(const std::string& fileName);
// The page header: name part + " [" + date and time + "]".
std::string reportPageHeader(const std::string& fileName, const std::string& dateTime);

// The row label of segment row X in the parameter table.
std::string parameterRowLabel(const CircuitModel& m, int X);
// The memo as the remarks print it: tabs expanded, lines longer than the 70 columns of
// the page's rules wrapped at a blank where there is one.
std::vector<std::string> reportMemoLines(const std::vector<std::string>& memoLines);

// The scan step shown now (ScrollBar1 and ScrollBar2, held in the session's scrollBar2)
// clamped to the steps held; step 1 for a train; 0 without results. The ECG page shows it.
int reportShownStep(const CircuitModel& m, const RunResults& results, const SessionState& session);
// The scan steps the result sheet prints: the step shown now (ScrollBar1, held in the
// session's scrollBar2) or, with "print all pages", every step, for single stimuli;
// step 1 for a train; none without results. The step shown is clamped to the steps held.
std::vector<int> reportScanSteps(const ReportInput& input);

// The report's pages for a printable page of the given size; no section chosen gives
// no page.
ReportPlan planReport(const ReportInput& input, ReportPageSize page);

// The width of the ECG view when no window gives one (the main window's start size).
constexpr int kDefaultEcgViewWidth = 452;

}  // namespace quorel
