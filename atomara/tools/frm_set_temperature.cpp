#include "atomara/tools/frm_set_temperature.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

namespace atomara {

TfrmSetTemperature::TfrmSetTemperature(TfrmAtomara* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , main_(mainWindow)
{
    setWindowTitle(QStringLiteral("Set Temperature"));
    resize(platform::DesignSize(433, 238));
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::SetTemperature);
}

} // namespace atomara
