#pragma once
// The arithmetic of a conversion: four unit rows form a fraction, rows 1 and 2 over
// rows 3 and 4, so that km/h converts to m/s in one step.
#include "convert/core/unit_table.h"

#include <array>
#include <optional>
#include <string_view>

namespace convert {

constexpr int kConversionRows = 4;

struct ConversionRow {
    bool used = false;            // the row's input unit box holds text
    std::optional<double> factor; // Factors(input unit, output unit); nullopt: a unit not found
};

// value × F1 × F2 ÷ F3 ÷ F4, left to right, an unused row counting 1. nullopt (the one
// calculation failure) when a used row has no factor, a used divisor is 0 or the
// result is not a finite number.
std::optional<double> ConvertValue(double value, const std::array<ConversionRow, kConversionRows>& rows);

// Factors(k, l) for the first units named `inputUnit` and `outputUnit` (exact, case
// counts) among units 1..UnitCount; nullopt when either is not there, never a slot
// past the table.
std::optional<double> LookUpFactor(const UnitTable& table, std::string_view inputUnit, std::string_view outputUnit);

} // namespace convert
