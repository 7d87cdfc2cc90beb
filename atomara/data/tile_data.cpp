#include "atomara/data/tile_data.h"

#include "platform/core/number_conversion.h"

namespace atomara {

TileData TileDataFor(const ElementData& data, int n, char decimalSeparator)
{
    TileData tile;
    tile.name = data.Field(n, field::Name);
    tile.symbol = data.Field(n, field::Symbol);
    tile.number = std::to_string(n);
    // The flag is a byte-sized Boolean: only the low byte of the number counts.
    tile.synthetic = (platform::StrToInt(data.Field(n, field::Synthetic)) & 0xFF) != 0;
    tile.electronConfig = data.Field(n, field::ElectronConfig);
    if (!tile.synthetic) {
        tile.boilingPoint = platform::StrToFloat(data.Field(n, field::BoilingPoint), decimalSeparator);
        tile.meltingPoint = platform::StrToFloat(data.Field(n, field::MeltingPoint), decimalSeparator);
    }
    return tile;
}

} // namespace atomara
