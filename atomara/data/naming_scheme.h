#pragma once
// Names and symbols of elements 104 to 109 under the three naming schemes the user
// can switch between. They replace what the data file says for those elements.
#include <optional>
#include <string>

namespace atomara {

enum class NamingScheme { IupacProvisional = 1, IupacRecommended = 2, AcsRecommended = 3 };

constexpr int kFirstSchemeElement = 104;
constexpr int kLastSchemeElement = 109;

struct SchemeName {
    const char* symbol;
    const char* name;
};

// nullopt for elements outside 104..109, which every scheme leaves alone.
std::optional<SchemeName> NameUnderScheme(NamingScheme scheme, int n);

// The scheme of a "Naming Scheme" setting; anything but 1, 2 or 3 gives scheme 1.
NamingScheme NamingSchemeFromSetting(int value);

} // namespace atomara
