#pragma once
#include "convert/core/messages.h"
#include "convert/core/settings.h"
#include "convert/core/unit_table.h"

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace platform {
class FlexGrid;
}

namespace convert {

// The converter's main window: the conversion area with its result list, the menus,
// the tool bar and the status strip, in German, English or French.
class MainMenu : public QMainWindow {
    Q_OBJECT
public:
    // `workFolder` holds the unit data files and CONVERT.INI; `programFolder` the help.
    MainMenu(std::filesystem::path workFolder, std::filesystem::path programFolder);
    ~MainMenu() override;

    const std::filesystem::path& WorkFolder() const { return workFolder_; }
    Language CurrentLanguage = Language::German;
    QString HelpFile; // a file name without folder, as the help engine takes it
    std::string CurrentCategory;
    std::string CurrentDataFile;
    bool AccessGranted = false;
    std::array<std::string, 4> SavedTypes;
    UnitTable& Table() { return *table_; }

    // Conversion area (main_menu_conversion.cpp); rows j are 1..4.
    void TypeInClick(int j);
    void UnitInChange(int j);
    void UnitInClick(int j);
    void UnitInGotFocus(int j);
    void UnitOutClick(int j);
    void UnitOutGotFocus(int j);
    void ValueInChange();
    void CalculateClick();
    void CopyClick();
    void CopyMarkedClick();
    void ClearListClick();
    void ClearInputs();
    void ExplainClick();

    // Window frame (main_menu.cpp).
    void ApplyLanguage();
    void FillTypeLists();
    void AddCustomTypes(int j);
    void LoadCustomMenu();
    void SetLanguage(int code);
    void SaveInputs();
    void Activate();
    void ShowHelp(int topic);

    // Controls, for the dialogs and the tests.
    QLineEdit* ValueInBox() const { return ValueInBox_; }
    QComboBox* TypeIn(int j) const { return TypeIn_.at(static_cast<std::size_t>(j - 1)); }
    QComboBox* UnitIn(int j) const { return UnitIn_.at(static_cast<std::size_t>(j - 1)); }
    QComboBox* UnitOut(int j) const { return UnitOut_.at(static_cast<std::size_t>(j - 1)); }
    QLabel* ValueOutLabel() const { return ValueOutLabel_; }
    QPushButton* CalculateButton() const { return CalculateButton_; }
    QPushButton* ResetButton() const { return ResetButton_; }
    QPushButton* CopyButton() const { return CopyButton_; }
    QPushButton* CopyMarkedButton() const { return CopyMarkedButton_; }
    QPushButton* ClearListButton() const { return ClearListButton_; }
    QPushButton* ExplainButton() const { return ExplainButton_; }
    platform::FlexGrid* Grid1() const { return Grid1_; }
    bool ListEmpty() const { return listEmpty_; }
    QAction* LanguageAction(Language language) const;
    QAction* CategoryAction(int index) const { return categoryActions_.at(static_cast<std::size_t>(index)); }
    QAction* CustomFileAction(int slot) const { return customFileActions_.at(static_cast<std::size_t>(slot)); }
    QMenu* OtherCustomMenu() const { return OtherCustom_; }
    QString StatusNotice() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateWorkingArea();
    void CreateToolBar();
    void CreateMenus();
    void ShowMessage(const MessageText& message, bool information = false);
    void OpenDatabase(const std::string& category, const std::string& dataFile);
    void StartTemperatureConverter();
    void AfterDialog();
    void SetExplain(const QComboBox* box, int j);
    void DeselectUnitBoxesExcept(const QComboBox* keep);
    std::string TypeText(int j) const;
    std::string UnitText(const QComboBox* box) const;
    void AppendResultRow();

    std::filesystem::path workFolder_;
    std::filesystem::path programFolder_;
    std::unique_ptr<UnitTable> table_;
    SettingsRecord settings_;
    bool listEmpty_ = true;
    std::string explainUnit_;
    std::string explainCategory_;

    QWidget* PictureBig_ = nullptr;
    QLabel* PictureStatus_ = nullptr;
    QLineEdit* ValueInBox_ = nullptr;
    std::array<QComboBox*, 4> TypeIn_{};
    std::array<QComboBox*, 4> UnitIn_{};
    std::array<QComboBox*, 4> UnitOut_{};
    QLabel* ValueOutLabel_ = nullptr;
    QLabel* KlickforTypeLabel_ = nullptr;
    QLabel* KlickforUnitLabel_ = nullptr;
    QPushButton* ExplainButton_ = nullptr;
    QPushButton* ResetButton_ = nullptr;
    QPushButton* CalculateButton_ = nullptr;
    QPushButton* CopyButton_ = nullptr;
    QPushButton* ClearListButton_ = nullptr;
    QPushButton* CopyMarkedButton_ = nullptr;
    platform::FlexGrid* Grid1_ = nullptr;
    std::array<QToolButton*, 3> Command1_{};

    QMenu* File_ = nullptr;
    QMenu* Database_ = nullptr;
    QMenu* OtherCustom_ = nullptr;
    QMenu* Optionen_ = nullptr;
    QMenu* Sprache_ = nullptr;
    QMenu* Help_ = nullptr;
    std::array<QAction*, 13> categoryActions_{};
    std::array<QAction*, 10> customFileActions_{};
    QAction* FileExit_ = nullptr;
    QAction* TempConvert_ = nullptr;
    QAction* CustomNamesEdit_ = nullptr;
    QAction* Passwort_ = nullptr;
    std::array<QAction*, 3> languageActions_{}; // German, English, French
    QAction* Constants_ = nullptr;
    QAction* Geometry_ = nullptr;
    QAction* HelpIndex_ = nullptr;
    QAction* HelpAbout_ = nullptr;
};

} // namespace convert
