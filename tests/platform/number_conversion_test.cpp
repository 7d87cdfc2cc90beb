#include "platform/core/errors.h"
#include "platform/core/number_conversion.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(StrToInt, AcceptsDecimalAndHexForms)
{
    struct Case { const char* text; std::int32_t expected; };
    const Case cases[] = {
        {"0", 0}, {"42", 42}, {"-17", -17}, {"+5", 5}, {"  12", 12},
        {"$FF", 255}, {"0xff", 255}, {"0X1F", 31}, {"$80000005", static_cast<std::int32_t>(0x80000005u)},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
}

TEST(StrToInt, RejectsWithTheStandardMessage)
{
    for (const char* text : {"", " ", "--", "1.5", "12 ", "abc", "$", "0x", "2147483648", "$123456789", "1e3"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StrToIntDef("x", 7), 7);
}

TEST(StrToFloat, FollowsTheGivenDecimalSeparator)
{
    struct Case { const char* text; char separator; double expected; };
    const Case cases[] = {
        {"298.15", '.', 298.15}, {"298,15", ',', 298.15}, {"-1.5e3", '.', -1500}, {"2E-2", '.', 0.02},
        {" 7 ", '.', 7}, {"+.5", '.', 0.5}, {"3.", '.', 3}, {"0,0000899", ',', 0.0000899},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(StrToFloat(c.text, c.separator), c.expected) << c.text;
}

TEST(StrToFloat, RejectsWithTheStandardMessage)
{
    struct Case { const char* text; char separator; };
    const Case cases[] = {{"--", '.'}, {"298.15", ','}, {"1,5", '.'}, {"", '.'}, {"1e", '.'},
                          {"1.2.3", '.'}, {"1 000", '.'}, {"abc", ','}, {".", '.'}};
    for (const auto& c : cases) {
        try {
            StrToFloat(c.text, c.separator);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid floating point value");
        }
    }
}

TEST(StrToFloat, QuotesAnsiTextAsUtf8)
{
    try {
        StrToFloat("\xB0K", '.'); // "°K" in Windows-1252
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'\xC2\xB0K' is not a valid floating point value");
    }
}
