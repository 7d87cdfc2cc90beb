#include "convert/core/conversion.h"

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

} // namespace convert
