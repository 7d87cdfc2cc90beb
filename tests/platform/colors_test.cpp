#include "platform/core/colors.h"

#include <gtest/gtest.h>

using namespace platform;

class ColorsTest : public ::testing::Test {
protected:
    void TearDown() override { SetSystemPalette(ClassicSystemPalette()); }
};

TEST_F(ColorsTest, SystemColoursResolveThroughThePalette)
{
    EXPECT_EQ(clWindow, 0x80000005u);
    EXPECT_EQ(clWindowText, 0x80000008u);
    EXPECT_EQ(clBtnFace, 0x8000000Fu);
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);

    SystemPalette desktop = ClassicSystemPalette();
    desktop[static_cast<std::size_t>(SystemColor::BtnFace)] = MakeRgb(0xEF, 0xEF, 0xEF);
    SetSystemPalette(desktop);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xEFEFEFu);
    EXPECT_EQ(ColorToRGB(0x80000063u), clBlack); // no such system colour
}

TEST_F(ColorsTest, ComponentsUseTheBgrLayout)
{
    EXPECT_EQ(MakeRgb(191, 255, 255), 0x00FFFFBFu);
    EXPECT_EQ(RedOf(clNavy), 0);
    EXPECT_EQ(BlueOf(clNavy), 0x80);
}
