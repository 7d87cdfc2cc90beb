#include "convert/core/unit_table.h"

#include "convert/core/decimal_digits.h"
#include "platform/core/atomic_file.h"
#include "platform/core/file_lookup.h"
#include "platform/core/float_format.h"
#include "platform/core/number_conversion.h"
#include "platform/core/text_file.h"
#include "platform/core/text_trim.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>
#include <vector>

namespace convert {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view TrimBlanks(std::string_view text) { return platform::Trim(text, " \t"); }

void TrimRight(std::string& text) { text.erase(platform::TrimRight(text).size()); }

// Splits the file into items. Blank lines carry no item, so a file cut short after
// a line end runs out of items instead of yielding empty ones.
class ItemReader {
public:
    explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

    // nullopt at the end of the file and for a quote that is never closed.
    std::optional<std::string_view> Next()
    {
        while (pos_ < bytes_.size() && (IsBlank(bytes_[pos_]) || IsLineEnd(bytes_[pos_])))
            ++pos_;
        if (pos_ == bytes_.size())
            return std::nullopt;
        std::string_view item;
        if (bytes_[pos_] == '"') {
            const auto close = bytes_.find('"', pos_ + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            item = bytes_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            SkipToDelimiter(); // whatever stands between the quote and the delimiter is dropped
        } else {
            const auto start = pos_;
            SkipToDelimiter();
            item = TrimBlanks(bytes_.substr(start, pos_ - start));
        }
        SkipDelimiter();
        return item;
    }

    std::optional<double> NextNumber()
    {
        const auto item = Next();
        return item ? platform::TryStrToFloat(*item, '.') : std::nullopt;
    }

    // A fraction where a 16-bit integer belongs rounds to the nearest whole number
    // (halves to even), as a conversion to a 16-bit integer does; a value beyond 16
    // bits makes the file unreadable.
    std::optional<std::int16_t> NextInteger()
    {
        const auto number = NextNumber();
        if (!number || std::fabs(*number) >= 32768.5)
            return std::nullopt;
        const auto whole = platform::RoundHalfEven(*number);
        if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        return static_cast<std::int16_t>(whole);
    }

private:
    void SkipToDelimiter()
    {
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !IsLineEnd(bytes_[pos_]))
            ++pos_;
    }

