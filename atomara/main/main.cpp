#include "atomara/main/startup.h"
#include "platform/gui/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::InitPlatformFromDesktop();

    atomara::StartupOptions options;
    options.location.programFolder = platform::ExecutableFolder();
    options.location.settingsArgument = atomara::SettingsArgument(QCoreApplication::arguments());

    const auto windows = atomara::StartAtomara(options);
    if (!windows)
        return 1;
    return QApplication::exec();
}
