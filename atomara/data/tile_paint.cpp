#include "atomara/data/tile_paint.h"

namespace atomara {

using platform::TColor;

TColor StateColorAt(double temperature, double meltingPoint, double boilingPoint, const StateColors& colors)
{
    if (temperature < meltingPoint)
        return colors.solid;
    if (temperature < boilingPoint)
        return colors.liquid;
    return colors.gas;
}

bool IsCentredSymbol(int fontPointSize, int textHeightOfH, int tileHeight, int depth)
{
    return (fontPointSize == 8 && 2 * textHeightOfH > tileHeight - 2) || depth != 0;
}

TColor LightEdge(TColor tileColor) { return tileColor == platform::clSilver ? platform::clWhite : platform::clBtnHighlight; }
TColor DarkEdge(TColor tileColor) { return tileColor == platform::clSilver ? platform::clGray : platform::clBtnShadow; }

namespace {

// A frame at inset e: left and top edges in the first colour, then right and bottom.
void AddFrame(std::vector<EdgeLine>& lines, int w, int h, int e, TColor topLeft, TColor bottomRight,
              PenStyle style = PenStyle::Solid)
{
    const int right = w - 1 - e;
    const int bottom = h - 1 - e;
    lines.push_back({e, bottom, e, e, topLeft, style});
    lines.push_back({e, e, right, e, topLeft, style});
    lines.push_back({right, e, right, bottom, bottomRight, style});
    lines.push_back({right, bottom, e, bottom, bottomRight, style});
}

} // namespace

std::vector<EdgeLine> BevelLines(int w, int h, int depth, int maxDepth, bool selected, TColor tileColor)
{
    const TColor light = LightEdge(tileColor);
    const TColor dark = DarkEdge(tileColor);
    std::vector<EdgeLine> lines;
    if (depth == 0) {
        // The flat frame's last stroke runs to x = -1 so that its corner pixel (0, H-1)
        // takes the second colour.
        AddFrame(lines, w, h, 0, selected ? dark : light, selected ? light : dark);
        lines.back().x2 = -1;
        return lines;
    }
    const int half = maxDepth / 2;
    if (depth == -1) {
        AddFrame(lines, w, h, 1, dark, dark);
    } else if (depth <= half) {
        for (int e = 1; e <= half - depth + 1; ++e)
            AddFrame(lines, w, h, e, dark, light);
    } else {
        for (int e = 1; e <= depth - half; ++e)
            AddFrame(lines, w, h, e, light, dark);
    }
    AddFrame(lines, w, h, 0, platform::clBlack, platform::clBlack, selected ? PenStyle::Dotted : PenStyle::Solid);
    return lines;
}

int BevelThickness(int depth, int maxDepth)
{
    const int half = maxDepth / 2;
    if (depth == 0)
        return 1;
    if (depth == -1)
        return 2;
    return 1 + (depth <= half ? half - depth + 1 : depth - half);
}

} // namespace atomara
