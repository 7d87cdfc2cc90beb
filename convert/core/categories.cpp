#include "convert/core/categories.h"

#include "platform/core/ansi_text.h"

#include <algorithm>
#include <vector>

namespace convert {
namespace {

struct Category {
    const char* stem;
    std::vector<const char*> names; // UTF-8 here; compared as ANSI
};

const std::vector<Category> kCategories = {
    {"Length", {"Länge", "Length", "Longueur"}},
    {"Area", {"Fläche", "Area", "Surface"}},
    {"Volume", {"Volumen", "Volume"}},
    {"Mass", {"Masse", "Mass"}},
    {"Force", {"Kraft", "Force"}},
    {"Pressure", {"Druck", "Pressure", "Pression"}},
    {"Density", {"Dichte", "Density", "Densité"}},
    {"Energy", {"Energie", "Energy"}},
    {"Power", {"Leistung", "Power", "Puissance"}},
    {"Temperat", {"Temperatur", "Temperature", "Température"}},
    {"DynVisc", {"Dynamische Viskosität", "Dynamic viscosity", "Viscosité dynamique"}},
    {"KinVisc", {"Kinematische Viskosität", "Kinematic viscosity", "Viscosité cinématique"}},
    {"Time", {"Zeit", "Time", "Temps"}},
};

// (ANSI name, stem) for every name of every category.
const std::vector<std::pair<std::string, const char*>>& AnsiNames()
{
    static const auto names = [] {
        std::vector<std::pair<std::string, const char*>> list;
        for (const auto& entry : kCategories)
            for (const char* name : entry.names)
                list.emplace_back(platform::Utf8ToAnsi(name), entry.stem);
        return list;
    }();
    return names;
}

} // namespace

std::optional<std::string> CategoryFileName(std::string_view category)
{
    for (const auto& [name, stem] : AnsiNames())
        if (name == category)
            return stem;
    return std::nullopt;
}

std::string StemForCategory(std::string_view category)
{
    return CategoryFileName(category).value_or(std::string(category));
}

bool IsReservedStem(std::string_view stem)
{
    // ASCII capitals are enough: every reserved stem is ASCII.
    std::string upper(stem);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return std::ranges::find(kReservedStems, upper) != kReservedStems.end();
}

} // namespace convert
