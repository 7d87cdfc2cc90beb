#pragma once
// Numbers as the user types and reads them: typed numbers accept "," or "." as the
// decimal point, shown numbers use the separator of the regional settings.
#include <string>
#include <string_view>

namespace convert {

// The display text of a factor or result:
//   0                          ""
//   whole, up to 10000         "-3", "10000"
//   below 0.1 or above 10000   "2.54e-002", "5.e-002", "1.234568e008"
//   otherwise                  ".5", "1234.56789", "10000."
// Decimals are at most six (seven significant digits in exponent form), trailing
// zeros dropped, the separator always written. The value is first taken to 15
// significant digits and then rounded half away from zero, so a value typed as
// 1.0000005 shows as 1.000001. Non-finite values give "".
std::string FormatNumber(double value, char decimalSeparator);

// The first "," becomes "."; later commas stay ("1,000,5" -> "1.000,5").
std::string CommaToPoint(std::string text);

// The longest leading part that reads as a number: sign, digits, ".", digits, "E" or
// "e" with sign and digits. Blanks, tabs and line feeds are skipped wherever they
// stand. No hexadecimal or octal prefixes. A text that does not begin with a number
// gives 0; a magnitude too large for a double gives an infinity.
double TextToNumber(std::string_view text);

} // namespace convert
