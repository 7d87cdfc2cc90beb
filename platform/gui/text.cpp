#include "platform/gui/text.h"

#include "platform/core/ansi_text.h"

namespace platform {

QString FromAnsi(std::string_view ansi)
{
    return QString::fromStdString(AnsiToUtf8(ansi));
}

std::string ToAnsi(const QString& text)
{
    return Utf8ToAnsi(text.toStdString());
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor FromQColor(const QColor& color)
{
    return MakeRgb(color.red(), color.green(), color.blue());
}

} // namespace platform
