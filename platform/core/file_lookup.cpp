#include "platform/core/file_lookup.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace platform {
namespace {

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    const std::string& name)
{
    std::error_code error;
    const auto exact = folder / name;
    if (std::filesystem::exists(exact, error))
        return exact;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
    if (error)
        return std::nullopt;
    for (const auto& entry : it)
        if (EqualNoCase(entry.path().filename().string(), name))
            return folder / entry.path().filename();
    return std::nullopt;
}

std::filesystem::path ResolveFileNoCase(const std::filesystem::path& folder, const std::string& name)
{
    return FindFileNoCase(folder, name).value_or(folder / name);
}

} // namespace platform
