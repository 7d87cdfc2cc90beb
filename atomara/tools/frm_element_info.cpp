#include "atomara/tools/frm_element_info.h"

#include "atomara/controls/element_tile.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"
#include "platform/gui/text.h"

namespace atomara {

TfrmElementInfo::TfrmElementInfo(TfrmAtomara* mainWindow)
    : QWidget(nullptr, Qt::Tool)
    , main_(mainWindow)
{
    setWindowTitle(QStringLiteral("Hydrogen - Element Information"));
    resize(platform::DesignSize(359, 397));
    // Red symbol, blue number, black name, navy and maroon captions, window-text values.
    TextColors = {platform::clRed,    platform::clBlack,  platform::clBlue,      platform::clNavy,
                  platform::clMaroon, platform::clWindowText, platform::clWindowText};
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::ElementInfo);
}

void TfrmElementInfo::UpdateInfo(int n)
{
    setWindowTitle(platform::FromAnsi(main_->ElementTile(n)->Hint()) + QStringLiteral(" - Element Information"));
}

void TfrmElementInfo::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit hidden();
}

} // namespace atomara
