#include "convert/core/captions.h"
#include "convert/core/categories.h"
#include "convert/core/working_area.h"

#include <gtest/gtest.h>

using namespace convert;

TEST(WorkingArea, UnitExpressions)
{
    struct Case { std::array<std::string, 4> boxes; const char* expression; };
    const Case cases[] = {
        {{"km", "", "h", ""}, "km/h"},
        {{"", "", "", ""}, ""},
        {{"", "m", "", ""}, "*m"},
        {{"kg", "m", "s", "s"}, "kg*m/s/s"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnitExpression(c.boxes), c.expression);
}

TEST(WorkingArea, MarkedCellsWalkOnlyDownAndRight)
{
    const auto cell = [](int r, int c) { return std::to_string(r) + std::to_string(c); };
    EXPECT_EQ(MarkedCellsText(0, 0, 1, 2, cell), "00 01 02 \r10 11 12 \r");
    EXPECT_EQ(MarkedCellsText(1, 0, 0, 2, cell), "");
    EXPECT_EQ(MarkedCellsText(0, 2, 1, 0, cell), "\r\r");
    EXPECT_EQ(ResultListTopRow(8), 0);
    EXPECT_EQ(ResultListTopRow(9), 1);
}

TEST(Captions, CategoryItemsNameTheStandardFiles)
{
    // The type lists hold the menu captions without "&"; each must map to its file.
    for (const Language language : {Language::German, Language::English, Language::French})
        for (std::size_t i = 0; i < kCategoryCaptions.size(); ++i)
            EXPECT_EQ(CategoryFileName(StripAmpersand(CaptionText(kCategoryCaptions[i], language))),
                      std::string(kCategoryStems[i]))
                << static_cast<int>(language) << " " << i;
    EXPECT_EQ(CaptionText(Caption::Pressure, Language::German), "Dr&uck");
    EXPECT_EQ(CaptionText(Caption::Length, Language::German), "&L\xE4nge");
    EXPECT_EQ(HelpFileName(Language::French), "convfra.hlp");
    EXPECT_EQ(UnknownUnitMessage(Language::English, "kmh", "Length").text, "There is no unit \"kmh\" in \"Length\".");
}
