#pragma once
// Texts of the main window's status bar. ANSI bytes (the degree sign is 0xB0).
#include <string>

namespace atomara {

// "26: Iron,  Fe,  [Ar] 3d6 4s2"
std::string TileStatusText(const std::string& number, const std::string& name, const std::string& symbol,
                           const std::string& electronConfig);

// "298.15 K, 25.00°C, 77.00°F": kelvin as stored (single precision), then Celsius and
// Fahrenheit, each with two decimals in the given separator.
std::string TemperatureStatusText(float kelvin, char decimalSeparator);

// The temperature as the settings file stores it: two decimals, e.g. "310.50".
std::string TemperatureSettingText(float kelvin, char decimalSeparator);

} // namespace atomara
