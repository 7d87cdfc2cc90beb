#include "atomara/main/frm_atomara.h"

#include "atomara/controls/element_tile.h"
#include "atomara/data/settings_folder.h"
#include "atomara/data/table_layout.h"
#include "atomara/main/app_icon.h"
#include "atomara/main/frm_about.h"
#include "atomara/main/frm_splash.h"
#include "atomara/main/table_panel.h"
#include "atomara/main/version.h"
#include "atomara/tools/frm_element_info.h"
#include "atomara/tools/frm_options.h"
#include "platform/core/decimal_separator.h"
#include "platform/core/errors.h"
#include "platform/core/ini_file.h"
#include "platform/gui/application.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/guard.h"
#include "platform/gui/paint_box.h"
#include "platform/gui/scaling.h"
#include "platform/gui/text.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QToolTip>

namespace atomara {

TfrmAtomara::TfrmAtomara(ProgramLocation location)
    : location_(std::move(location))
{
    setWindowIcon(AppIcon());
    setMinimumSize(platform::DesignSize(kMinimumTrackingSize.width, kMinimumTrackingSize.height));
    setFont(platform::WindowFont(13));

    client_ = new ClientArea(this);
    setCentralWidget(client_);
    CreateToolBar();
    CreateStatusBar();
    CreateTable();
    CreateMenus();
    CreatePopupMenu();
    client_->OnResize = [this] { platform::RunGuarded([this] { LayoutClientArea(); }); };
    resize(platform::DesignSize(538, 339) + QSize(0, menuBar()->sizeHint().height()));
}

TfrmAtomara::~TfrmAtomara() = default;

std::filesystem::path TfrmAtomara::SettingsFile() const
{
    return std::filesystem::path(settingsFolder_) / kSettingsFileName;
}

QWidget* TfrmAtomara::PeriodicTable() const { return PeriodicTable_; }

void TfrmAtomara::SetTableColor(platform::TColor color)
{
    tableColor_ = color;
    PeriodicTable_->SetColor(color);
    for (TElement* tile : ElementTiles)
        if (tile)
            tile->SetColor(color);
    PeriodicTable_->update();
}

void TfrmAtomara::AdoptSplash(std::unique_ptr<TfrmSplash> splash) { splash_ = std::move(splash); }

void TfrmAtomara::FormCreate()
{
    setWindowTitle(QString::fromLatin1(kMainCaption));
    settingsFolder_ = SettingsFolderFromArgument(location_.settingsArgument, location_.programFolder.string(), '/');
    legendColors_ = LoadColors(platform::IniFile(SettingsFile()), legendColors_);
    ColorLegendLabels();
    helpFile_ = QString::fromStdString((location_.programFolder / kHelpFileName).string());
    savedHintColor_ = QToolTip::palette().color(QPalette::ToolTipBase);

    elementData_ = ElementData::Load(location_.programFolder / kElementDataFileName, platform::DecimalSeparator());
    CreateTiles();
    CreateGroupLabels();
    LayoutLegend();
    WireMouse();
    // A bad settings file is reported and leaves the rest of the start-up alone.
    platform::RunGuarded([this] { LoadSettings(); });
}

void TfrmAtomara::LoadWallpaper(const std::filesystem::path& picture)
{
    QPixmap pixmap;
    if (!pixmap.load(QString::fromStdString(picture.string())))
        throw platform::EFOpenError(picture.string());
    imgWallpaper_ = pixmap;
    pntBackGround_->update();
}

void TfrmAtomara::ApplyNamingScheme(bool updateInfo)
{
    for (int n = kFirstSchemeElement; n <= kLastSchemeElement; ++n) {
        const auto scheme = NameUnderScheme(namingScheme_, n);
        ElementTile(n)->SetSymbol(scheme->symbol);
        ElementTile(n)->SetHint(scheme->name);
    }
    PeriodicTableResize();
    update();
    if (updateInfo && tools_.elementInfo)
        tools_.elementInfo->UpdateInfo(SelectedElement);
}

void TfrmAtomara::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    platform::RunGuarded([this] { FormShow(); });
}

void TfrmAtomara::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Minimizing leaves the layout alone; coming back from it lays the table out again.
    if (wasMinimized_ && !isMinimized())
        platform::RunGuarded([this] { FormResize(); });
    wasMinimized_ = isMinimized();
    platform::RunGuarded([this] { FollowMinimize(); });
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
    TfrmAbout notice(this);
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
        platform::CenterOnScreen(startupOptions);
        platform::CurrentDialogs().ShowModal(startupOptions);
    }
    ini.WriteString("Colors", "Background", TableBackgroundSetting(tableColor_));
}

} // namespace atomara
