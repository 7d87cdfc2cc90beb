#include "atomara/data/naming_scheme.h"

#include <array>

namespace atomara {
namespace {

constexpr int kSchemeElements = kLastSchemeElement - kFirstSchemeElement + 1;

constexpr std::array<std::array<SchemeName, kSchemeElements>, 3> kSchemes = {{
    {{{"Unq", "Unnilquadium"}, {"Unp", "Unnilpentium"}, {"Unh", "Unnilhexium"},
      {"Uns", "Unnilseptium"}, {"Uno", "Unniloctium"}, {"Une", "Unnilenium"}}},
    {{{"Db", "Dubnium"}, {"Jl", "Joliotium"}, {"Rf", "Rutherfordium"},
      {"Bh", "Bohrium"}, {"Hn", "Hahnium"}, {"Mt", "Meitnerium"}}},
    {{{"Rf", "Rutherfordium"}, {"Ha", "Hahnium"}, {"Sg", "Seaborgium"},
      {"Ns", "Nielsbohrium"}, {"Hs", "Hassium"}, {"Mt", "Meitnerium"}}},
}};

} // namespace

std::optional<SchemeName> NameUnderScheme(NamingScheme scheme, int n)
{
    if (n < kFirstSchemeElement || n > kLastSchemeElement)
        return std::nullopt;
    return kSchemes[static_cast<std::size_t>(scheme) - 1][static_cast<std::size_t>(n - kFirstSchemeElement)];
}

NamingScheme NamingSchemeFromSetting(int value)
{
    return value >= 1 && value <= 3 ? static_cast<NamingScheme>(value) : NamingScheme::IupacProvisional;
}

} // namespace atomara
