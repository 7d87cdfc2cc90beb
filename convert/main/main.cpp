#include "convert/main/main_menu.h"
#include "platform/gui/application.h"

#include <QApplication>
#include <filesystem>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::InitPlatformFromDesktop();
    platform::SetApplicationTitle(QStringLiteral("Mensuro"));

    // The unit data files and CONVERT.INI are in the current folder.
    convert::MainMenu window(std::filesystem::current_path(), platform::ExecutableFolder());
    window.show();
    window.Activate();
    return QApplication::exec();
}
