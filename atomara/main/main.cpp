#include "atomara/main/startup.h"
#include "platform/gui/application.h"
#include "platform/gui/hints.h"
#include "platform/gui/termination.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::InitPlatformFromDesktop();
    platform::InstallHintControl();
    QApplication::setQuitOnLastWindowClosed(false); // the main window's close ends the program

    atomara::StartupOptions options;
    options.location.programFolder = platform::ExecutableFolder();
    options.location.settingsArgument = atomara::SettingsArgument(QCoreApplication::arguments());

    const auto windows = atomara::StartAtomara(options);
    if (!windows)
        return 1;
    atomara::TfrmAtomara* main = windows->frmAtomara.get();
    QObject::connect(main, &atomara::TfrmAtomara::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    platform::CloseOnTerminationSignals([main] { main->close(); });
    return QApplication::exec();
}
