#pragma once
// Number texts of the whole program, independent of the user's locale ("." always).

#include <optional>
#include <string>
#include <string_view>

namespace quorel {

// Shortest general form with up to 15 significant digits: 0.5 -> "0.5", 2.0 -> "2",
// 0.02 -> "0.02"; very small or large magnitudes in exponent form ("1E-5").
std::string generalText(double value);
// Fixed notation with the given number of decimals: fixedText(0.02, 4) -> "0.0200".
std::string fixedText(double value, int decimals);
// The "%f" / "%lf" form of the data files: fixed, six decimals.
std::string fileRealText(double value);

// Text to number as the boxes and cells convert it (blanks around are allowed).
// Returns nothing for a text that is not a number, such as "" or a lone ".".
std::optional<double> parseReal(std::string_view text);
std::optional<int> parseInteger(std::string_view text);
// The conversion error messages shown for a rejected text.
std::string invalidRealMessage(std::string_view text);
std::string invalidIntegerMessage(std::string_view text);

}  // namespace quorel
