#pragma once
// Trend colouring: every tile gets a depth that ranks its element's value of one
// property, 1 for the smallest and MaxDepth for the largest; -1 where the element has
// no value; 0 everywhere when no trend is shown.
#include "atomara/data/element_data.h"

#include <array>

namespace atomara {

struct TrendProperty {
    const char* caption; // as in the Trends menu, with its accelerator
    int numericField;
};

// The fourteen properties in menu order (after "&None").
extern const std::array<TrendProperty, 14> kTrendProperties;

using TileDepths = std::array<int, kElementCount + 1>; // index 1..109

TileDepths FlatDepths();

// Raises EConvertError for a value that is neither "--" nor a number.
TileDepths TrendDepths(const ElementData& data, int numericField, int maxDepth, char decimalSeparator);

} // namespace atomara
