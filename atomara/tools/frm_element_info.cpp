#include "atomara/tools/frm_element_info.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

namespace atomara {

TfrmElementInfo::TfrmElementInfo(TfrmAtomara* mainWindow)
    : QWidget(nullptr, Qt::Tool)
    , main_(mainWindow)
{
    setWindowTitle(QStringLiteral("Hydrogen - Element Information"));
    resize(platform::DesignSize(359, 397));
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::ElementInfo);
}

} // namespace atomara
