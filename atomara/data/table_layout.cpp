#include "atomara/data/table_layout.h"

#include <algorithm>

namespace atomara {

const std::array<GroupLabelSpec, 16> kGroupLabels = {{
    {"IA", 1, 0},     {"IIA", 20, 4},  {"IIIA", 21, 21}, {"IVA", 22, 21},
    {"VA", 23, 21},   {"VIA", 24, 21}, {"VIIA", 25, 21}, {"VIIIA", 27, 21},
    {"IB", 29, 21},   {"IIB", 30, 21}, {"IIIB", 31, 5},  {"IVB", 32, 5},
    {"VB", 33, 5},    {"VIB", 34, 5},  {"VIIB", 35, 5},  {"VIII", 2, 0},
}};

GridCell GridCellOf(int n)
{
    if (n == 1)
        return {0, 0};
    if (n == 2)
        return {17, 0};
    if (n <= 4)
        return {n - 3, 2};
    if (n <= 10)
        return {n - 5 + 12, 2};
    if (n <= 12)
        return {n - 11, 4};
    if (n <= 18)
        return {n - 13 + 12, 4};
    if (n <= 36)
        return {n - 19, 6};
    if (n <= 54)
        return {n - 37, 8};
    if (n <= 56)
        return {n - 55, 10};
    if (n <= 71)
        return {n - 57 + 3, 15}; // lanthanides
    if (n <= 86)
        return {n - 72 + 3, 10};
    if (n <= 88)
        return {n - 87, 12};
    if (n <= 103)
        return {n - 89 + 3, 17}; // actinides
    return {n - 104 + 3, 12};
}

Rect TileRect(int n, int tableWidth, int tableHeight)
{
    const int w = (tableWidth - 8) / 18;
    const int r = (tableHeight - 8) / 19;
    const GridCell cell = GridCellOf(n);
    // The f-row tops are worked out as (halfRows × 2r) div 2, which equals halfRows × r.
    return {cell.column * w + 3, cell.halfRows * 2 * r / 2 + 3, w, 2 * r};
}

Rect PlaceTable(const Rect& background, int label7Height)
{
    const int hh = background.height - 32;
    const int ww = background.width - 32;
    int tw = 0;
    int th = 0;
    if (static_cast<double>(hh) / ww < 25.0 / 36.0) {
        th = ((hh - 8) / 19) * 19 + 8;
        tw = ((th * 36 / 25 - 8) / 18) * 18 + 8;
    } else {
        tw = ((ww - 8) / 18) * 18 + 8;
        th = ((tw * 25 / 36 - 8) / 19) * 19 + 8;
    }
    int top = background.height / 2 - th / 2 + background.top;
    top = std::max({top, background.top + 10, background.top + label7Height + 5});
    const int left = std::max(background.width / 2 - tw / 2, 10);
    return {left, top, tw, th};
}

int SymbolRoom(int tableWidth, int depthOfTile1, int maxDepthOfTile1)
{
    const int w = (tableWidth - 8) / 18;
    return depthOfTile1 == 0 ? w - 4 : w - 2 - maxDepthOfTile1;
}

int ChooseTableFontSize(int room, const std::function<int(int)>& widthOfUne)
{
    for (const int size : {24, 18, 14, 12, 10})
        if (widthOfUne(size) <= room)
            return size;
    return 8;
}

namespace {

int CentredLeft(const Rect& over, int ownWidth) { return over.left + over.width / 2 - ownWidth / 2; }

} // namespace

TableLayout ComputeTableLayout(const TableLayoutInput& in)
{
    TableLayout out;
    for (int n = 1; n <= 109; ++n)
        out.tiles[n] = TileRect(n, in.tableWidth, in.tableHeight);
    const auto& tiles = out.tiles;

    out.elementLines = {tiles[39].left, tiles[56].top, tiles[39].width, 0};
    out.elementLines.height = tiles[90].Bottom() - out.elementLines.top - 1;

    for (int i = 1; i <= 14; ++i) {
        const Size size = in.groupLabelSizes[i];
        const Rect& above = tiles[kGroupLabels[i].topTile];
        out.groupLabels[i] = {CentredLeft(tiles[kGroupLabels[i].centreTile], size.width),
                              above.top - size.height - 2, size.width, size.height};
    }

    out.groupLines = {tiles[26].left + tiles[26].width / 2, out.groupLabels[7].top, 2 * tiles[26].width, 0};
    out.groupLines.height = tiles[28].top - out.groupLines.top;

    out.groupLabelsVisible = out.groupLabels[14].Right() < tiles[2].left - 1;

    const Size legend = in.legendSize;
    const int reference = out.groupLabelsVisible ? out.groupLabels[3].top : tiles[22].top;
    out.legend = {tiles[21].left + (tiles[31].left - tiles[21].left) / 2 - legend.width / 2,
                  reference / 2 - legend.height / 2, legend.width, legend.height};
    out.legendVisible = reference >= legend.height + 6;
    return out;
}

Rect PlaceOuterLabel(const Rect& table, int clientOffset, const Rect& tile, Size label)
{
    return {table.left + clientOffset + CentredLeft(tile, label.width), table.top - label.height - 1, label.width,
            label.height};
}

ToolBarLayout ComputeToolBar(Size button, int optionsLeft, int sliderHeight)
{
    ToolBarLayout out;
    out.height = button.height + 6;
    const int buttonTop = (out.height - 2) / 2 - button.height / 2 + 2;
    // Gaps before each button: a group starts 6 pixels after the previous one.
    constexpr std::array<int, 7> gapBefore = {0, 6, 0, 0, 6, 6, 0};
    int left = optionsLeft;
    for (std::size_t i = 0; i < out.buttons.size(); ++i) {
        left += gapBefore[i];
        out.buttons[i] = {left, buttonTop, button.width, button.height};
        left += button.width;
    }
    out.sliderLeft = out.buttons[6].Right() + optionsLeft + 1;
    out.sliderTop = (out.height - 2) / 2 - sliderHeight / 2 + 2;
    return out;
}

int SliderWidth(int toolBarWidth, int sliderLeft, int optionsLeft) { return toolBarWidth - sliderLeft - optionsLeft; }

int StatusPanelWidth(int statusBarWidth) { return statusBarWidth * 6 / 10; }

LegendLayout ComputeLegend(const std::array<Size, 7>& s)
{
    LegendLayout out;
    auto& l = out.labels;
    l[0] = {3, 1, s[0].width, s[0].height};
    l[1] = {3, l[0].Bottom(), s[1].width, s[1].height};
    l[2] = {3, l[1].Bottom(), s[2].width, s[2].height};
    const int right = l[2].Right() + 4;
    l[3] = {right, 1, s[3].width, s[3].height};
    l[4] = {right, l[3].Bottom(), s[4].width, s[4].height};
    l[5] = {right, l[4].Bottom(), s[5].width, s[5].height};
    out.size.width = l[4].Right() + 4;
    l[6] = {out.size.width / 2 - s[6].width / 2, l[5].Bottom(), s[6].width, s[6].height};
    out.size.height = l[6].Bottom() + 3;
    return out;
}

} // namespace atomara
