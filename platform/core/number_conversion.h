#pragma once
// Strict text -> number conversions. A failure raises EConvertError with the standard
// message quoting the offending text. Text is ANSI.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Decimal with optional sign and leading blanks; "$1F" and "0x1F" are hexadecimal.
// The result must fit in 32 bits (hexadecimal may use all 32 bits, as in "$80000005").
std::int32_t StrToInt(std::string_view text);
std::optional<std::int32_t> TryStrToInt(std::string_view text);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// Optional blanks around, optional sign, digits with the given decimal separator,
// optional exponent ("E" or "e", optional sign, digits). No thousands separators.
double StrToFloat(std::string_view text, char decimalSeparator);
double StrToFloat(std::string_view text); // with the process decimal separator
std::optional<double> TryStrToFloat(std::string_view text, char decimalSeparator);

} // namespace platform
