#include "convert/core/conversion.h"

#include "convert/core/categories.h"

#include <cmath>

namespace convert {

std::optional<double> ConvertValue(double value, const std::array<ConversionRow, kConversionRows>& rows)
{
    double result = value;
    for (int row = 0; row < kConversionRows; ++row) {
        const auto& [used, factor] = rows[row];
        if (!used)
            continue;
        if (!factor)
            return std::nullopt;
        if (row < 2) {
            result *= *factor;
        } else {
            if (*factor == 0)
                return std::nullopt;
            result /= *factor;
        }
    }
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<double> LookUpFactor(const UnitTable& table, std::string_view inputUnit, std::string_view outputUnit)
{
    const auto k = FindUnit(table, inputUnit);
    const auto l = FindUnit(table, outputUnit);
    if (!k || !l)
        return std::nullopt;
    return table.Factors[*k][*l];
}

RowResolution ResolveRow(UnitTable& table, const std::filesystem::path& folder, const std::string& category,
                         const std::string& inputUnit, const std::string& outputUnit)
{
    RowResolution row;
    std::string stem = StemForCategory(category);
    if (!ReadUnitFile(table, stem, folder)) {
        row.problem = category.empty() ? RowResolution::Problem::UnknownUnit : RowResolution::Problem::UnreadableFile;
        row.fileName = stem + ".VAL";
        row.unknownUnit = inputUnit;
        return row;
    }
    if (outputUnit.empty()) {
        row.problem = RowResolution::Problem::MissingOutputUnit;
        return row;
    }
    if (const auto factor = LookUpFactor(table, inputUnit, outputUnit)) {
        row.factor = *factor;
        return row;
    }
    row.problem = RowResolution::Problem::UnknownUnit;
    row.unknownUnit = FindUnit(table, inputUnit) ? outputUnit : inputUnit;
    return row;
}

std::string ExplainText(UnitTable& table, const std::filesystem::path& folder, const std::string& category,
                        const std::string& unit)
{
    std::string stem = StemForCategory(category);
    ReadUnitFile(table, stem, folder);
    for (int i = 1; i <= table.UnitCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (table.UnitNames[index] == unit && !table.LongNames[index].empty())
            return unit + " stands for " + table.LongNames[index];
    }
    return "Explanation not found";
}

} // namespace convert
