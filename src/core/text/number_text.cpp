#include "text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace quorel {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string generalText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, 15);
    std::string text(buffer, end);
    // "1e-05" -> "1E-5", "1.5e+20" -> "1.5E+20": the exponent without padding.
    const auto e = text.find('e');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        char sign = exponent[0];
        std::string digits = exponent.substr(1);
        while (digits.size() > 1 && digits[0] == '0')
            digits.erase(0, 1);
        text = mantissa + "E" + (sign == '-' ? "-" : "+") + digits;
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string fixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return generalText(value);
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return generalText(value);
    return std::string(buffer, end);
}

std::string fileRealText(double value)
{
    return fixedText(value, 6);
}

std::optional<double> parseReal(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string invalidRealMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::string invalidIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

}  // namespace quorel
