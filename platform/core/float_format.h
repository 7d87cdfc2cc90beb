#pragma once
// Fixed-point formatting and rounding as the programs' number displays expect them.
#include <cstdint>
#include <string>

namespace platform {

// Rounds (halves away from zero) to at most `precision` significant digits and to
// `digits` decimals, then writes exactly `digits` decimals after `decimalSeparator`,
// "-" for negatives, no thousands separators. When the integer part needs more than
// `precision` digits the general scientific form is written instead ("1.2346E5").
std::string FormatFixed(double value, int precision, int digits, char decimalSeparator);
std::string FormatFixed(double value, int precision, int digits); // process separator

// Shortest general form with at most `precision` significant digits: "298.15",
// "1E20", "1.5E-7".
std::string FormatGeneral(double value, int precision, char decimalSeparator);

// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double value);

} // namespace platform
