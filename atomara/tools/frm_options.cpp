#include "atomara/tools/frm_options.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

namespace atomara {

TfrmOptions::TfrmOptions(TfrmAtomara* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , main_(mainWindow)
{
    setWindowTitle(QStringLiteral("Options"));
    resize(platform::DesignSize(441, 517));
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::Options);
}

} // namespace atomara
