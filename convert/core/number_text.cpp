#include "convert/core/number_text.h"

#include "convert/core/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace convert {
namespace {

// Keeps the first `keep` digits (keep >= 1), halves away from zero.
void RoundDigits(DecimalDigits& number, std::size_t keep)
{
    if (keep >= number.digits.size())
        return;
    const bool up = number.digits[keep] >= '5';
    number.digits.resize(keep);
    if (!up)
        return;
    auto i = keep;
    while (i > 0 && number.digits[i - 1] == '9')
        number.digits[--i] = '0';
    if (i > 0) {
        ++number.digits[i - 1];
    } else {
        number.digits.insert(number.digits.begin(), '1');
        number.digits.pop_back();
        ++number.exponent;
    }
}

std::string WithoutTrailingZeros(std::string digits)
{
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

// "####.######"
std::string FixedPattern(double magnitude, char separator)
{
    // Rounding from the 15 digits the user could have typed keeps 0.1234565 a half
    // that rounds up, as it reads.
    auto number = SignificantDigits(magnitude); // exponent >= -1, as magnitude >= 0.1
    const int integerDigits = number.exponent + 1;
    RoundDigits(number, static_cast<std::size_t>(integerDigits + 6));
    const auto split = static_cast<std::size_t>(number.exponent + 1);
    return number.digits.substr(0, split) + separator + WithoutTrailingZeros(number.digits.substr(split));
}

// "#.######e-000"
std::string ExponentPattern(double magnitude, char separator)
{
    auto number = SignificantDigits(magnitude);
    RoundDigits(number, 7);
    char power[16];
    std::snprintf(power, sizeof power, "%s%03d", number.exponent < 0 ? "-" : "", std::abs(number.exponent));
    return number.digits.substr(0, 1) + separator + WithoutTrailingZeros(number.digits.substr(1)) + 'e' + power;
}

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string FormatNumber(double value, char decimalSeparator)
{
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(value))
        return {};
    const std::string sign = value < 0 ? "-" : "";
    if (magnitude <= 10000 && value == std::trunc(value))
        return sign + std::to_string(static_cast<long>(magnitude));
    if (magnitude < 0.1 || magnitude > 10000)
        return sign + ExponentPattern(magnitude, decimalSeparator);
    return sign + FixedPattern(magnitude, decimalSeparator);
}

std::string CommaToPoint(std::string text)
{
    if (const auto comma = text.find(','); comma != std::string::npos)
        text[comma] = '.';
    return text;
}

double TextToNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto next = [&] {
        while (i < text.size() && IsSkipped(text[i]))
            ++i;
        return i < text.size() ? text[i] : '\0';
    };
    // Digits in "mantissa", and where the first significant one stands relative to
    // the point, so that an out-of-range value can tell overflow from underflow.
    std::string mantissa;
    bool negative = false;
    if (const char c = next(); c == '+' || c == '-') {
        negative = c == '-';
        ++i;
    }
    int integerDigits = 0;         // significant digits before the point
    int zerosAfterPoint = 0;       // leading zeros after the point while no digit is significant
    bool significant = false;
    bool point = false;
    for (char c = next(); IsDigit(c) || (c == '.' && !point); c = next()) {
        ++i;
        if (c == '.') {
            point = true;
            mantissa += '.';
            continue;
        }
        mantissa += c;
        significant = significant || c != '0';
        if (!point && significant)
            ++integerDigits;
        if (point && !significant)
            ++zerosAfterPoint;
    }
    if (mantissa.find_first_of("0123456789") == std::string::npos)
        return 0;

    long exponent = 0;
    std::string exponentText;
    if (const char e = next(); e == 'E' || e == 'e') {
        ++i;
        std::string sign;
        if (const char c = next(); c == '+' || c == '-') {
            sign = c;
            ++i;
        }
        std::string digits;
        while (IsDigit(next()))
            digits += text[i++];
        if (!digits.empty()) { // "2E" is 2: the "E" does not fit and ends the number
            exponentText = "e" + sign + digits;
            exponent = digits.size() > 6 ? 1000000 : std::atol(digits.c_str());
            if (sign == "-")
                exponent = -exponent;
        }
    }

    const std::string number = mantissa + exponentText;
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        const long magnitude = (integerDigits > 0 ? integerDigits : -zerosAfterPoint) + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace convert
