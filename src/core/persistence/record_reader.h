#pragma once
// Reading the line-oriented data files: whole files into memory, then line by line,
// each line a record of comma-separated fields. The first fault is kept with its
// line and field, and every later read fails, so a parser can chain its reads and
// ask for the problem once at the end.

#include "persistence/file_problem.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorel {

// No file of a circuit set comes near this; a larger one is refused unread.
constexpr std::size_t kMaxDataFileBytes = 64u << 20;

// Reads the whole file. A missing file gives "doesn't exist", any other failure
// the system's reason; the problem carries the path.
std::optional<FileProblem> readWholeFile(const std::string& path, std::string& text,
                                         std::size_t maxBytes = kMaxDataFileBytes);

class RecordReader {
public:
    static constexpr int kMaxFields = 24;

    explicit RecordReader(std::string_view text) : rest_(text) {}

    // Takes the next line; `what` names it for the message when the file ends early.
    bool line(std::string_view& text, std::string_view what);
    // Takes the next line as a record of exactly fieldCount fields.
    bool record(int fieldCount, std::string_view what);
    // Takes the next line and checks that it is the keyword `word`.
    bool keyword(std::string_view word);
    // Field `field` (1-based) of the current record.
    bool real(int field, double& value);
    bool integer(int field, int& value);
    // Range checks of a value already read from field `field`; `what` names it.
    bool intRange(int field, int value, int lowest, int highest, std::string_view what);
    // Records a fault in field `field` of the current line (0: the whole line).
    bool fail(int field, std::string detail);

    bool atEnd() const { return rest_.empty(); }
    int lineNumber() const { return lineNumber_; }
    bool ok() const { return !problem_; }
    const std::optional<FileProblem>& problem() const { return problem_; }

private:
    template <typename Number>
    bool number(int field, Number& value, const char* kindOfNumber);

    std::string_view rest_;
    int lineNumber_ = 0;
    std::array<std::string_view, kMaxFields> fields_{};
    int fieldCount_ = 0;
    std::optional<FileProblem> problem_;
};

// Splits text into lines at LF, dropping a CR before it; a final line end does not
// start another line.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

// A field's text as a message quotes it, shortened when it is long.
std::string quotedField(std::string_view text);

}  // namespace quorel
