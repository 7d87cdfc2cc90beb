// atomara.ini: the main window reads its settings at start-up and writes the settings
// of every window, key by key, when asked to and when it closes.
#include "atomara/controls/element_tile.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/tools/frm_element_info.h"
#include "atomara/tools/frm_find_element.h"
#include "atomara/tools/frm_graph.h"
#include "atomara/tools/frm_options.h"
#include "atomara/tools/frm_set_temperature.h"
#include "atomara/data/status_text.h"
#include "platform/core/decimal_separator.h"
#include "platform/core/float_format.h"
#include "platform/core/ini_file.h"
#include "platform/core/number_conversion.h"
#include "platform/gui/guard.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

namespace atomara {
namespace {

std::int64_t AsRgb(platform::TColor color) { return platform::ColorToRGB(color); }

void WriteBounds(platform::IniWriter& ini, const char* section, const QWidget& window, bool topFirst)
{
    if (topFirst) {
        ini.WriteInteger(section, "Top", window.y());
        ini.WriteInteger(section, "Left", window.x());
    } else {
        ini.WriteInteger(section, "Left", window.x());
        ini.WriteInteger(section, "Top", window.y());
    }
    ini.WriteInteger(section, "Width", window.width());
    ini.WriteInteger(section, "Height", window.height());
}

void WritePosition(platform::IniWriter& ini, const char* section, const QWidget* window)
{
    ini.WriteInteger(section, "Left", window ? window->x() : 5);
    ini.WriteInteger(section, "Top", window ? window->y() : 5);
}

} // namespace

void TfrmAtomara::LoadSettings()
{
    const platform::IniFile ini(SettingsFile());

    const QSize screenSize = screen() ? screen()->geometry().size() : QSize(1024, 768);
    move(ini.ReadInteger("Main Window", "Left", 5), ini.ReadInteger("Main Window", "Top", 5));
    resize(ini.ReadInteger("Main Window", "Width", screenSize.width() * 8 / 10),
           ini.ReadInteger("Main Window", "Height", screenSize.height() - 40));
    if (ini.ReadBool("Main Window", "Maximized", false))
        setWindowState(windowState() | Qt::WindowMaximized);

    // Only 1 to 109 name an element; anything else selects hydrogen.
    int selected = ini.ReadInteger("Settings", "Selected Element", 1);
    if (selected < 1 || selected > kElementCount)
        selected = 1;
    if (SelectedElement >= 1)
        ElementTile(SelectedElement)->SetSelected(false);
    SelectedElement = selected;
    ElementTile(selected)->SetSelected(true);

    // Twice: the slider takes the rounded value and applies it, then the exact saved
    // value wins.
    const std::string fallback = std::string("298") + platform::DecimalSeparator() + "15";
    CurrentTemperature = static_cast<float>(platform::StrToFloat(ini.ReadString("Settings", "Temperature", fallback)));
    TempSlider_->setValue(static_cast<int>(platform::RoundHalfEven(CurrentTemperature)));
    CurrentTemperature = static_cast<float>(platform::StrToFloat(ini.ReadString("Settings", "Temperature", fallback)));
    UpdateTempStatus(this);
    ApplyTemperature();

    if (!ini.ReadBool("Settings", "SaveINI", true))
        Action(Command::SaveConfigOnExit)->setChecked(false);
    if (ini.ReadBool("Settings", "TrendsOnTop", false))
        Action(Command::TrendsOnTop)->setChecked(true);
    if (ini.ReadBool("Settings", "ElementOnTop", false))
        Action(Command::ElementOnTop)->setChecked(true);

    const std::string defaultWallpaper = (location_.programFolder / "atomback.bmp").string();
    wallpaperPath_ = ini.ReadString("Settings", "Background", defaultWallpaper);
    LoadWallpaper(wallpaperPath_);

    namingScheme_ = NamingSchemeFromSetting(ini.ReadInteger("Settings", "Naming Scheme", 1));
    Action(static_cast<Command>(static_cast<int>(Command::IupacProvisional) + static_cast<int>(namingScheme_) - 1))
        ->setChecked(true);
    ApplyNamingScheme(false);
}

// All keys go to the file in one replacement, so that a failure keeps the old file whole.
void TfrmAtomara::SaveSettings()
{
    platform::IniUpdate ini(SettingsFile());
    const char separator = platform::DecimalSeparator();

    ini.WriteBool("Main Window", "Maximized", isMaximized());
    if (!isMaximized())
        WriteBounds(ini, "Main Window", *this, false);

    if (const TfrmGraph* graph = tools_.graph) {
        ini.WriteBool("Graph Window", "Maximized", graph->isMaximized());
        if (!graph->isMaximized())
            WriteBounds(ini, "Graph Window", *graph, true);
        ini.WriteBool("Graph Window", "ShowSymbolPos", graph->ShowSymbolPos);
        ini.WriteInteger("Graph Window", "Property", graph->PropertyIndex);
        ini.WriteBool("Graph Window", "DefaultColours", graph->DefaultColours);
        constexpr std::array<const char*, 5> keys = {"BackgroundColor", "ValueColor", "AxisColor", "PlotColor",
                                                     "ElementColor"};
        for (std::size_t i = 0; i < keys.size(); ++i)
            ini.WriteInteger("Graph Window", keys[i], AsRgb(graph->Colors[i]));
    }

    ini.WriteInteger("Settings", "Selected Element", SelectedElement);
    ini.WriteString("Settings", "Temperature", TemperatureSettingText(CurrentTemperature, separator));
    ini.WriteBool("Settings", "SaveINI", Action(Command::SaveConfigOnExit)->isChecked());

    if (tools_.setTemperature)
        ini.WriteInteger("Temperature Window", "Tab", tools_.setTemperature->ActivePage());
    WritePosition(ini, "Temperature Window", tools_.setTemperature);
    if (tools_.findElement)
        ini.WriteInteger("Find Window", "Tab", tools_.findElement->ActivePage());
    WritePosition(ini, "Find Window", tools_.findElement);

    if (const TfrmElementInfo* info = tools_.elementInfo) {
        WritePosition(ini, "Element Info Window", info);
        ini.WriteBool("Element Info Window", "Visible", Action(Command::ElementInfoMenu)->isChecked());
        ini.WriteBool("Element Info Window", "DefaultColours", info->DefaultColours);
        constexpr std::array<const char*, 7> keys = {"Symbol",    "ElementName", "Number", "Property1",
                                                     "Property2", "Value1",      "Value2"};
        for (std::size_t i = 0; i < keys.size(); ++i)
            ini.WriteInteger("Element Info Window", keys[i], AsRgb(info->TextColors[i]));
    }

    for (std::size_t i = 0; i < kLegendCount; ++i)
        ini.WriteInteger("Colors", kLegendCaptions[i], AsRgb(legendColors_[i]));
    ini.WriteString("Colors", "Background", TableBackgroundSetting(tableColor_));
    WritePosition(ini, "Color Window", tools_.options);

    ini.WriteBool("Settings", "TrendsOnTop", Action(Command::TrendsOnTop)->isChecked());
    ini.WriteBool("Settings", "ElementOnTop", Action(Command::ElementOnTop)->isChecked());
    ini.WriteString("Settings", "Background", wallpaperPath_.string());
    ini.WriteInteger("Settings", "Naming Scheme", static_cast<int>(namingScheme_));
    ini.Commit();
}

void TfrmAtomara::closeEvent(QCloseEvent* event)
{
    // A settings file that cannot be written is reported, but never keeps the user in.
    platform::RunGuarded([this] {
        if (Action(Command::SaveConfigOnExit)->isChecked())
            SaveSettings();
        else
            platform::IniFile(SettingsFile()).WriteBool("Settings", "SaveINI", false);
    });
    for (QWidget* window : std::initializer_list<QWidget*>{tools_.elementInfo, tools_.graph})
        if (window)
            window->hide();
    event->accept();
    emit closed();
}

} // namespace atomara
