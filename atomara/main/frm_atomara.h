#pragma once
#include "atomara/data/element_data.h"
#include "atomara/data/legend_colors.h"
#include "atomara/data/naming_scheme.h"
#include "atomara/data/tile_data.h"
#include "platform/core/colors.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QLabel;

namespace atomara {

class TfrmSplash;
class TfrmOptions;

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

    // Tile contents by atomic number (index 0 unused).
    const TileData& Tile(int n) const { return tiles_.at(static_cast<std::size_t>(n)); }

    NamingScheme CheckedNamingScheme() const { return namingScheme_; }
    void CheckNamingScheme(NamingScheme scheme) { namingScheme_ = scheme; }
    void ApplyNamingScheme(bool updateInfo);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ShowFirstRunNotice();
    void CheckTableColors(TfrmOptions& startupOptions);
    void LoadElementData();
    void CreateTiles();

    ProgramLocation location_;
    std::string settingsFolder_;
    QString helpFile_;
    ElementData elementData_;
    std::vector<TileData> tiles_;
    LegendColors legendColors_ = kDefaultLegendColors;
    platform::TColor tableColor_ = platform::clSilver; // as designed; the first show may change it
    NamingScheme namingScheme_ = NamingScheme::IupacProvisional;
    QColor savedHintColor_;
    std::unique_ptr<TfrmSplash> splash_;
    bool shown_ = false;

    QFrame* PeriodicTable_ = nullptr;
    QLabel* lblSummary_ = nullptr;
};

} // namespace atomara
