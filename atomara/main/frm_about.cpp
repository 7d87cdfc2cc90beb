#include "atomara/main/frm_about.h"

#include "atomara/main/app_icon.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/main/version.h"
#include "platform/gui/application.h"
#include "platform/gui/guard.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"

#include <QLabel>
#include <QPushButton>

namespace atomara {

using platform::DesignPx;
using platform::DesignRect;

TfrmAbout::TfrmAbout(const TfrmAtomara* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::WindowStaysOnTopHint)
    , lblVer_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("About Atomara"));
    setFixedSize(platform::DesignSize(455, 392));

    auto* imgIcon = new QLabel(this);
    imgIcon->setPixmap(AppIcon().pixmap(DesignPx(32), DesignPx(32)));
    imgIcon->setGeometry(DesignRect(16, 16, 32, 32));

    QFont versionFont = font();
    versionFont.setBold(true);
    lblVer_->setFont(versionFont);
    lblVer_->move(DesignPx(64), DesignPx(24));

    auto* text = new QLabel(this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setOpenExternalLinks(false);
    text->setGeometry(DesignRect(16, 64, 423, 260));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setText(QStringLiteral(
        "<p>An interactive periodic table of the elements 1 to 109.</p>"
        "<p>The colour of a tile's number shows the element's category, the colour of its symbol "
        "its state of matter at the chosen temperature.</p>"
        "<p><b>Please note:</b> the data come from openly licensed reference tables and are meant "
        "for learning. Values of synthetic and rare elements are often estimates; check critical "
        "values against a primary source.</p>"
        "<p>Free software under the GNU General Public License, version 3 or later.</p>"));

    auto* butOK = new QPushButton(QStringLiteral("OK"), this);
    butOK->setGeometry(DesignRect(188, 344, 80, 30));
    butOK->setDefault(true);
    connect(butOK, &QPushButton::clicked, this, platform::Guarded([this] { butOKClick(); }));

    platform::InstallHelpKey(this, [mainWindow] { return mainWindow ? mainWindow->HelpFile() : QString(); },
                             help::About);
    FormCreate(mainWindow);
}

void TfrmAbout::FormCreate(const TfrmAtomara* mainWindow)
{
    lblVer_->setText(QString::fromLatin1(kVersionText));
    lblVer_->adjustSize();
    setWindowIcon(AppIcon());
    if (mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
    }
}

void TfrmAbout::CenterOnScreen() { platform::CenterOnScreen(*this); }

} // namespace atomara
