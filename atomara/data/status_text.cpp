#include "atomara/data/status_text.h"

#include "platform/core/float_format.h"

namespace atomara {

std::string TileStatusText(const std::string& number, const std::string& name, const std::string& symbol,
                           const std::string& electronConfig)
{
    return number + ": " + name + ",  " + symbol + ",  " + electronConfig;
}

std::string TemperatureSettingText(float kelvin, char decimalSeparator)
{
    return platform::FormatFixed(kelvin, 8, 2, decimalSeparator);
}

std::string TemperatureStatusText(float kelvin, char decimalSeparator)
{
    const double t = kelvin;
    const double celsius = t - 273.15;
    const double fahrenheit = celsius * 9 * 0.2 + 32;
    return platform::FormatFixed(t, 8, 2, decimalSeparator) + " K, " +
           platform::FormatFixed(celsius, 8, 2, decimalSeparator) + "\xB0" "C, " +
           platform::FormatFixed(fahrenheit, 8, 2, decimalSeparator) + "\xB0" "F";
}

} // namespace atomara
