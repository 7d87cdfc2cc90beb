#pragma once
// The program's start-up: splash, the seven windows in their fixed order, then the
// event loop.
#include "atomara/main/frm_atomara.h"

#include <QStringList>
#include <memory>

namespace atomara {

class TfrmElementInfo;
class TfrmGraph;
class TfrmSetTemperature;
class TfrmFindElement;
class TfrmAbout;
class TfrmOptions;

// The program-wide windows, alive from start-up to exit.
struct AtomaraWindows {
    std::unique_ptr<TfrmAtomara> frmAtomara;
    std::unique_ptr<TfrmElementInfo> frmElementInfo;
    std::unique_ptr<TfrmGraph> frmGraph;
    std::unique_ptr<TfrmSetTemperature> frmSetTemperature;
    std::unique_ptr<TfrmFindElement> frmFindElement;
    std::unique_ptr<TfrmAbout> frmAbout;
    std::unique_ptr<TfrmOptions> frmOptions;

    AtomaraWindows();
    ~AtomaraWindows();
};

struct StartupOptions {
    ProgramLocation location;
    int splashIntervalMs = 1000;
};

// Runs the start-up sequence up to the event loop. Returns null after a failure in the
// main window's creation, which has then been reported to the user.
std::unique_ptr<AtomaraWindows> StartAtomara(const StartupOptions& options);

// The settings folder argument: the first program argument, if there is one.
std::optional<std::string> SettingsArgument(const QStringList& arguments);

} // namespace atomara
