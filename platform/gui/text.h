#pragma once
// The one crossing between the cores' ANSI bytes / colour numbers and Qt's types.
#include "platform/core/colors.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString FromAnsi(std::string_view ansi);
std::string ToAnsi(const QString& text);

QColor ToQColor(TColor color); // system colours resolved through ColorToRGB
TColor FromQColor(const QColor& color);

} // namespace platform
