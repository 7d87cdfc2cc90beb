// The unit data files at their largest (101 units): reading one, writing one, and a
// four-row calculation that reads the file of every used row afresh, as Calculate does.
#include "convert/core/categories.h"
#include "convert/core/conversion.h"
#include "convert/core/number_text.h"
#include "convert/core/unit_table.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <random>
#include <string>

namespace {

// A folder with Big.VAL (101 units u1..u101, unit i worth 1.1^i of the first),
// removed at exit.
class BigFileFolder {
public:
    BigFileFolder()
    {
        path_ = std::filesystem::temp_directory_path() / ("convert-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
        convert::UnitTable table;
        table.UnitCount = convert::kMaxUnits;
        for (int i = 1; i <= convert::kMaxUnits; ++i) {
            table.UnitNames[i] = table.ColumnNames[i] = "u" + std::to_string(i);
            table.LongNames[i] = "unit number " + std::to_string(i);
            table.ColumnWidths[i] = 900;
            for (int j = 1; j <= convert::kMaxUnits; ++j)
                table.Factors[i][j] = std::pow(1.1, i - j);
        }
        convert::WriteUnitFile(table, "Big", path_, table.ColumnWidths);
    }
    ~BigFileFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const BigFileFolder& Folder()
{
    static const BigFileFolder folder;
    return folder;
}

void BM_ReadUnitFile101(benchmark::State& state)
{
    convert::UnitTable table;
    for (auto _ : state) {
        std::string stem = "Big";
        benchmark::DoNotOptimize(convert::ReadUnitFile(table, stem, Folder().Path()));
    }
}
BENCHMARK(BM_ReadUnitFile101)->Unit(benchmark::kMicrosecond);

void BM_WriteUnitFile101(benchmark::State& state)
{
    convert::UnitTable table;
    std::string stem = "Big";
    convert::ReadUnitFile(table, stem, Folder().Path());
    for (auto _ : state)
        benchmark::DoNotOptimize(convert::WriteUnitFile(table, "Copy", Folder().Path(), table.ColumnWidths));
}
BENCHMARK(BM_WriteUnitFile101)->Unit(benchmark::kMicrosecond);

// The file text alone, without the disk.
void BM_UnitFileText101(benchmark::State& state)
{
    convert::UnitTable table;
    std::string stem = "Big";
    convert::ReadUnitFile(table, stem, Folder().Path());
    for (auto _ : state)
        benchmark::DoNotOptimize(convert::UnitFileText(table, table.ColumnWidths));
}
BENCHMARK(BM_UnitFileText101)->Unit(benchmark::kMicrosecond);

void BM_CalculateFourRows(benchmark::State& state)
{
    struct Row { const char* in; const char* out; };
    const Row rows[convert::kConversionRows] = {{"u1", "u101"}, {"u50", "u2"}, {"u101", "u7"}, {"u3", "u99"}};
    convert::UnitTable table;
    for (auto _ : state) {
        std::array<convert::ConversionRow, convert::kConversionRows> factors;
        for (int r = 0; r < convert::kConversionRows; ++r) {
            std::string stem = convert::StemForCategory("Big");
            convert::ReadUnitFile(table, stem, Folder().Path());
            factors[r] = {true, convert::LookUpFactor(table, rows[r].in, rows[r].out)};
        }
        const auto value = convert::TextToNumber(convert::CommaToPoint("1,5"));
        const auto result = convert::ConvertValue(value, factors);
        benchmark::DoNotOptimize(convert::FormatNumber(result.value_or(0), '.'));
    }
}
BENCHMARK(BM_CalculateFourRows)->Unit(benchmark::kMicrosecond);

} // namespace
