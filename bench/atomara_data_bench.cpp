// Start-up cost of the element data: reading atomara.bkp, and converting every field
// the program turns into a number (tile data and the fourteen numeric fields).
#include "atomara/data/element_data.h"
#include "atomara/data/tile_data.h"
#include "platform/core/number_conversion.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadElementData(benchmark::State& state)
{
    const char separator = static_cast<char>(state.range(0));
    for (auto _ : state) {
        auto data = atomara::ElementData::Load(SHIPPED_DATA_FILE, separator);
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_LoadElementData)->Arg('.')->Arg(',');

void BM_BuildAllFieldValues(benchmark::State& state)
{
    const auto data = atomara::ElementData::Load(SHIPPED_DATA_FILE, '.');
    for (auto _ : state) {
        double sum = 0;
        for (int n = 1; n <= atomara::kElementCount; ++n) {
            const auto tile = atomara::TileDataFor(data, n, '.');
            sum += tile.boilingPoint;
            for (int f = atomara::field::FirstNumeric; f <= atomara::field::LastNumeric; ++f)
                if (const auto& text = data.Field(n, f); text != atomara::kUnknownValue)
                    sum += platform::StrToFloat(text, '.');
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BuildAllFieldValues);

void BM_LoadAndBuild(benchmark::State& state)
{
    for (auto _ : state) {
        const auto data = atomara::ElementData::Load(SHIPPED_DATA_FILE, '.');
        for (int n = 1; n <= atomara::kElementCount; ++n)
            benchmark::DoNotOptimize(atomara::TileDataFor(data, n, '.'));
    }
}
BENCHMARK(BM_LoadAndBuild);

} // namespace
