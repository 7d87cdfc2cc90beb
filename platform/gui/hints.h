#pragma once
// The application's hint (tooltip) colour and the pause before a hint shows, which the
// main window switches between a quick mode over the tiles and the normal one.
#include <QColor>

namespace platform {

// Installs the style that makes the pause adjustable; call once after QApplication.
void InstallHintControl();

int HintPause(); // milliseconds
void SetHintPause(int milliseconds);
QColor HintColor();
void SetHintColor(const QColor& color);

} // namespace platform
