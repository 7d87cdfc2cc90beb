#include "convert/core/categories.h"
#include "convert/core/conversion.h"
#include "convert/core/number_text.h"
#include "platform/core/ansi_text.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <limits>

using namespace convert;

TEST(ConvertValue, RowsOneAndTwoOverRowsThreeAndFour)
{
    const ConversionRow unused;
    const auto row = [](std::optional<double> factor) { return ConversionRow{true, factor}; };
    const double huge = std::numeric_limits<double>::max();
    struct Case {
        const char* name;
        double value;
        std::array<ConversionRow, kConversionRows> rows;
        std::optional<double> result;
    };
    const Case cases[] = {
        {"no row used: the value itself", 2.5, {unused, unused, unused, unused}, 2.5},
        {"km/h to m/s", 36, {row(1000), unused, row(3600), unused}, 10},
        {"all four rows", 3, {row(2), row(5), row(10), row(0.5)}, 6},
        {"a factor of 0 above the bar", 7, {row(0), unused, row(2), unused}, 0},
        {"a factor of 0 below the bar", 7, {row(1), unused, row(0), unused}, std::nullopt},
        {"a value of 0 still divides", 0, {unused, unused, unused, row(0)}, std::nullopt},
        {"an unused row's factor does not count", 7, {unused, unused, ConversionRow{false, 0.0}, unused}, 7},
        {"a unit that was not found", 7, {unused, row(std::nullopt), unused, unused}, std::nullopt},
        {"an unused row without a factor", 7, {ConversionRow{false, std::nullopt}, unused, unused, unused}, 7},
        {"left to right: overflow before the division", huge, {row(10), unused, row(100), unused}, std::nullopt},
        {"overflow", huge, {row(2), unused, unused, unused}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertValue(c.value, c.rows), c.result) << c.name;
}

TEST(ConvertValue, KilometresPerHourFromTheStandardFiles)
{
    // As Calculate does it: every used row reads its category's file afresh.
    UnitTable table;
    const auto factor = [&](const std::string& category, const char* in, const char* out) {
        std::string stem = StemForCategory(platform::Utf8ToAnsi(category));
        EXPECT_TRUE(ReadUnitFile(table, stem, CONVERT_DATA_DIR)) << stem;
        return ConversionRow{true, LookUpFactor(table, in, out)};
    };
    const auto result = ConvertValue(36, {factor("Länge", "km", "m"), {}, factor("Time", "h", "s"), {}});
    ASSERT_TRUE(result);
    EXPECT_EQ(FormatNumber(*result, ','), "10");

    const auto missing = ConvertValue(1, {factor("Length", "km", "parsec"), {}, {}, {}});
    EXPECT_EQ(missing, std::nullopt);
}

TEST(ResolveRow, NamesWhatKeepsARowFromConverting)
{
    testsupport::TempFolder folder;
    std::filesystem::copy_file(std::filesystem::path(CONVERT_DATA_DIR) / "Length.VAL", folder.Path() / "LENGTH.VAL");
    UnitTable table;
    using Problem = RowResolution::Problem;
    struct Case { const char* category; const char* input; const char* output; Problem problem; const char* detail; };
    const Case cases[] = {
        {"Length", "km", "m", Problem::None, ""},
        {"L\xE4nge", "km", "m", Problem::None, ""},
        {"Length", "kmh", "m", Problem::UnknownUnit, "kmh"},
        {"Length", "km", "parsec", Problem::UnknownUnit, "parsec"},
        {"Length", "km", "", Problem::MissingOutputUnit, ""},
        {"Time", "h", "s", Problem::UnreadableFile, "Time.VAL"},
        {"", "km", "m", Problem::UnknownUnit, "km"},
    };
    for (const auto& c : cases) {
        const RowResolution row = ResolveRow(table, folder.Path(), c.category, c.input, c.output);
        EXPECT_EQ(row.problem, c.problem) << c.category << " " << c.input << " " << c.output;
        if (c.problem == Problem::None) {
            EXPECT_DOUBLE_EQ(row.factor, 1000);
        }
        if (c.problem == Problem::UnknownUnit) {
            EXPECT_EQ(row.unknownUnit, c.detail);
        }
        if (c.problem == Problem::UnreadableFile) {
            EXPECT_EQ(row.fileName, c.detail);
        }
    }
    EXPECT_EQ(ExplainText(table, folder.Path(), "Length", "km"), "km stands for kilometre");
    EXPECT_EQ(ExplainText(table, folder.Path(), "Length", "furlongs"), "Explanation not found");
}
