#include "platform/gui/canvas.h"

#include "platform/core/colors.h"
#include "platform/gui/text.h"

#include <QPainter>
#include <cstdlib>

namespace platform {

const PenPattern& SolidPen()
{
    static const PenPattern pattern;
    return pattern;
}

const PenPattern& DottedPen()
{
    static const PenPattern pattern = {1, 1};
    return pattern;
}

const PenPattern& DashDotDotPen()
{
    static const PenPattern pattern = {6, 2, 1, 2, 1, 2};
    return pattern;
}

void StrokeLine(QPainter& painter, QPoint from, QPoint to, const QColor& color, const PenPattern& pattern)
{
    // Bresenham, end point excluded.
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1;
    const int sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    std::size_t run = 0;
    int left = pattern.empty() ? 0 : pattern[0];
    while (x != to.x() || y != to.y()) {
        if (pattern.empty() || run % 2 == 0)
            painter.fillRect(x, y, 1, 1, color);
        if (!pattern.empty() && --left == 0) {
            run = (run + 1) % pattern.size();
            left = pattern[run];
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void DrawEdge(QPainter& painter, int w, int h, int e, const QColor& topLeft, const QColor& bottomRight)
{
    Canvas canvas(painter);
    canvas.SetPen(topLeft);
    canvas.MoveTo(e, h - 1 - e);
    canvas.LineTo(e, e);
    canvas.LineTo(w - 1 - e, e);
    canvas.SetPen(bottomRight);
    canvas.LineTo(w - 1 - e, h - 1 - e);
    canvas.LineTo(e - 1, h - 1 - e);
}

void DrawSunkenFrame(QPainter& painter, int w, int h)
{
    Canvas canvas(painter);
    canvas.SetPen(ToQColor(clBtnHighlight));
    canvas.MoveTo(w - 1, 0);
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(-1, h - 1);
    canvas.SetPen(ToQColor(clBtnShadow));
    canvas.MoveTo(0, h - 2);
    canvas.LineTo(0, 0);
    canvas.LineTo(w - 1, 0);
    canvas.SetPen(ToQColor(clBlack));
    canvas.MoveTo(1, h - 3);
    canvas.LineTo(1, 1);
    canvas.LineTo(w - 2, 1);
}

} // namespace platform
