#pragma once
// F1 in a window opens its help topic through the dialog seam.
#include <QString>
#include <functional>

class QWidget;

namespace platform {

void InstallHelpKey(QWidget* window, std::function<QString()> helpFile, int topic);

} // namespace platform
