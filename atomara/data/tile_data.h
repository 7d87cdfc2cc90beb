#pragma once
// What a tile takes from the element data when it is created.
#include "atomara/data/element_data.h"

#include <string>

namespace atomara {

struct TileData {
    std::string name;   // the tile's hint
    std::string symbol;
    std::string number; // atomic number as decimal text
    std::string electronConfig;
    bool synthetic = false;
    double boilingPoint = 0; // kelvin; 0 for synthetic elements, whose fields are not read
    double meltingPoint = 0;
};

// Raises EConvertError for a non-numeric synthetic flag, or boiling/melting point of a
// natural element, and EListError for a short file.
TileData TileDataFor(const ElementData& data, int n, char decimalSeparator);

} // namespace atomara
