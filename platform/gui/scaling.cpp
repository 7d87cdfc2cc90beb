#include "platform/gui/scaling.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {
namespace {

double g_fixedDpi = 0;

int Scale(double value, double unitsPerInch)
{
    return static_cast<int>(std::lround(value * ScreenDpi() / unitsPerInch));
}

} // namespace

double ScreenDpi()
{
    if (g_fixedDpi > 0)
        return g_fixedDpi;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInch();
    return 96.0;
}

void SetScreenDpi(double dpi) { g_fixedDpi = dpi; }

int DesignPx(int designPixels) { return Scale(designPixels, kDesignDpi); }
QPoint DesignPoint(int x, int y) { return {DesignPx(x), DesignPx(y)}; }
QSize DesignSize(int width, int height) { return {DesignPx(width), DesignPx(height)}; }
QRect DesignRect(int left, int top, int width, int height)
{
    return {DesignPx(left), DesignPx(top), DesignPx(width), DesignPx(height)};
}

int ToDesignPx(int devicePixels)
{
    return static_cast<int>(std::lround(devicePixels * kDesignDpi / ScreenDpi()));
}

int TwipsPx(int twips) { return Scale(twips, kTwipsPerInch); }
QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsPx(left), TwipsPx(top), TwipsPx(width), TwipsPx(height)};
}

} // namespace platform

namespace platform {

QFont WindowFont(int designPixels)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      font.family()});
    font.setPixelSize(DesignPx(designPixels));
    return font;
}

} // namespace platform
