#include "platform/core/ansi_text.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(AnsiText, RoundTripsEveryDefinedByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(AnsiText, MapsTheWindowsSpecificRange)
{
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");            // euro sign
    EXPECT_EQ(AnsiToUtf8("\xB0" "C \xB5m \xC5"), "\xC2\xB0" "C \xC2\xB5m \xC3\x85");
    EXPECT_EQ(Utf8ToAnsi("\xE2\x80\x94"), "\x97");            // em dash
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");               // no Windows-1252 code
    EXPECT_EQ(Utf8ToAnsi("\xFF"), "?");                       // malformed UTF-8
}
