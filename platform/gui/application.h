#pragma once
// Application-wide pieces the windows share: the title used on message boxes, the
// platform settings taken from the desktop, and processing of pending events.
#include <QString>
#include <filesystem>

class QWidget;

namespace platform {

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// Takes the decimal separator and the system colours from the desktop. Call once
// after the QApplication exists.
void InitPlatformFromDesktop();

// Moves a top-level window so that its centre lies on the centre of the screen.
void CenterOnScreen(QWidget& window);

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// Handles the window events that are waiting, without blocking.
void ProcessMessages();

} // namespace platform
