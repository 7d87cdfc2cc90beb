#include "atomara/tools/frm_find_element.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

namespace atomara {

TfrmFindElement::TfrmFindElement(TfrmAtomara* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , main_(mainWindow)
{
    setWindowTitle(QStringLiteral("Find Element"));
    resize(platform::DesignSize(425, 276));
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::FindElement);
}

} // namespace atomara
