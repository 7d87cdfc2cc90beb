#pragma once
// The thirteen standard categories: the names under which they are shown in the three
// languages, and the stems of their data files.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace convert {

// Stems of the standard data files, in menu order.
constexpr std::array<const char*, 13> kCategoryStems = {
    "Length", "Area", "Volume", "Mass", "Force", "Pressure", "Density",
    "Energy", "Power", "Temperat", "DynVisc", "KinVisc", "Time"};

// Stems a custom data file may not take, compared in capitals.
constexpr std::array<const char*, 13> kReservedStems = {
    "AREA", "DENSITY", "ENERGY", "FORCE", "LENGTH", "MASS", "POWER",
    "PRESSURE", "TIME", "VOLUME", "TEMPERAT", "DYNVISC", "KINVISC"};

// The stem of a standard category from its German, English or French name (ANSI,
// without "&"), compared exactly: "Länge" -> "Length". nullopt for any other name.
std::optional<std::string> CategoryFileName(std::string_view category);

// The stem a category's data file has: a standard stem, else the name itself, which
// is how a custom data file is listed.
std::string StemForCategory(std::string_view category);

// True when `stem` in capitals is one of kReservedStems.
bool IsReservedStem(std::string_view stem);

} // namespace convert
