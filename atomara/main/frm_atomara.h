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

class QLabel;
class QScrollBar;
class QToolButton;

namespace platform {
class PaintBox;
}

namespace atomara {

class TElement;
class TfrmSplash;
class TfrmOptions;
class ClientArea;
class TablePanel;

// Where the program's files are: its own folder (data, wallpaper, help) and the
// settings folder argument of the command line, if any.
struct ProgramLocation {
    std::filesystem::path programFolder;
    std::optional<std::string> settingsArgument;
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

    int SelectedElement = 1;
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

    void ElementClick(TElement* tile, Qt::MouseButton button);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

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
