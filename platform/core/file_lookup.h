#pragma once
// The data files were named on a file system that ignores case; this one does not.
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The path of the entry `name` in `folder`, matched without regard to ASCII case; an
// exact match wins. nullopt when there is none or the folder cannot be read.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    const std::string& name);

// FindFileNoCase's answer, or folder/name when nothing matches (for creating it).
std::filesystem::path ResolveFileNoCase(const std::filesystem::path& folder, const std::string& name);

} // namespace platform
