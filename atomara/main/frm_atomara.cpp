#include "atomara/main/frm_atomara.h"

#include "atomara/data/settings_folder.h"
#include "atomara/main/app_icon.h"
#include "atomara/main/frm_about.h"
#include "atomara/main/frm_splash.h"
#include "atomara/main/version.h"
#include "atomara/tools/frm_options.h"
#include "platform/core/decimal_separator.h"
#include "platform/core/ini_file.h"
#include "platform/gui/application.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/guard.h"
#include "platform/gui/help_key.h"
#include "platform/gui/scaling.h"
#include "platform/gui/text.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>

namespace atomara {

TfrmAtomara::TfrmAtomara(ProgramLocation location)
    : location_(std::move(location))
{
    setWindowIcon(AppIcon());
    resize(platform::DesignSize(538, 339));
    PeriodicTable_ = new QFrame(this);
    PeriodicTable_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PeriodicTable_->setAutoFillBackground(true);
    lblSummary_ = new QLabel(PeriodicTable_);
    lblSummary_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(PeriodicTable_);
    layout->addWidget(lblSummary_);
    setCentralWidget(PeriodicTable_);
    SetTableColor(tableColor_);
    platform::InstallHelpKey(this, [this] { return helpFile_; }, help::MainWindow);
}

TfrmAtomara::~TfrmAtomara() = default;

std::filesystem::path TfrmAtomara::SettingsFile() const
{
    return std::filesystem::path(settingsFolder_) / kSettingsFileName;
}

void TfrmAtomara::SetTableColor(platform::TColor color)
{
    tableColor_ = color;
    QPalette palette = PeriodicTable_->palette();
    palette.setColor(QPalette::Window, platform::ToQColor(color));
    PeriodicTable_->setPalette(palette);
}

void TfrmAtomara::AdoptSplash(std::unique_ptr<TfrmSplash> splash) { splash_ = std::move(splash); }

void TfrmAtomara::FormCreate()
{
    setWindowTitle(QString::fromLatin1(kMainCaption));
    settingsFolder_ = SettingsFolderFromArgument(location_.settingsArgument, location_.programFolder.string(), '/');
    legendColors_ = LoadColors(platform::IniFile(SettingsFile()), legendColors_);
    helpFile_ = QString::fromStdString((location_.programFolder / kHelpFileName).string());

    savedHintColor_ = QToolTip::palette().color(QPalette::ToolTipBase);

    LoadElementData();
    CreateTiles();
    ApplyNamingScheme(false);
}

void TfrmAtomara::LoadElementData()
{
    elementData_ = ElementData::Load(location_.programFolder / kElementDataFileName, platform::DecimalSeparator());
}

void TfrmAtomara::CreateTiles()
{
    tiles_.assign(kElementCount + 1, TileData{});
    for (int n = 1; n <= kElementCount; ++n) {
        platform::ProcessMessages(); // keeps the splash painted
        tiles_[static_cast<std::size_t>(n)] = TileDataFor(elementData_, n, platform::DecimalSeparator());
    }
    lblSummary_->setText(QStringLiteral("%1 elements loaded, %2 to %3")
                             .arg(kElementCount)
                             .arg(platform::FromAnsi(tiles_[1].name), platform::FromAnsi(tiles_[kElementCount].name)));
}

void TfrmAtomara::ApplyNamingScheme(bool /*updateInfo*/)
{
    if (tiles_.empty())
        return;
    for (int n = kFirstSchemeElement; n <= kLastSchemeElement; ++n) {
        const auto scheme = NameUnderScheme(namingScheme_, n);
        tiles_[static_cast<std::size_t>(n)].symbol = scheme->symbol;
        tiles_[static_cast<std::size_t>(n)].name = scheme->name;
    }
    update();
}

void TfrmAtomara::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    platform::RunGuarded([this] { FormShow(); });
}

void TfrmAtomara::FormShow()
{
    splash_.reset();
    platform::IniFile ini(SettingsFile());
    if (!ini.ReadBool("About", "Read", false))
        ShowFirstRunNotice();

    TfrmOptions startupOptions(this);
    startupOptions.StartupFlag = true;
    CheckTableColors(startupOptions);
}

void TfrmAtomara::ShowFirstRunNotice()
{
    TfrmAbout notice(nullptr);
    notice.CenterOnScreen();
    notice.setWindowTitle(QStringLiteral("Please Read Carefully"));
    platform::CurrentDialogs().ShowModal(notice);
    platform::IniFile(SettingsFile()).WriteBool("About", "Read", true);
}

void TfrmAtomara::CheckTableColors(TfrmOptions& startupOptions)
{
    platform::IniFile ini(SettingsFile());
    if (ini.ReadString("Colors", "Background", "nope") != "nope") {
        SetTableColor(platform::clBtnFace);
    } else if (platform::ColorToRGB(platform::clBtnFace) == platform::clSilver) {
        SetTableColor(platform::clBtnFace);
    } else {
        platform::CurrentDialogs().MessageBox(
            this, QStringLiteral("Colors - Atomara"),
            QStringLiteral("Because you are not using the standard 3D color, you should adjust the color setup to "
                           "make sure that all application text will appear readable)"),
            platform::MessageIcon::Warning, platform::MessageButtons::Ok);
        if (const QScreen* screen = this->screen())
            startupOptions.move(screen->availableGeometry().center() - startupOptions.rect().center());
        platform::CurrentDialogs().ShowModal(startupOptions);
    }
    ini.WriteString("Colors", "Background",
                    platform::ColorToRGB(tableColor_) == platform::clSilver ? "Gray" : "Default");
}

} // namespace atomara
