#include "atomara/main/startup.h"

#include "atomara/main/frm_about.h"
#include "atomara/main/frm_splash.h"
#include "atomara/main/version.h"
#include "atomara/tools/frm_element_info.h"
#include "atomara/tools/frm_find_element.h"
#include "atomara/tools/frm_graph.h"
#include "atomara/tools/frm_options.h"
#include "atomara/tools/frm_set_temperature.h"
#include "platform/gui/application.h"
#include "platform/gui/guard.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace atomara {

AtomaraWindows::AtomaraWindows() = default;
AtomaraWindows::~AtomaraWindows() = default;

std::unique_ptr<AtomaraWindows> StartAtomara(const StartupOptions& options)
{
    platform::SetApplicationTitle(QString::fromLatin1(kApplicationTitle));

    auto splash = std::make_unique<TfrmSplash>(options.splashIntervalMs);
    splash->show();
    splash->repaint();
    // Waits for timer ticks or a click; blocking on the next event instead of spinning.
    while (!splash->WaitIsOver())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);

    auto windows = std::make_unique<AtomaraWindows>();
    windows->frmAtomara = std::make_unique<TfrmAtomara>(options.location);
    TfrmAtomara* main = windows->frmAtomara.get();
    main->AdoptSplash(std::move(splash));
    if (!platform::RunGuarded([main] { main->FormCreate(); }))
        return nullptr; // reported; a half-built table is never shown
    main->show();

    windows->frmElementInfo = std::make_unique<TfrmElementInfo>(main);
    windows->frmGraph = std::make_unique<TfrmGraph>(main);
    windows->frmSetTemperature = std::make_unique<TfrmSetTemperature>(main);
    windows->frmFindElement = std::make_unique<TfrmFindElement>(main);
    windows->frmAbout = std::make_unique<TfrmAbout>(main);
    windows->frmOptions = std::make_unique<TfrmOptions>(main);
    main->SetToolWindows({windows->frmElementInfo.get(), windows->frmGraph.get(), windows->frmSetTemperature.get(),
                          windows->frmFindElement.get(), windows->frmAbout.get(), windows->frmOptions.get()});
    windows->frmOptions->StartupFlag = false;
    return windows;
}

std::optional<std::string> SettingsArgument(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    return arguments.at(1).toStdString();
}

} // namespace atomara
