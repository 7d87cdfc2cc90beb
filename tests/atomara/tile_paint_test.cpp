#include "atomara/data/tile_paint.h"

#include <gtest/gtest.h>

using namespace atomara;
using namespace platform;

TEST(TilePaint, StateColourTestsAreStrict)
{
    const StateColors colors{clBlack, clGreen, clYellow};
    struct Case { double t; double melting; double boiling; TColor expected; };
    const Case cases[] = {
        {300, 1811, 3134, clBlack},  {1811, 1811, 3134, clGreen}, {3133.99, 1811, 3134, clGreen},
        {3134, 1811, 3134, clYellow}, {100, 100, 100, clYellow},    {99.9, 100, 100, clBlack},
        {0, 0.95, 4.22, clBlack},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StateColorAt(c.t, c.melting, c.boiling, colors), c.expected) << c.t;
}

TEST(TilePaint, CentredSymbolModeAndEdgeThickness)
{
    EXPECT_TRUE(IsCentredSymbol(8, 13, 27, 0));  // 26 > 25
    EXPECT_FALSE(IsCentredSymbol(8, 13, 28, 0));
    EXPECT_FALSE(IsCentredSymbol(10, 30, 28, 0)); // only at 8 points
    EXPECT_TRUE(IsCentredSymbol(24, 10, 100, 3));
    EXPECT_EQ(BevelThickness(0, 20), 1);
    EXPECT_EQ(BevelThickness(-1, 20), 2);
    EXPECT_EQ(BevelThickness(1, 20), 11);
    EXPECT_EQ(BevelThickness(10, 20), 2);
    EXPECT_EQ(BevelThickness(11, 20), 2);
    EXPECT_EQ(BevelThickness(20, 20), 11);
}

TEST(TilePaint, EdgeColoursDependOnSilver)
{
    EXPECT_EQ(LightEdge(clSilver), clWhite);
    EXPECT_EQ(DarkEdge(clSilver), clGray);
    EXPECT_EQ(LightEdge(clBtnFace), clBtnHighlight);
    EXPECT_EQ(DarkEdge(0xC0C0C1), clBtnShadow);
}
