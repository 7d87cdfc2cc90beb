// Renders element tiles into images and reads their pixels.
#include "atomara/controls/element_tile.h"
#include "platform/core/colors.h"
#include "platform/gui/text.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

using namespace atomara;
using namespace platform;

namespace {

constexpr int kW = 40;
constexpr int kH = 44;

class TileRenderTest : public ::testing::Test {
protected:
    TileRenderTest()
    {
        QFont font = tile.font();
        font.setPointSize(10);
        tile.setFont(font);
        tile.resize(kW, kH);
        tile.SetSymbol("Fe");
        tile.SetNumber("26");
        tile.SetColor(clSilver);
        tile.SetNumberColor(clRed);
    }
    void TearDown() override { SetSystemPalette(ClassicSystemPalette()); }

    QImage Render()
    {
        QImage image(tile.size(), QImage::Format_RGB32);
        image.fill(ToQColor(tile.Color()));
        tile.render(&image, QPoint(), QRegion(), QWidget::DrawChildren); // the table shows through
        return image;
    }

    static TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

    TElement tile;
};

} // namespace

TEST_F(TileRenderTest, FlatTileIsRaisedAndPressedWhenSelected)
{
    QImage raised = Render();
    EXPECT_EQ(At(raised, 0, 0), clWhite);
    EXPECT_EQ(At(raised, kW - 2, 0), clWhite);
    EXPECT_EQ(At(raised, 0, kH - 2), clWhite);
    EXPECT_EQ(At(raised, kW - 1, 0), clGray);     // the second colour takes both far corners
    EXPECT_EQ(At(raised, 0, kH - 1), clGray);
    EXPECT_EQ(At(raised, kW - 1, kH - 1), clGray);

    tile.SetSelected(true);
    QImage pressed = Render();
    EXPECT_EQ(At(pressed, 0, 0), clGray);
    EXPECT_EQ(At(pressed, kW - 1, 0), clWhite);
    EXPECT_EQ(At(pressed, 0, kH - 1), clWhite);
    EXPECT_EQ(At(pressed, kW - 1, kH / 2), clWhite);
}

TEST_F(TileRenderTest, TrendDepthsDrawSunkenOrRaisedRings)
{
    struct Case { int depth; int rings; bool sunken; };
    for (const Case c : {Case{1, 10, true}, Case{10, 1, true}, Case{11, 1, false}, Case{20, 10, false}}) {
        tile.SetDepth(c.depth);
        const QImage image = Render();
        EXPECT_EQ(At(image, 0, 0), clBlack) << c.depth;
        EXPECT_EQ(At(image, kW - 1, kH - 1), clBlack) << c.depth;
        const TColor topLeft = c.sunken ? clGray : clWhite;
        const TColor bottomRight = c.sunken ? clWhite : clGray;
        for (int e = 1; e <= c.rings; ++e) {
            EXPECT_EQ(At(image, e, kH / 2), topLeft) << "depth " << c.depth << " ring " << e;
            EXPECT_EQ(At(image, kW / 2, e), topLeft) << "depth " << c.depth << " ring " << e;
            EXPECT_EQ(At(image, kW - 1 - e, kH / 2), bottomRight) << "depth " << c.depth << " ring " << e;
            EXPECT_EQ(At(image, kW / 2, kH - 1 - e), bottomRight) << "depth " << c.depth << " ring " << e;
        }
        EXPECT_EQ(At(image, c.rings + 1, kH / 2 + 8), clSilver) << c.depth; // inside the last ring
    }
}

TEST_F(TileRenderTest, MissingValueIsADoubleFrame)
{
    tile.SetDepth(-1);
    const QImage image = Render();
    for (const QPoint p : {QPoint(0, 0), QPoint(kW - 1, 5), QPoint(5, kH - 1)})
        EXPECT_EQ(At(image, p.x(), p.y()), clBlack);
    for (const QPoint p : {QPoint(1, 1), QPoint(kW - 2, 5), QPoint(5, kH - 2), QPoint(kW - 2, kH - 2)})
        EXPECT_EQ(At(image, p.x(), p.y()), clGray);
    EXPECT_EQ(At(image, 2, 2), clSilver);
}

TEST_F(TileRenderTest, SelectedTrendTileHasADottedOutlineAndKeepsItsRings)
{
    tile.SetDepth(11);
    tile.SetSelected(true);
    const QImage image = Render();
    EXPECT_EQ(At(image, 0, 0), clBlack);
    EXPECT_EQ(At(image, 1, 0), clSilver);
    EXPECT_EQ(At(image, 2, 0), clBlack);
    EXPECT_EQ(At(image, 1, 1), clWhite); // the raised ring is unchanged
}

TEST_F(TileRenderTest, NonSilverTilesUseTheSystemEdgeColours)
{
    SystemPalette palette = ClassicSystemPalette();
    palette[static_cast<std::size_t>(SystemColor::BtnHighlight)] = 0x00EEFFEE;
    palette[static_cast<std::size_t>(SystemColor::BtnShadow)] = 0x00334433;
    palette[static_cast<std::size_t>(SystemColor::BtnFace)] = 0x00C0C0C0;
    SetSystemPalette(palette);
    tile.SetColor(clBtnFace); // silver on screen, but not the colour number silver
    const QImage image = Render();
    EXPECT_EQ(At(image, 0, 0), 0x00EEFFEEu);
    EXPECT_EQ(At(image, kW - 1, kH - 1), 0x00334433u);
}

TEST_F(TileRenderTest, LowTileAtEightPointsShowsOnlyItsCentredSymbol)
{
    QFont font = tile.font();
    font.setPointSize(8);
    tile.setFont(font);
    tile.resize(kW, QFontMetrics(font).height() * 2 - 1);
    const QImage image = Render();
    EXPECT_TRUE(tile.CentredSymbol());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(At(image, x, y), clRed) << "the number is drawn at " << x << "," << y;

    tile.resize(kW, QFontMetrics(font).height() * 2 + 4);
    Render();
    EXPECT_FALSE(tile.CentredSymbol());
}

TEST_F(TileRenderTest, SyntheticTilesIgnoreTemperature)
{
    tile.SetSyntheticColor(clGray);
    tile.SetSynthetic(true);
    tile.SetGasColor(clYellow);
    tile.SetTemperature(6000);
    EXPECT_EQ(tile.StateColor(), clGray);
    EXPECT_EQ(tile.Temperature(), 0);
    tile.SetSyntheticColor(clNavy);
    EXPECT_EQ(tile.StateColor(), clNavy);
}
