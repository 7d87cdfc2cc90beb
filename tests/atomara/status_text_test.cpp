#include "atomara/data/status_text.h"

#include <gtest/gtest.h>

using namespace atomara;

TEST(StatusText, TileAndTemperatureTexts)
{
    EXPECT_EQ(TileStatusText("26", "Iron", "Fe", "[Ar] 3d6 4s2"), "26: Iron,  Fe,  [Ar] 3d6 4s2");
    struct Case { float kelvin; char separator; const char* text; };
    const Case cases[] = {
        {298.15f, '.', "298.15 K, 25.00\xB0" "C, 77.00\xB0" "F"},
        {0.0f, '.', "0.00 K, -273.15\xB0" "C, -459.67\xB0" "F"},
        {6000.0f, ',', "6000,00 K, 5726,85\xB0" "C, 10340,33\xB0" "F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TemperatureStatusText(c.kelvin, c.separator), c.text);
    EXPECT_EQ(TemperatureSettingText(310.5f, '.'), "310.50");
    EXPECT_EQ(TemperatureSettingText(310.5f, ','), "310,50");
}
