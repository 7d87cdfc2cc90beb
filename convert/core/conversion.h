#pragma once
// The arithmetic of a conversion: four unit rows form a fraction, rows 1 and 2 over
// rows 3 and 4, so that km/h converts to m/s in one step.
#include "convert/core/unit_table.h"

#include <array>
#include <filesystem>
#include <string>
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

// One row of the working area resolved against its category's data file, read afresh.
struct RowResolution {
    enum class Problem { None, UnreadableFile, MissingOutputUnit, UnknownUnit };
    Problem problem = Problem::None;
    double factor = 1;
    std::string fileName;    // with UnreadableFile: the file that could not be read
    std::string unknownUnit; // with UnknownUnit: the unit the category does not have
};

// Reads the data file of `category` (its standard stem, or the name itself for a
// custom file) from `folder` into `table` and looks up Factors(input, output).
RowResolution ResolveRow(UnitTable& table, const std::filesystem::path& folder, const std::string& category,
                         const std::string& inputUnit, const std::string& outputUnit);

// "km stands for kilometre" for the first unit of that name with a long name, else
// "Explanation not found". Reads the category's file into `table`.
std::string ExplainText(UnitTable& table, const std::filesystem::path& folder, const std::string& category,
                        const std::string& unit);

} // namespace convert
