#include "persistence/record_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <type_traits>

namespace quorel {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// A leading '+' is allowed, as the C scanning functions allow it.
std::string_view unsigned_part(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

}  // namespace

std::string quotedField(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    if (text.size() > kShown)
        return "\"" + std::string(text.substr(0, kShown)) + "...\"";
    return "\"" + std::string(text) + "\"";
}

std::optional<FileProblem> readWholeFile(const std::string& path, std::string& text,
                                         std::size_t maxBytes)
{
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        const int error = errno;
        if (error == ENOENT)
            return FileProblem{path, 0, 0, "doesn't exist"};
        return FileProblem{path, 0, 0, std::string("cannot be opened: ") + std::strerror(error)};
    }
    char buffer[65536];
    bool tooLarge = false;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        if (got == 0)
            break;
        if (text.size() + got > maxBytes) {
            tooLarge = true;
            break;
        }
        text.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (tooLarge) {
        text.clear();
        return FileProblem{path, 0, 0,
                           "is larger than " + std::to_string(maxBytes >> 20) +
                               " MB and cannot be a file of a circuit set"};
    }
    if (failed) {
        text.clear();
        return FileProblem{path, 0, 0, std::string("cannot be read: ") + std::strerror(error)};
    }
    return std::nullopt;
}

bool RecordReader::fail(int field, std::string detail)
{
    if (!problem_)
        problem_ = FileProblem{"", lineNumber_, field, std::move(detail)};
    return false;
}

bool RecordReader::line(std::string_view& text, std::string_view what)
{
    if (problem_)
        return false;
    if (rest_.empty()) {
        ++lineNumber_;
        return fail(0, "the file ends before " + std::string(what));
    }
    const std::size_t end = rest_.find('\n');
    text = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    ++lineNumber_;
    return true;
}

bool RecordReader::record(int fieldCount, std::string_view what)
{
    std::string_view text;
    if (!line(text, what))
        return false;
    fieldCount_ = 0;
    int found = 0;
    for (;;) {
        const std::size_t comma = text.find(',');
        if (found < kMaxFields)
            fields_[static_cast<std::size_t>(found)] = trimmed(text.substr(0, comma));
        ++found;
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (found != fieldCount) {
        std::string detail = std::string(what) + ": expected " + std::to_string(fieldCount) +
                             (fieldCount == 1 ? " value" : " values separated by commas") +
                             ", found " + std::to_string(found);
        return fail(0, std::move(detail));
    }
    fieldCount_ = found;
    return true;
}

bool RecordReader::keyword(std::string_view word)
{
    std::string_view text;
    if (!line(text, "the keyword " + std::string(word)))
        return false;
    if (trimmed(text) != word)
        return fail(0, "expected the keyword " + std::string(word) + ", found " +
                           quotedField(trimmed(text)));
    return true;
}

template <typename Number>
bool RecordReader::number(int field, Number& value, const char* kindOfNumber)
{
    if (problem_)
        return false;
    if (field < 1 || field > fieldCount_)
        return fail(field, "no such field");
    const std::string_view text = fields_[static_cast<std::size_t>(field - 1)];
    if (text.empty())
        return fail(field, "the value is missing");
    const std::string_view digits = unsigned_part(text);
    Number parsed{};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error == std::errc::result_out_of_range)
        return fail(field, quotedField(text) + " is out of range");
    if (error != std::errc() || end != digits.data() + digits.size())
        return fail(field, quotedField(text) + " is not " + kindOfNumber);
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(parsed))
            return fail(field, quotedField(text) + " is not a finite number");
    }
    value = parsed;
    return true;
}

bool RecordReader::real(int field, double& value)
{
    return number(field, value, "a number");
}

bool RecordReader::integer(int field, int& value)
{
    return number(field, value, "a whole number");
}

bool RecordReader::intRange(int field, int value, int lowest, int highest, std::string_view what)
{
    if (problem_)
        return false;
    if (value < lowest || value > highest)
        return fail(field, std::string(what) + " is " + std::to_string(value) + ", outside " +
                               std::to_string(lowest) + " to " + std::to_string(highest));
    return true;
}

}  // namespace quorel
