#pragma once
#include <QString>

namespace platform {

// Clears the clipboard and puts plain text on it.
void SetClipboardText(const QString& text);
QString ClipboardText();

} // namespace platform