    void SkipDelimiter()
    {
        if (pos_ >= bytes_.size())
            return;
        if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Everything of a file, checked before any of it reaches the table.
struct ParsedUnits {
    int count = 0;
    std::vector<std::string_view> shortNames, longNames;
    std::vector<double> factors; // row by row, count × count
    std::vector<std::int16_t> widths;
};

std::optional<ParsedUnits> ParseUnitFile(std::string_view bytes)
{
    ItemReader reader(bytes);
    const auto count = reader.NextInteger();
    if (!count || *count < 0 || *count > kMaxUnits)
        return std::nullopt;
    ParsedUnits units;
    units.count = *count;
    const auto n = static_cast<std::size_t>(units.count);
    units.shortNames.reserve(n);
    units.longNames.reserve(n);
    units.factors.reserve(n * n);
    units.widths.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto shortName = reader.Next();
        const auto longName = reader.Next();
        if (!shortName || !longName)
            return std::nullopt;
        units.shortNames.push_back(*shortName);
        units.longNames.push_back(*longName);
        for (std::size_t j = 0; j < n; ++j) {
            const auto factor = reader.NextNumber();
            if (!factor)
                return std::nullopt;
            units.factors.push_back(*factor);
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const auto width = reader.NextInteger();
        if (!width)
            return std::nullopt;
        units.widths.push_back(*width);
    }
    return units;
}

// " 600 ": the place of a plus sign, the digits, a blank.
std::string IntegerLine(int value)
{
    return (value < 0 ? "" : " ") + std::to_string(value) + " \r\n";
}

// Rows and columns of the first `n` units in the order `order` gives.
void PermuteFactors(UnitTable& table, const std::vector<int>& order)
{
    const auto n = order.size() - 1;
    std::vector<double> old(n * n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            old[i * n + j] = table.Factors[i + 1][j + 1];
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j)
            table.Factors[i][j] = old[(order[i] - 1) * n + (order[j] - 1)];
}

template <typename T>
void Permute(std::array<T, kUnitSlots>& list, const std::vector<int>& order)
{
    std::vector<T> old(list.begin() + 1, list.begin() + static_cast<std::ptrdiff_t>(order.size()));
    for (std::size_t i = 1; i < order.size(); ++i)
        list[i] = std::move(old[order[i] - 1]);
}

} // namespace

bool ReadUnitFile(UnitTable& table, std::string& stem, const std::filesystem::path& folder)
{
    TrimRight(stem);
    std::optional<std::string> bytes; // the parsed names point into it
    std::optional<ParsedUnits> units;
    if (const auto path = platform::FindFileNoCase(folder, stem + kUnitFileExtension))
        bytes = platform::ReadFileBytes(*path);
    if (bytes)
        units = ParseUnitFile(*bytes);
    if (!units) {
        table.UnitCount = 0;
        return false;
    }
    const int n = units->count;
    table.UnitCount = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        table.UnitNames[i] = units->shortNames[i - 1];
        table.ColumnNames[i] = table.UnitNames[i];
        table.LongNames[i] = units->longNames[i - 1];
        std::copy_n(units->factors.begin() + (i - 1) * n, n, table.Factors[i].begin() + 1);
        table.ColumnWidths[i] = units->widths[i - 1];
    }
    return true;
}

std::string UnitFileText(const UnitTable& table, const ColumnWidthList& widths)
{
    const int n = std::clamp<int>(table.UnitCount, 0, kMaxUnits);
    std::string text = IntegerLine(n);
    text.reserve(static_cast<std::size_t>(n) * (n * 22 + 40) + 8);
    for (int i = 1; i <= n; ++i) {
        text += '"' + table.UnitNames[i] + "\",\"" + table.LongNames[i] + "\"\r\n";
        for (int j = 1; j <= n; ++j) {
            text += FormatFactor(table.Factors[i][j]);
            text += "\r\n";
        }
    }
    for (int i = 1; i <= n; ++i)
        text += IntegerLine(widths[i]);
    return text;
}

bool WriteUnitFile(const UnitTable& table, std::string stem, const std::filesystem::path& folder,
                   const ColumnWidthList& widths)
{
    // Trimmed as ReadUnitFile trims, so that what is written can be read back.
    TrimRight(stem);
    const auto path = platform::ResolveFileNoCase(folder, stem + kUnitFileExtension);
    return !platform::ReplaceFileAtomically(path, UnitFileText(table, widths));
}

std::string FormatFactor(double value)
{
    if (value == 0 || !std::isfinite(value))
        return " 0";
    auto [digits, exponent] = SignificantDigits(std::fabs(value));
    digits.erase(std::max<std::size_t>(digits.find_last_not_of('0') + 1, 1));

    std::string text(1, value < 0 ? '-' : ' ');
    const int count = static_cast<int>(digits.size());
    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (count > 1)
            text += '.' + digits.substr(1);
        char power[16];
        std::snprintf(power, sizeof power, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text += power;
    } else if (exponent < 0) {
        text += '.' + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (count <= exponent + 1) {
        text += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        text += digits.substr(0, exponent + 1) + '.' + digits.substr(exponent + 1);
    }
    return text;
}

void SortUnits(UnitTable& table)
{
    const int n = std::clamp<int>(table.UnitCount, 0, kMaxUnits);
    if (n < 2)
        return;
    // order[k] is the old position of the unit that goes to position k. std::string
    // compares bytes as unsigned char, so accented letters sort after "z".
    std::vector<int> order(static_cast<std::size_t>(n) + 1);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin() + 1, order.end(),
                     [&](int a, int b) { return table.UnitNames[a] < table.UnitNames[b]; });
    Permute(table.UnitNames, order);
    Permute(table.ColumnNames, order);
    Permute(table.LongNames, order);
    Permute(table.ColumnWidths, order);
    PermuteFactors(table, order);
}

std::optional<int> FindUnit(const UnitTable& table, std::string_view name)
{
    const int n = std::clamp<int>(table.UnitCount, 0, kMaxUnits);
    for (int i = 1; i <= n; ++i)
        if (table.UnitNames[i] == name)
            return i;
    return std::nullopt;
}

} // namespace convert
