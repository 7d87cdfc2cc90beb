#pragma once
// Every text of the main window that follows the language, looked up by key. ANSI.
#include "convert/core/messages.h"

#include <array>
#include <string>

namespace convert {

enum class Caption {
    TipTemperature, TipHelp, TipExit,
    Calculate, CopyResult, CopyMarked, ClearList, Explain, Reset, ClickForType, ClickForUnit,
    File, Database,
    Length, Area, Volume, Mass, Force, Pressure, Density, Energy, Power, Temperature, DynViscos, KinViscos, Time,
    OtherCustom, FileExit,
    Options, CustomNamesEdit, TempConvert, Password, Language, LanguageEnglish, LanguageGerman, LanguageFrench,
    Constants, Geometry,
    Help, HelpIndex, HelpAbout,
    StatusNotice,
    Count
};

std::string CaptionText(Caption caption, Language language);

// The thirteen category items in menu order.
constexpr std::array<Caption, 13> kCategoryCaptions = {
    Caption::Length,  Caption::Area,   Caption::Volume,      Caption::Mass,      Caption::Force,
    Caption::Pressure, Caption::Density, Caption::Energy,    Caption::Power,     Caption::Temperature,
    Caption::DynViscos, Caption::KinViscos, Caption::Time};

// The help file of a language.
std::string HelpFileName(Language language);

// The text with every "&" removed.
std::string StripAmpersand(std::string text);

// Message boxes of the main window beyond those of the core's files.
MessageText NoCustomFilesMessage(Language language);
MessageText UnknownUnitMessage(Language language, const std::string& unit, const std::string& category);
MessageText MissingOutputUnitMessage(Language language, int row);
MessageText UnreadableUnitFileMessage(Language language, const std::string& fileName);
MessageText NotYetAvailableMessage(Language language);

} // namespace convert
