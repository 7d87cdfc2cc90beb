#pragma once
#include "atomara/data/element_data.h"
#include "atomara/data/legend_colors.h"
#include "atomara/data/naming_scheme.h"
#include "platform/core/colors.h"

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;

namespace platform {
class PaintBox;
}

namespace atomara {

class TElement;
class TfrmSplash;
class TfrmOptions;
class TfrmElementInfo;
class TfrmGraph;
class TfrmSetTemperature;
class TfrmFindElement;
class TfrmAbout;
class ClientArea;
class TablePanel;

// Where the program's files are: its own folder (data, wallpaper, help) and the
// settings folder argument of the command line, if any.
struct ProgramLocation {
    std::filesystem::path programFolder;
    std::optional<std::string> settingsArgument;
};

// The other program-wide windows, which the main window's commands open and whose
// state its settings code reads and writes.
struct ToolWindows {
    TfrmElementInfo* elementInfo = nullptr;
    TfrmGraph* graph = nullptr;
    TfrmSetTemperature* setTemperature = nullptr;
    TfrmFindElement* findElement = nullptr;
    TfrmAbout* about = nullptr;
    TfrmOptions* options = nullptr;
};

// What a menu item, tool bar button, popup item or tile asks the main window to do.
enum class Command {
    File, SaveConfigNow, SaveConfigOnExit, Exit,
    Toolbar, StatusBar, ElementOnTop, TrendsOnTop,
    IupacProvisional, IupacRecommended, AcsRecommended, Options,
    FindElement, SetTemperature, ElementInfoMenu, ElementInfoShow, Graph,
    HelpContents, About,
};

class TfrmAtomara : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmAtomara(ProgramLocation location);
    ~TfrmAtomara() override;

    // The creation steps. Raises on a faulty data file; the window is then unusable.
    void FormCreate();
    // Freed at the first show.
    void AdoptSplash(std::unique_ptr<TfrmSplash> splash);

    const ElementData& Data() const { return elementData_; }
    const std::string& SettingsFolder() const { return settingsFolder_; }
    std::filesystem::path SettingsFile() const;
    QString HelpFile() const { return helpFile_; }
    const LegendColors& Colors() const { return legendColors_; }
    platform::TColor TableColor() const { return tableColor_; }
    void SetTableColor(platform::TColor color);

    void SetToolWindows(const ToolWindows& windows);
    const ToolWindows& Tools() const { return tools_; }

    int SelectedElement = 0; // 0 until start-up selects one
    float CurrentTemperature = 298.15f; // kelvin
    static constexpr platform::TColor TileHintColor = 0x00FFFFBF;

    // The 109 tiles by atomic number (index 0 unused).
    TElement* ElementTile(int n) const { return ElementTiles.at(static_cast<std::size_t>(n)); }
    std::array<TElement*, kElementCount + 1> ElementTiles{};

    NamingScheme CheckedNamingScheme() const { return namingScheme_; }
    void CheckNamingScheme(NamingScheme scheme) { namingScheme_ = scheme; }
    void ApplyNamingScheme(bool updateInfo);
    void ApplyTemperature();

    // Layout of the table and its surroundings; run by the resize events.
    void FormResize();
    void PeriodicTableResize();
    void ToolsResize();

    // Controls that tests and the later command code reach.
    QWidget* ToolBar() const { return ToolBar_; }
    QWidget* StatusBar() const { return StatusBar_; }
    QWidget* PeriodicTable() const;
    platform::PaintBox* Background() const { return pntBackGround_; }
    QLabel* GroupLabel(int index) const { return groupLabels_.at(static_cast<std::size_t>(index)); }
    QWidget* Legend() const { return panLegend_; }
    QScrollBar* TempSlider() const { return TempSlider_; }
    QToolButton* ToolButtonAt(int index) const { return toolButtons_.at(static_cast<std::size_t>(index)); }
    void SetStatusText(int panel, const QString& text);
    QString StatusText(int panel) const;
    const QPixmap& Wallpaper() const { return imgWallpaper_; }
    void LoadWallpaper(const std::filesystem::path& picture);

