#include "atomara/tools/frm_find_element.h"

#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace atomara {

TfrmFindElement::TfrmFindElement(TfrmAtomara* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , main_(mainWindow)
    , pages_(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Find Element"));
    resize(platform::DesignSize(425, 276));
    for (const char* caption : {"&Name", "&Symbol", "&Property"})
        pages_->addTab(new QWidget(pages_), QString::fromLatin1(caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    platform::InstallHelpKey(this, [this] { return main_->HelpFile(); }, help::FindElement);
}

int TfrmFindElement::ActivePage() const { return pages_->currentIndex(); }

void TfrmFindElement::SetActivePage(int page) { pages_->setCurrentIndex(page); }

} // namespace atomara
