#include "atomara/data/legend_colors.h"

namespace atomara {

LegendColors LoadColors(const platform::IniFile& ini, const LegendColors& current)
{
    LegendColors colors{};
    for (std::size_t i = 0; i < kLegendCount; ++i)
        colors[i] = static_cast<platform::TColor>(
            ini.ReadInteger("Colors", kLegendCaptions[i], static_cast<std::int32_t>(platform::ColorToRGB(current[i]))));
    return colors;
}

} // namespace atomara