    // Selection, hover texts and keys (frm_atomara_selection.cpp).
    void ElementClick(TElement* tile, Qt::MouseButton button);
    void TableMouseDown(Qt::MouseButton button);
    void Status(QObject* sender);
    void ClearStatus();
    void LegendDblClick();
    void FormKeyDown(int key);
    bool AppMessage(QObject* receiver, QEvent* event);
    void UpdateTempStatus(const QObject* sender);

    // Commands (frm_atomara_commands.cpp).
    void MenuClick(Command command);
    void MenuTrendsClick(int item); // 0 "&None", 1..14 the properties
    int CheckedTrend() const { return checkedTrend_; }
    QAction* Action(Command command) const;
    QAction* TrendAction(int item) const;
    QMenu* Popup() const { return PopupMenu_; }

    // Settings file (frm_atomara_settings.cpp).
    void LoadSettings();
    void SaveSettings();
    const std::filesystem::path& WallpaperPath() const { return wallpaperPath_; }

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation of the window's parts (frm_atomara_controls.cpp).
    void CreateToolBar();
    void CreateStatusBar();
    void CreateTable();
    void CreateTiles();
    void CreateGroupLabels();
    void CreateLegend();
    void LayoutClientArea();
    void LayoutLegend();
    void ColorLegendLabels();

    void CreateMenus();
    void CreatePopupMenu();
    void WireMouse();
    void FollowMinimize();
    void ShowElementInfo();
    void SetOnTop(QWidget* window, bool onTop);
    bool IsElementTile(const QObject* object) const;

    // Painting (frm_atomara_layout.cpp).
    void BackgroundPaint(QPainter& painter);
    void GroupLinesPaint(QPainter& painter);
    void ElementLinesPaint(QPainter& painter);

    void FormShow();
    void ShowFirstRunNotice();
    void CheckTableColors(TfrmOptions& startupOptions);

    ProgramLocation location_;
    std::string settingsFolder_;
    QString helpFile_;
    ElementData elementData_;
    LegendColors legendColors_ = kDefaultLegendColors;
    platform::TColor tableColor_ = platform::clSilver; // as designed; the first show may change it
    NamingScheme namingScheme_ = NamingScheme::IupacProvisional;
    QColor savedHintColor_;
    std::unique_ptr<TfrmSplash> splash_;
    bool shown_ = false;
    bool wasMinimized_ = false;
    ToolWindows tools_;
    int checkedTrend_ = 0;
    std::filesystem::path wallpaperPath_;

    std::vector<std::pair<Command, QAction*>> actions_;
    std::array<QAction*, 15> trendActions_{};
    QActionGroup* namingGroup_ = nullptr;
    QActionGroup* trendGroup_ = nullptr;
    QMenu* PopupMenu_ = nullptr;
    QAction* mnuElementInfoPop_ = nullptr;
    QAction* N6_ = nullptr;

    ClientArea* client_ = nullptr;
    QWidget* ToolBar_ = nullptr;
    std::array<QToolButton*, 7> toolButtons_{};
    QScrollBar* TempSlider_ = nullptr;
    QWidget* StatusBar_ = nullptr;
    std::array<QLabel*, 2> statusPanels_{};
    platform::PaintBox* pntBackGround_ = nullptr;
    QPixmap imgWallpaper_;
    TablePanel* PeriodicTable_ = nullptr;
    std::array<QLabel*, 16> groupLabels_{};
    platform::PaintBox* pntGroupLines_ = nullptr;
    platform::PaintBox* pntElementLines_ = nullptr;
    QWidget* panLegend_ = nullptr;
    std::array<QLabel*, kLegendCount> legendLabels_{};
};

} // namespace atomara
