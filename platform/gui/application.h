#pragma once
// Application-wide pieces the windows share: the title used on message boxes, the
// platform settings taken from the desktop, and processing of pending events.
#include <QString>
#include <filesystem>

namespace platform {

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Takes the decimal separator and the system colours from the desktop. Call once
// after the QApplication exists.
void InitPlatformFromDesktop();

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// Handles the window events that are waiting, without blocking.
void ProcessMessages();

} // namespace platform
