#pragma once
// The memo file (.mo2: the memo's lines as they are) and the history file (.mo3:
// the row count, then eight lines per row: the "time" caption and the sub-items
// "S/T", "site", "rev.", "dec.", "num", "S1-S1", "R-S1"). Lines end in CR LF.

#include "engine/stimulation_history.h"
#include "persistence/file_problem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorel {

std::string formatMemoFile(const std::vector<std::string>& lines);
// Any text is a memo: a file that could be read always gives its lines.
std::vector<std::string> parseMemoFile(std::string_view text);

std::string formatHistoryFile(const StimulationHistory& history);
// On a fault `history` is left as it was and the problem gives the line.
std::optional<FileProblem> parseHistoryFile(std::string_view text, StimulationHistory& history);

// "S1-S1" and "R-S1" as the list shows them after loading: a number with four
// decimals ("0.3" -> "0.3000"), an empty text stays empty; nothing for a text
// that is not a number.
std::optional<std::string> historyIntervalText(std::string_view text);

}  // namespace quorel
