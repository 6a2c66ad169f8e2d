#pragma once
// What the parameter tables SGDI, SGDI2 and SGCVC show besides their texts: the cell
// fills, which cells take typed input, the character filter of the cell editor, and
// the tab-separated text that ctrl+C gives and ctrl+V takes.

#include "model/circuit_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorel {

constexpr Rgb kScalingFactorHighlight = 0xFFAAAA;   // a non-zero S.F. stands out

// A cell background: either the window system's menu colour or a fixed colour.
struct CellFill {
    bool systemMenu = false;
    Rgb rgb = 0xFFFFFF;
    static CellFill menu() { return {true, 0}; }
    static CellFill colour(Rgb rgb) { return {false, rgb}; }
    bool operator==(const CellFill&) const = default;
};

enum class SegmentGrid { SGDI, SGDI2 };

// SGDIDrawCell / SGDI2DrawCell. Row r >= 1 describes site r; text is what the cell shows
// (the S.F. column is highlighted when it holds a number other than 0).
CellFill segmentCellFill(const CircuitModel& m, SegmentGrid grid, int row, int column,
                         std::string_view text);
// SGCVCDrawCell: the header row and the point numbers on the menu colour, the rest white.
CellFill curveCellFill(int row, int column);

// C.V., ERP and S.F. of the segment rows 1..totalSiteCount; the trailing empty row and
// the description columns take no input.
bool segmentCellEditable(const CircuitModel& m, int row, int column);

// The key filter of the real boxes and the table editor: digits, "." and control keys.
bool isRealKey(char32_t key);
// A whole text made only of characters the key filter lets through.
bool passesRealKeyFilter(std::string_view text);

// Rows of tab-separated cells, as a spreadsheet puts them on the clipboard. Line ends may
// be LF or CR LF; a final line end does not add an empty row.
std::vector<std::vector<std::string>> parseTabSeparated(std::string_view text);
// The inverse: cells joined by tabs, rows ended by a line feed (no line end after a
// single cell, so that a copied value pastes into a line edit as it is).
std::string tabSeparatedText(const std::vector<std::vector<std::string>>& rows);

// One value of a paste that lands in an editable cell.
struct PasteWrite {
    int row = 0;
    int column = 0;
    std::string text;
};
// What a paste at (anchorRow, anchorColumn) of SGDI will do. A paste is all or nothing:
// when one value is not a number that could have been typed, `error` holds its
// conversion message and `writes` is empty. Values that fall on cells that take no input
// are counted in `outside`; empty values are skipped.
struct PastePlan {
    std::vector<PasteWrite> writes;
    int outside = 0;
    std::optional<std::string> error;
};
PastePlan planSegmentPaste(const CircuitModel& m, int anchorRow, int anchorColumn,
                           std::string_view clipboard);
// The message shown when values of a paste fell outside the editable cells.
std::string pasteOutsideMessage(int outside);

}  // namespace quorel
