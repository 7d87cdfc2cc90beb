#include "atomara/data/table_layout.h"

#include <gtest/gtest.h>

using namespace atomara;

TEST(TableLayout, PlacesTheTableForTheWorkedSizes)
{
    struct Case { Rect background; int label7Height; Rect table; Size tile; };
    const Case cases[] = {
        {{0, 34, 538, 282}, 18, {103, 57, 332, 236}, {18, 24}}, // the designed window: height limits
        {{0, 34, 538, 282}, 30, {103, 69, 332, 236}, {18, 24}}, // a tall label pushes the table down
        {{0, 0, 400, 600}, 18, {16, 173, 368, 255}, {20, 26}},  // width limits
        {{0, 0, 100, 40}, 18, {46, 23, 8, 8}, {0, 0}},          // a tiny window keeps room for the labels
    };
    for (const auto& c : cases) {
        const Rect table = PlaceTable(c.background, c.label7Height);
        EXPECT_EQ(table, c.table) << c.background.width << "x" << c.background.height;
        const Rect tile = TileRect(1, table.width, table.height);
        EXPECT_EQ((Size{tile.width, tile.height}), c.tile);
    }
}

TEST(TableLayout, GridPositionsOfTheTiles)
{
    // 332 × 236: w = 18, r = 12.
    struct Case { int n; int left; int top; };
    const Case cases[] = {
        {1, 3, 3},       {2, 17 * 18 + 3, 3},    {4, 18 + 3, 27},       {5, 12 * 18 + 3, 27},
        {19, 3, 75},     {36, 17 * 18 + 3, 75},  {56, 18 + 3, 123},     {57, 3 * 18 + 3, 183},
        {71, 17 * 18 + 3, 183}, {72, 3 * 18 + 3, 123}, {89, 3 * 18 + 3, 207}, {103, 17 * 18 + 3, 207},
        {104, 3 * 18 + 3, 147}, {109, 8 * 18 + 3, 147},
    };
    for (const auto& c : cases) {
        const Rect tile = TileRect(c.n, 332, 236);
        EXPECT_EQ(tile.left, c.left) << c.n;
        EXPECT_EQ(tile.top, c.top) << c.n;
    }
    // Column 2 of periods 6 and 7 stays empty.
    for (int n = 1; n <= 109; ++n) {
        const GridCell cell = GridCellOf(n);
        EXPECT_FALSE(cell.column == 2 && (cell.halfRows == 10 || cell.halfRows == 12)) << n;
    }
}

TEST(TableLayout, FontSizeIsTheLargestThatFits)
{
    const auto width = [](int points) { return points * 2; }; // "Une" twice the point size wide
    EXPECT_EQ(ChooseTableFontSize(48, width), 24);
    EXPECT_EQ(ChooseTableFontSize(47, width), 18);
    EXPECT_EQ(ChooseTableFontSize(20, width), 10);
    EXPECT_EQ(ChooseTableFontSize(19, width), 8);
    EXPECT_EQ(SymbolRoom(332, 0, 20), 14);
    EXPECT_EQ(SymbolRoom(332, 5, 20), -4); // trend mode takes MaxDepth - 2 more pixels
}

namespace {

TableLayoutInput Input(int width, int height, int labelWidth)
{
    TableLayoutInput input{width, height, {}, {80, 40}};
    for (auto& size : input.groupLabelSizes)
        size = {labelWidth, 14};
    return input;
}

} // namespace

TEST(TableLayout, GroupLabelsLegendAndGuideLines)
{
    const TableLayout wide = ComputeTableLayout(Input(908, 635, 30)); // w = 50, r = 33
    EXPECT_TRUE(wide.groupLabelsVisible);
    EXPECT_EQ(wide.groupLabels[7].left, wide.tiles[27].left + 25 - 15);
    EXPECT_EQ(wide.groupLabels[7].top, wide.tiles[21].top - 14 - 2);
    EXPECT_EQ(wide.groupLabels[1].top, wide.tiles[4].top - 16);
    EXPECT_EQ(wide.groupLabels[14].top, wide.tiles[5].top - 16);
    EXPECT_EQ(wide.groupLines, (Rect{wide.tiles[26].left + 25, wide.groupLabels[7].top, 100,
                                     wide.tiles[28].top - wide.groupLabels[7].top}));
    EXPECT_EQ(wide.elementLines, (Rect{wide.tiles[39].left, wide.tiles[56].top, 50,
                                       wide.tiles[90].Bottom() - wide.tiles[56].top - 1}));
    // Centred over columns 2 to 11, halfway down to the "IVA" label.
    EXPECT_EQ(wide.legend.left, wide.tiles[21].left + (wide.tiles[31].left - wide.tiles[21].left) / 2 - 40);
    EXPECT_EQ(wide.legend.top, wide.groupLabels[3].top / 2 - 20);
    EXPECT_TRUE(wide.legendVisible);

    // "VIIB" reaching into the column of He hides every group label; the legend then
    // centres in the space above period 4.
    const TableLayout narrow = ComputeTableLayout(Input(332, 236, 30));
    EXPECT_FALSE(narrow.groupLabelsVisible);
    EXPECT_EQ(narrow.legend.top, narrow.tiles[22].top / 2 - 20);
    EXPECT_TRUE(narrow.legendVisible); // reference 75 >= 46

    const TableLayout low = ComputeTableLayout(Input(908, 160, 30));
    EXPECT_FALSE(low.legendVisible);
}

TEST(TableLayout, ToolBarStatusBarAndLegend)
{
    const ToolBarLayout bar = ComputeToolBar({28, 28}, 8, 17);
    EXPECT_EQ(bar.height, 34);
    const int lefts[] = {8, 42, 70, 98, 132, 166, 194};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bar.buttons[i].left, lefts[i]);
        EXPECT_EQ(bar.buttons[i].top, 4);
    }
    EXPECT_EQ(bar.sliderLeft, 194 + 28 + 8 + 1);
    EXPECT_EQ(bar.sliderTop, 16 - 8 + 2);
    EXPECT_EQ(SliderWidth(538, bar.sliderLeft, 8), 538 - 231 - 8);
    EXPECT_EQ(StatusPanelWidth(538), 322);

    const LegendLayout legend = ComputeLegend({{{40, 13}, {60, 13}, {70, 13}, {35, 13}, {45, 13}, {38, 13}, {61, 13}}});
    EXPECT_EQ(legend.labels[3], (Rect{77, 1, 35, 13}));
    EXPECT_EQ(legend.labels[5], (Rect{77, 27, 38, 13}));
    EXPECT_EQ(legend.size, (Size{126, 56}));
    EXPECT_EQ(legend.labels[6], (Rect{63 - 30, 40, 61, 13}));
}
