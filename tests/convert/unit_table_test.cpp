#include "convert/core/conversion.h"
#include "convert/core/unit_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace convert;

namespace {

struct Unit {
    std::string name;
    double value; // in a common base unit
    std::int16_t width = 600;
};

// Units with a consistent matrix: Factors(i, j) = value_i / value_j.
UnitTable MakeTable(const std::vector<Unit>& units)
{
    UnitTable table;
    table.UnitCount = static_cast<std::int16_t>(units.size());
    for (std::size_t i = 1; i <= units.size(); ++i) {
        table.UnitNames[i] = table.ColumnNames[i] = units[i - 1].name;
        table.LongNames[i] = "long " + units[i - 1].name;
        table.ColumnWidths[i] = units[i - 1].width;
        for (std::size_t j = 1; j <= units.size(); ++j)
            table.Factors[i][j] = units[i - 1].value / units[j - 1].value;
    }
    return table;
}

std::vector<std::string> Names(const UnitTable& table)
{
    return {table.UnitNames.begin() + 1, table.UnitNames.begin() + 1 + table.UnitCount};
}

} // namespace

TEST(SortUnits, UnitsMoveWholeSoEveryFactorRelatesTheSameUnits)
{
    const std::vector<Unit> units = {{"mm", 0.001, 100}, {"Km", 1000, 200}, {"cm", 0.01, 300}, {"m", 1, 400}};
    UnitTable table = MakeTable(units);
    table.UnitNames[5] = "beyond the table";
    SortUnits(table);

    ASSERT_EQ(Names(table), (std::vector<std::string>{"Km", "cm", "m", "mm"}));
    EXPECT_EQ(table.UnitNames[5], "beyond the table");
    for (int i = 1; i <= 4; ++i) {
        const auto& unit = *std::ranges::find(units, table.UnitNames[i], &Unit::name);
        EXPECT_EQ(table.ColumnNames[i], unit.name);
        EXPECT_EQ(table.LongNames[i], "long " + unit.name);
        EXPECT_EQ(table.ColumnWidths[i], unit.width) << unit.name;
        for (int j = 1; j <= 4; ++j) {
            const auto& other = *std::ranges::find(units, table.UnitNames[j], &Unit::name);
            EXPECT_EQ(table.Factors[i][j], unit.value / other.value) << unit.name << " in " << other.name;
        }
    }
}

TEST(SortUnits, OrderIsOnByteCodesAndStable)
{
    struct Case { const char* name; std::vector<std::string> in, out; };
    const Case cases[] = {
        {"digits, capitals, small, accented", {"\xE9", "z", "A", "1"}, {"1", "A", "z", "\xE9"}},
        {"prefix first", {"mm", "m", "m2"}, {"m", "m2", "mm"}},
        {"one unit", {"b"}, {"b"}},
        {"already sorted", {"a", "b", "c"}, {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        std::vector<Unit> units;
        for (const auto& name : c.in)
            units.push_back({name, 1});
        UnitTable table = MakeTable(units);
        SortUnits(table);
        EXPECT_EQ(Names(table), c.out) << c.name;
    }

    // Equal names keep their order, and so their long names and widths.
    UnitTable table = MakeTable({{"b", 1, 1}, {"a", 1, 2}, {"b", 1, 3}, {"a", 1, 4}});
    SortUnits(table);
    EXPECT_EQ(Names(table), (std::vector<std::string>{"a", "a", "b", "b"}));
    EXPECT_EQ((std::vector<int>{table.ColumnWidths[1], table.ColumnWidths[2], table.ColumnWidths[3],
                                table.ColumnWidths[4]}),
              (std::vector<int>{2, 4, 1, 3}));
}

TEST(LookUpFactor, FirstExactMatchWithinTheTable)
{
    UnitTable table = MakeTable({{"m", 1}, {"cm", 0.01}, {"km", 1000}, {"m", 5}});
    struct Case { const char* in; const char* out; std::optional<double> factor; };
    const Case cases[] = {
        {"m", "cm", 100},
        {"km", "m", 1000},      // the first "m" wins
        {"cm", "cm", 1},
        {"M", "cm", std::nullopt},
        {"m", "", std::nullopt}, // an empty output box
        {"m ", "cm", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LookUpFactor(table, c.in, c.out), c.factor) << c.in << " -> " << c.out;

    // Slots past UnitCount still hold old units; they are not found.
    table.UnitCount = 2;
    EXPECT_EQ(LookUpFactor(table, "km", "m"), std::nullopt);
    table.UnitCount = 0;
    EXPECT_EQ(FindUnit(table, "m"), std::nullopt);
}
