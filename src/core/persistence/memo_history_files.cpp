#include "persistence/memo_history_files.h"

#include "persistence/record_reader.h"
#include "text/number_text.h"

#include <limits>

namespace quorel {

namespace {

void appendLine(std::string& text, std::string_view line)
{
    text += line;
    text += "\r\n";
}

}  // namespace

std::string formatMemoFile(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        appendLine(text, line);
    return text;
}

std::vector<std::string> parseMemoFile(std::string_view text)
{
    std::vector<std::string> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string formatHistoryFile(const StimulationHistory& history)
{
    std::string text;
    appendLine(text, std::to_string(history.rows.size()));
    for (const HistoryRow& row : history.rows) {
        appendLine(text, row.time);
        appendLine(text, row.mode);
        appendLine(text, row.site);
        appendLine(text, row.revolutions);
        appendLine(text, row.decrement);
        appendLine(text, row.stimuli);
        appendLine(text, row.pacingCycleLength);
        appendLine(text, row.couplingInterval);
    }
    return text;
}

std::optional<std::string> historyIntervalText(std::string_view text)
{
    const auto blank = text.find_first_not_of(" \t");
    if (blank == std::string_view::npos)
        return std::string();
    const auto value = parseReal(text);
    if (!value)
        return std::nullopt;
    return fixedText(*value, 4);
}

std::optional<FileProblem> parseHistoryFile(std::string_view text, StimulationHistory& history)
{
    RecordReader r(text);
    int count = 0;
    if (!(r.record(1, "the number of rows") && r.integer(1, count) &&
          r.intRange(1, count, 0, std::numeric_limits<int>::max(), "the number of rows")))
        return r.problem();

    StimulationHistory read;
    for (int k = 1; k <= count; ++k) {
        HistoryRow row;
        const std::string of = " of row " + std::to_string(k) + " of " + std::to_string(count);
        std::string_view cell;
        auto take = [&](std::string& into, const char* column) {
            if (!r.line(cell, std::string("the \"") + column + "\" text" + of))
                return false;
            into.assign(cell);
            return true;
        };
        auto takeInterval = [&](std::string& into, const char* column) {
            if (!take(into, column))
                return false;
            const auto shown = historyIntervalText(into);
            if (!shown)
                return r.fail(0, std::string("the \"") + column + "\" text " + quotedField(into) +
                                     of + " is not a number");
            into = *shown;
            return true;
        };
        const bool complete = take(row.time, "time") && take(row.mode, "S/T") &&
                              take(row.site, "site") && take(row.revolutions, "rev.") &&
                              take(row.decrement, "dec.") && take(row.stimuli, "num") &&
                              takeInterval(row.pacingCycleLength, "S1-S1") &&
                              takeInterval(row.couplingInterval, "R-S1");
        if (!complete)
            return r.problem();
        read.rows.push_back(std::move(row));
    }
    history = std::move(read);
    return std::nullopt;
}

}  // namespace quorel
