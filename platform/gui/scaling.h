#pragma once
// Window geometry is written in design units and converted here, once, to device
// pixels: atomara designs at 120 dots per inch, convert in twips (1/1440 inch).
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

constexpr double kDesignDpi = 120.0;
constexpr double kTwipsPerInch = 1440.0;

// The screen's logical resolution (dots per inch) used for every conversion.
double ScreenDpi();
// Fixes the resolution, for tests and for start-up before the screen is known;
// 0 returns to the screen's own.
void SetScreenDpi(double dpi);

int DesignPx(int designPixels);
QPoint DesignPoint(int x, int y);
QSize DesignSize(int width, int height);
QRect DesignRect(int left, int top, int width, int height);
// Device pixels back to design pixels, for layout code that computes in design units.
int ToDesignPx(int devicePixels);

int TwipsPx(int twips);
QRect TwipsRect(int left, int top, int width, int height);

} // namespace platform

namespace platform {

// The programs' window font: a narrow sans serif like the one their layouts were
// measured with, `designPixels` high at the design resolution.
QFont WindowFont(int designPixels);

} // namespace platform
