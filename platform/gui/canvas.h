#pragma once
// Pixel-exact strokes in the manner the programs' drawing code expects: a line from a
// to b covers a and leaves b out, and pen styles are fixed pixel patterns, so corner
// pixels and dotted outlines come out the same on every system.
#include <QColor>
#include <QPoint>
#include <vector>

class QPainter;

namespace platform {

// On/off runs of pixels, repeated along a line; empty means solid.
using PenPattern = std::vector<int>;
const PenPattern& SolidPen();
const PenPattern& DottedPen();      // one on, one off
const PenPattern& DashDotDotPen();  // a dash, then two dots

void StrokeLine(QPainter& painter, QPoint from, QPoint to, const QColor& color,
                const PenPattern& pattern = SolidPen());

// Move-to / line-to drawing with a current position, as the paint code is written.
class Canvas {
public:
    explicit Canvas(QPainter& painter) : painter_(painter) {}
    void SetPen(const QColor& color, const PenPattern& pattern = SolidPen())
    {
        color_ = color;
        pattern_ = &pattern;
    }
    void MoveTo(int x, int y) { position_ = {x, y}; }
    void LineTo(int x, int y)
    {
        StrokeLine(painter_, position_, {x, y}, color_, *pattern_);
        position_ = {x, y};
    }

private:
    QPainter& painter_;
    QPoint position_;
    QColor color_;
    const PenPattern* pattern_ = &SolidPen();
};

// A one-pixel frame at `inset` from the edges of a width × height area: left and top
// in the first colour, right and bottom in the second, which also takes the corners
// at the top right and bottom left.
void DrawEdge(QPainter& painter, int width, int height, int inset, const QColor& topLeft, const QColor& bottomRight);

// The sunken three-line frame around an area of width w and height h.
void DrawSunkenFrame(QPainter& painter, int width, int height);

} // namespace platform
