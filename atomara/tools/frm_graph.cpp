#include "atomara/tools/frm_graph.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

namespace atomara {

TfrmGraph::TfrmGraph(TfrmAtomara* mainWindow)
    : QMainWindow(nullptr, Qt::Window)
    , main_(mainWindow)
{
    setWindowTitle(QStringLiteral("Trend Graph - Atomara"));
    resize(platform::DesignSize(560, 420));
    setMinimumSize(platform::DesignSize(287, 257));
    Colors = {platform::clWindow, platform::clRed, platform::clBlue, platform::clWindowText, platform::clGreen};
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::TrendGraph);
}

} // namespace atomara
