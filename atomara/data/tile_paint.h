#pragma once
// What an element tile draws, worked out without a window: the state colour of its
// symbol, its mode, and the exact lines of its 3-D edge and trend rings.
#include "platform/core/colors.h"

#include <vector>

namespace atomara {

struct StateColors {
    platform::TColor solid;
    platform::TColor liquid;
    platform::TColor gas;
};

// Solid below the melting point, liquid below the boiling point, gas from there on
// (both tests strict, so a temperature equal to the melting point is liquid).
platform::TColor StateColorAt(double temperature, double meltingPoint, double boilingPoint,
                              const StateColors& colors);

// The tile shows only its centred symbol in trend mode, or at 8 points when two lines
// of text do not fit.
bool IsCentredSymbol(int fontPointSize, int textHeightOfH, int tileHeight, int depth);

// Edge colours: fixed white and gray on a silver tile, the system colours otherwise.
platform::TColor LightEdge(platform::TColor tileColor);
platform::TColor DarkEdge(platform::TColor tileColor);

enum class PenStyle { Solid, Dotted };

// One pen stroke from (x1, y1) to (x2, y2), the end point excluded.
struct EdgeLine {
    int x1, y1, x2, y2;
    platform::TColor color;
    PenStyle style;
};

// The edge of a W × H tile in drawing order: the raised or pressed frame of a flat
// tile; for a trend depth the rings (sunken for 1..MaxDepth div 2, raised above) or the
// double frame of a missing value, then the black outline, dotted when selected.
std::vector<EdgeLine> BevelLines(int width, int height, int depth, int maxDepth, bool selected,
                                 platform::TColor tileColor);

// How many pixels in from the tile's border the edge reaches.
int BevelThickness(int depth, int maxDepth);

} // namespace atomara
