#pragma once
// Replacing a file so that a failure never leaves it half-written: the new contents go
// to a temporary file in the same folder, which is then renamed over the old one.
#include <filesystem>
#include <string_view>
#include <system_error>

namespace platform {

// Returns the first error met; on error the old file is untouched and no temporary
// file is left behind.
std::error_code ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents);

} // namespace platform
