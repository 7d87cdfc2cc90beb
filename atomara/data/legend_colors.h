#pragma once
// The seven legend colours: category colours of the tile numbers, state colours of the
// symbols and the colour of synthetic elements. They are the colour settings of the
// whole table and live in section "Colors" of atomara.ini under their captions.
#include "platform/core/colors.h"
#include "platform/core/ini_file.h"

#include <array>

namespace atomara {

enum class Legend { Metals, Nonmetals, Semimetals, Solids, Liquids, Gases, Undefined, Count };

constexpr std::size_t kLegendCount = static_cast<std::size_t>(Legend::Count);
using LegendColors = std::array<platform::TColor, kLegendCount>;

constexpr std::array<const char*, kLegendCount> kLegendCaptions = {
    "Metals", "Nonmetals", "Semimetals", "Solids", "Liquids", "Gases", "Undefined"};

constexpr LegendColors kDefaultLegendColors = {
    platform::clRed,   platform::clBlue,   platform::clPurple, platform::clBlack,
    platform::clGreen, platform::clYellow, platform::clGray};

constexpr platform::TColor LegendColor(const LegendColors& colors, Legend legend)
{
    return colors[static_cast<std::size_t>(legend)];
}

// "Colors"/"Background": "Gray" when the table shows silver, else "Default".
inline const char* TableBackgroundSetting(platform::TColor tableColor)
{
    return platform::ColorToRGB(tableColor) == platform::clSilver ? "Gray" : "Default";
}

// Each colour from "Colors"/<caption>, defaulting to the current colour as RGB.
LegendColors LoadColors(const platform::IniFile& ini, const LegendColors& current);

} // namespace atomara
