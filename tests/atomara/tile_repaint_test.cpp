// Temperature and selection changes repaint only the symbol and the edge of the tile
// involved, and a tile whose state colour stays the same is not repainted at all.
#include "atomara/controls/element_tile.h"
#include "platform/core/colors.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace atomara;
using namespace platform;

class TileRepaintTest : public ::testing::Test {
protected:
    TileRepaintTest()
        : tile(&window)
    {
        window.resize(200, 200);
        tile.setGeometry(10, 10, 40, 48);
        tile.SetSymbol("Fe");
        tile.SetNumber("26");
        tile.SetMeltingPoint(1811);
        tile.SetBoilingPoint(3134);
        tile.SetSolidColor(clBlack);
        tile.SetLiquidColor(clGreen);
        tile.SetGasColor(clYellow);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }

    QWidget window;
    TElement tile;
};

TEST_F(TileRepaintTest, SameStateColourPaintsNothing)
{
    const int before = tile.PaintCount();
    for (const double t : {0.0, 300.0, 1810.9})
        tile.SetTemperature(t);
    EXPECT_EQ(tile.PaintCount(), before);
    EXPECT_EQ(tile.Temperature(), 1810.9);
}

TEST_F(TileRepaintTest, NewStateColourPaintsSymbolAndEdgeOnce)
{
    const int before = tile.PaintCount();
    tile.SetTemperature(1811);
    EXPECT_EQ(tile.PaintCount(), before + 1);
    EXPECT_EQ(tile.LastPaintRegion(), QRegion(tile.SymbolRect()) + tile.EdgeRegion());
    EXPECT_FALSE(tile.LastPaintRegion().contains(tile.NumberRect().center()));
    EXPECT_EQ(tile.StateColor(), clGreen);
}

TEST_F(TileRepaintTest, SelectionPaintsOnlyTheEdge)
{
    const int before = tile.PaintCount();
    tile.SetSelected(true);
    EXPECT_EQ(tile.PaintCount(), before + 1);
    EXPECT_EQ(tile.LastPaintRegion(), tile.EdgeRegion());
    EXPECT_FALSE(tile.LastPaintRegion().contains(tile.SymbolRect().center()));
}

TEST_F(TileRepaintTest, FontChangePaintsTheWholeTileAtOnce)
{
    const int before = tile.PaintCount();
    QFont font = window.font();
    font.setPointSize(font.pointSize() + 2);
    window.setFont(font); // tiles take the table's font
    EXPECT_EQ(tile.PaintCount(), before + 1);
    EXPECT_EQ(tile.LastPaintRegion(), QRegion(tile.rect()));
}
