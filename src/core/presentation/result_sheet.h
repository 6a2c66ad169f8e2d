#pragma once
// The result sheet SGRES computed without a window: layout, cell texts and the
// colours, fonts and marks of every cell. The widget paints what these say.

#include "engine/run_results.h"
#include "model/circuit_model.h"

#include <string>

namespace quorel {

struct ResultSheetLayout {
    int rowsPerRevolution = 3;   // 4 with "display ERP"
    int siteColumnCount = 0;     // N, or 10 in "selected-10" mode
    int columnCount = 0;         // site columns + 3
    int rowCount = 1;            // shownRevolutionCount x rowsPerRevolution + 1
    int fusionColumn = 0;
    int antidrColumn = 0;
};

// Results to show: a run has filled them or a file has brought them.
bool hasResults(const RunResults& results);
// The scan step the sheet shows: ScrollBar1's position within the steps held, step 1
// in train mode (stimulationMode 0).
int resultSheetStep(const CircuitModel& m, const RunResults& results, int scrollBarPosition);

ResultSheetLayout resultSheetLayout(const CircuitModel& m, int shownRevolutionCount, bool displayErp);
int resultColumnWidth(const ResultSheetLayout& layout, int column, bool largeFonts);
// The site a column shows (0 for column 0 and the summary columns).
int siteOfResultColumn(const CircuitModel& m, const ResultSheetLayout& layout, int column);

enum class ResultRow { Header, Time, Code, Erp, RR };
ResultRow resultRowKind(const ResultSheetLayout& layout, int row);
int revolutionOfRow(const ResultSheetLayout& layout, int row);

// Text of a cell for scan step `step`; cells stay empty while `hasResults` is false
// (nothing run or loaded yet).
std::string resultCellText(const CircuitModel& m, const RunResults& results,
                           const ResultSheetLayout& layout, int step, int column, int row,
                           bool hasResults);

struct ResultCellStyle {
    bool menuBackground = false;   // the system menu colour instead of `background`
    Rgb background = 0xFFFFFF;
    Rgb textColour = 0x000000;
    int fontSize = 10;
    std::string mark;              // drawn instead of the text when not empty
    Rgb markColour = 0x000000;
    bool drawText = true;          // the text at (left + 2, top + 1)
    bool summaryGreen = false;     // the text drawn again in green (summary columns)
};

ResultCellStyle resultCellStyle(const CircuitModel& m, const ResultSheetLayout& layout, int column,
                                int row, const std::string& text, bool largeFonts);

// Site-column highlighting: the QRS reference site, the closing node without a
// delay path, and the stimulus site.
bool isHighlightedSite(const CircuitModel& m, int site);

}  // namespace quorel
