#include "platform/core/float_format.h"

#include "platform/core/decimal_separator.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace platform {
namespace {

// A non-negative decimal number as digits d0 d1 d2 ... with value 0.d0d1d2... × 10^exponent.
struct DecimalDigits {
    std::vector<int> digits;
    int exponent = 0;
};

// Enough exact digits of the binary value that rounding at any place we use is
// decided by them: glibc prints the exact expansion.
DecimalDigits ExactDigits(double magnitude)
{
    DecimalDigits result;
    if (magnitude == 0) {
        result.exponent = 1;
        return result;
    }
    // to_chars, unlike printf, ignores the C locale, whose decimal point may be ",".
    char buffer[128];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 60).ptr;
    const std::string text(buffer, end);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            result.digits.push_back(text[i] - '0');
    result.exponent = std::stoi(text.substr(e + 1)) + 1;
    return result;
}

// Keeps `count` significant digits, rounding halves away from zero.
void RoundToSignificant(DecimalDigits& number, int count)
{
    if (count < 0) {
        number.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(count) >= number.digits.size())
        return;
    const bool roundUp = number.digits[count] >= 5;
    number.digits.resize(count);
    if (!roundUp)
        return;
    int i = count - 1;
    while (i >= 0 && number.digits[i] == 9) {
        number.digits[i] = 0;
        --i;
    }
    if (i >= 0) {
        ++number.digits[i];
    } else {
        number.digits.insert(number.digits.begin(), 1);
        number.digits.pop_back();
        ++number.exponent;
        if (count == 0)
            number.digits = {1};
    }
}

int DigitAt(const DecimalDigits& number, int index)
{
    return index >= 0 && index < static_cast<int>(number.digits.size()) ? number.digits[index] : 0;
}

bool IsZero(const DecimalDigits& number)
{
    for (const int d : number.digits)
        if (d != 0)
            return false;
    return true;
}

std::string GeneralFrom(DecimalDigits number, bool negative, int precision, char decimalSeparator)
{
    while (!number.digits.empty() && number.digits.back() == 0)
        number.digits.pop_back();
    if (number.digits.empty())
        return "0";
    std::string text = negative ? "-" : "";
    const int count = static_cast<int>(number.digits.size());
    const int exponent = number.exponent - 1;
    if (exponent < -5 || number.exponent > precision) {
        text += static_cast<char>('0' + number.digits[0]);
        if (count > 1) {
            text += decimalSeparator;
            for (int i = 1; i < count; ++i)
                text += static_cast<char>('0' + number.digits[i]);
        }
        text += 'E' + std::to_string(exponent);
        return text;
    }
    if (number.exponent <= 0) {
        text += '0';
        text += decimalSeparator;
        text.append(-number.exponent, '0');
        for (const int d : number.digits)
            text += static_cast<char>('0' + d);
        return text;
    }
    for (int i = 0; i < std::max(count, number.exponent); ++i) {
        if (i == number.exponent)
            text += decimalSeparator;
        text += static_cast<char>('0' + DigitAt(number, i));
    }
    return text;
}

} // namespace

std::string FormatGeneral(double value, int precision, char decimalSeparator)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    DecimalDigits number = ExactDigits(std::fabs(value));
    RoundToSignificant(number, precision);
    return GeneralFrom(number, value < 0 && !IsZero(number), precision, decimalSeparator);
}

std::string FormatFixed(double value, int precision, int digits, char decimalSeparator)
{
    if (!std::isfinite(value))
        return FormatGeneral(value, precision, decimalSeparator);
    DecimalDigits number = ExactDigits(std::fabs(value));
    if (number.exponent > precision)
        return FormatGeneral(value, precision, decimalSeparator);
    RoundToSignificant(number, std::min(precision, number.exponent + digits));
    if (number.exponent > precision)
        return FormatGeneral(value, precision, decimalSeparator);

    std::string text = value < 0 && !IsZero(number) ? "-" : "";
    if (number.exponent <= 0)
        text += '0';
    for (int i = 0; i < number.exponent; ++i)
        text += static_cast<char>('0' + DigitAt(number, i));
    if (digits > 0) {
        text += decimalSeparator;
        for (int i = 0; i < digits; ++i)
            text += static_cast<char>('0' + DigitAt(number, number.exponent + i));
    }
    return text;
}

std::string FormatFixed(double value, int precision, int digits)
{
    return FormatFixed(value, precision, digits, DecimalSeparator());
}

std::int64_t RoundHalfEven(double value)
{
    return static_cast<std::int64_t>(std::nearbyint(value));
}

} // namespace platform
