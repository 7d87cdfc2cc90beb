#include "convert/core/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace convert;

TEST(FormatNumber, FivePatternsWithEitherSeparator)
{
    struct Case { double value; const char* text; }; // text with "." as separator
    const Case cases[] = {
        {0.5, ".5"},
        {2.54, "2.54"},
        {1234.5678901, "1234.56789"},
        {1.0 / 3, ".333333"},
        {0.0254, "2.54e-002"},
        {0.05, "5.e-002"},
        {25400, "2.54e004"},
        {123456789, "1.234568e008"},
        {10000, "10000"},
        {10000.5, "1.00005e004"},
        {-3, "-3"},
        {0, ""},
        {-0.0, ""},
        {5.0, "5"},
        {0.1, ".1"},
        {-0.05, "-5.e-002"},
        {-1234.5, "-1234.5"},
        {9999.9999999, "10000."},      // the separator stays when no decimal is left
        {0.09999999999, "1.e-001"},    // rounding carries into the exponent
        {99999999, "1.e008"},
        {1.0000005, "1.000001"},       // a half as typed rounds away from zero
        {1e-300, "1.e-300"},
        {1.5e300, "1.5e300"},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, '.'), c.text) << c.value;
        std::string withComma = c.text;
        std::ranges::replace(withComma, '.', ',');
        EXPECT_EQ(FormatNumber(c.value, ','), withComma) << c.value;
    }
}

TEST(CommaToPoint, OnlyTheFirstComma)
{
    struct Case { const char* text; const char* result; };
    const Case cases[] = {
        {"1,5", "1.5"}, {"1,000,5", "1.000,5"}, {"1.5", "1.5"}, {",5", ".5"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommaToPoint(c.text), c.result) << c.text;
}

TEST(TextToNumber, LongestLeadingNumberSkippingBlanks)
{
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"1.5", 1.5},
        {"1.000,5", 1},
        {"abc", 0},
        {"2.5E3", 2500},
        {"2.5e-3", 0.0025},
        {"", 0},
        {".5", 0.5},
        {"5.", 5},
        {"-.5", -0.5},
        {"+7", 7},
        {" - 1 2 . 5 ", -12.5},
        {"\t3\n4", 34},
        {"3 E 2", 300},
        {"2E", 2},
        {"2E+x", 2},
        {"12abc", 12},
        {"1.2.3", 1.2},
        {"-", 0},
        {".", 0},
        {"&H10", 0},
        {"0x10", 0},
        {"1E999", infinity},
        {"-1E999", -infinity},
        {"1E-999", 0},
        {"0.0001E-320", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(TextToNumber(CommaToPoint("1,5")), 1.5);
}
