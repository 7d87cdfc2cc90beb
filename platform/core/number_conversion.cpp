#include "platform/core/number_conversion.h"

#include "platform/core/ansi_text.h"
#include "platform/core/decimal_separator.h"
#include "platform/core/errors.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>

namespace platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::uint32_t> ParseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::string_view rest = text.substr(i);

    std::string_view hexDigits;
    if (rest.starts_with('$'))
        hexDigits = rest.substr(1);
    else if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        hexDigits = rest.substr(2);
    if (!hexDigits.empty() || rest.starts_with('$')) {
        const auto hex = ParseHex(hexDigits);
        if (!hex)
            return std::nullopt;
        const auto value = static_cast<std::int32_t>(*hex);
        return negative ? static_cast<std::int32_t>(0u - *hex) : value;
    }

    if (rest.empty())
        return std::nullopt;
    for (const char c : rest)
        if (!IsDigit(c))
            return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc() || end != rest.data() + rest.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw EConvertError("'" + AnsiToUtf8(text) + "' is not a valid integer value");
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback)
{
    return TryStrToInt(text).value_or(fallback);
}

std::optional<double> TryStrToFloat(std::string_view text, char decimalSeparator)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;

    // Validate the shape strictly, and build a "."-separated copy for from_chars.
    std::string normal;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            normal += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < end && IsDigit(text[i])) {
        normal += text[i++];
        ++mantissaDigits;
    }
    if (i < end && text[i] == decimalSeparator) {
        normal += '.';
        ++i;
        while (i < end && IsDigit(text[i])) {
            normal += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        int exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            normal += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    double value = 0;
    const auto [last, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error != std::errc() || last != normal.data() + normal.size())
        return std::nullopt;
    return value;
}

double StrToFloat(std::string_view text, char decimalSeparator)
{
    if (const auto value = TryStrToFloat(text, decimalSeparator))
        return *value;
    throw EConvertError("'" + AnsiToUtf8(text) + "' is not a valid floating point value");
}

double StrToFloat(std::string_view text) { return StrToFloat(text, DecimalSeparator()); }

} // namespace platform
