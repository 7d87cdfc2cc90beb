#include "convert/core/file_names.h"

#include "platform/core/file_lookup.h"

namespace convert {

int CheckDosName(std::string_view stem)
{
    if (stem.size() >= 9)
        return 1;
    if (stem.find_first_of("\"/[]|<>+=;, ") != std::string_view::npos)
        return 1;
    if (const auto colon = stem.find(':'); colon != std::string_view::npos && colon >= 2)
        return 1;
    if (const auto first = stem.find_first_of(":\\."); first != std::string_view::npos)
        return stem[first] == '.' ? 2 : 1;
    return 0;
}

bool FileExists(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code error;
    const auto path = platform::FindFileNoCase(folder, name);
    return path && std::filesystem::is_regular_file(*path, error);
}

bool HasUnitFileExtension(std::string_view name)
{
    if (name.size() < 4)
        return false;
    std::string extension(name.substr(name.size() - 4));
    for (char& c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension == ".VAL";
}

} // namespace convert
