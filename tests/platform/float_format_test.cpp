#include "platform/core/float_format.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace platform;

TEST(FormatFixed, RoundsToPrecisionAndDecimals)
{
    struct Case { double value; int precision; int digits; char separator; const char* expected; };
    const Case cases[] = {
        {298.15, 8, 2, '.', "298.15"},
        {298.15f, 8, 2, '.', "298.15"},       // the single-precision temperature
        {310.5, 8, 2, ',', "310,50"},
        {0.0, 8, 2, '.', "0.00"},
        {-273.15, 8, 2, '.', "-273.15"},
        {-459.67, 8, 2, '.', "-459.67"},
        {1234.56, 5, 1, '.', "1234.6"},
        {12345.67, 5, 1, '.', "12346.0"},      // five significant digits, then one decimal
        {0.125, 8, 2, '.', "0.13"},            // an exact half goes away from zero
        {-0.125, 8, 2, '.', "-0.13"},
        {2.675, 8, 2, '.', "2.67"},            // binary value lies below the half
        {9.995, 8, 2, '.', "9.99"},
        {9.9951, 8, 2, '.', "10.00"},
        {0.004, 8, 2, '.', "0.00"},
        {-0.004, 8, 2, '.', "0.00"},           // no "-0.00"
        {0.006, 8, 2, '.', "0.01"},
        {6000, 8, 2, '.', "6000.00"},
        {123456, 5, 1, '.', "1.2346E5"},       // integer part too long: general form
        {99999.7, 5, 1, '.', "1E5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.digits, c.separator), c.expected) << c.value;
}

TEST(FormatGeneral, ShortestForm)
{
    EXPECT_EQ(FormatGeneral(298.15, 15, '.'), "298.15");
    EXPECT_EQ(FormatGeneral(1e20, 15, '.'), "1E20");
    EXPECT_EQ(FormatGeneral(-1.5e-7, 15, ','), "-1,5E-7");
    EXPECT_EQ(FormatGeneral(0.001, 15, '.'), "0.001");
    EXPECT_EQ(FormatGeneral(100, 15, '.'), "100");
}

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour)
{
    struct Case { double value; std::int64_t expected; };
    const Case cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {298.15, 298}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

TEST(FormatFixed, IgnoresTheCLocale)
{
    // The GUI library switches the C locale to the user's, whose decimal point may be ",".
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
        if (std::setlocale(LC_NUMERIC, name)) {
            switched = true;
            break;
        }
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(FormatFixed(298.15, 8, 2, '.'), "298.15");
    EXPECT_EQ(FormatGeneral(1.5e-7, 15, '.'), "1.5E-7");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatGeneral, NonFiniteValues)
{
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity(), 15, '.'), "INF");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 8, 2, '.'), "-INF");
}
