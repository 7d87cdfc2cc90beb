#include "atomara/data/trends.h"

#include "platform/core/float_format.h"
#include "platform/core/number_conversion.h"

#include <optional>

namespace atomara {

const std::array<TrendProperty, 14> kTrendProperties = {{
    {"Atomic &Radius", 33},
    {"Atomic &Volume", 32},
    {"Atomic &Weight", 21},
    {"&Boiling Point", 22},
    {"&Covalent Radius", 34},
    {"&Density", 24},
    {"&Electrical Conductivity", 28},
    {"Electro&negativity", 25},
    {"&First Ionization Potential", 31},
    {"&Heat of Fusion", 27},
    {"Heat of &Vaporization", 26},
    {"&Melting Point", 23},
    {"&Specific Heat", 30},
    {"&Thermal Conductivity", 29},
}};

TileDepths FlatDepths()
{
    TileDepths depths{};
    depths.fill(0);
    return depths;
}

TileDepths TrendDepths(const ElementData& data, int numericField, int maxDepth, char decimalSeparator)
{
    std::array<std::optional<double>, kElementCount + 1> values{};
    double lo = 4242.0;
    double hi = -4242.0;
    for (int n = 1; n <= kElementCount; ++n) {
        const std::string& text = data.Field(n, numericField);
        if (text == kUnknownValue)
            continue;
        const double v = platform::StrToFloat(text, decimalSeparator);
        values[static_cast<std::size_t>(n)] = v;
        if (v > hi)
            hi = v;
        if (v < lo)
            lo = v;
    }
    const double range = hi - lo;
    // All values equal: no ranking to show, so every element with a value sits in the middle.
    const int middle = static_cast<int>(platform::RoundHalfEven((maxDepth - 1) / 2.0)) + 1;

    TileDepths depths{};
    for (int n = 1; n <= kElementCount; ++n) {
        const auto& v = values[static_cast<std::size_t>(n)];
        int depth = -1;
        if (v)
            depth = range == 0 ? middle
                               : static_cast<int>(platform::RoundHalfEven((*v - lo) * (maxDepth - 1) / range)) + 1;
        depths[static_cast<std::size_t>(n)] = depth;
    }
    return depths;
}

} // namespace atomara
