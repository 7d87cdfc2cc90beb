#include "atomara/tools/frm_set_temperature.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace atomara {

TfrmSetTemperature::TfrmSetTemperature(TfrmAtomara* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , main_(mainWindow)
    , pages_(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Set Temperature"));
    resize(platform::DesignSize(433, 238));
    for (const char* caption : {"&Kelvin", "&Celsius", "&Farenheit"})
        pages_->addTab(new QWidget(pages_), QString::fromLatin1(caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::SetTemperature);
}

int TfrmSetTemperature::ActivePage() const { return pages_->currentIndex(); }

void TfrmSetTemperature::SetActivePage(int page) { pages_->setCurrentIndex(page); }

void TfrmSetTemperature::PageChange() {}

} // namespace atomara
