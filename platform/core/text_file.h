#pragma once
// Whole-file reads and line splitting for the 8-bit text files of both programs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Lines ended by CR LF, a lone CR or a lone LF; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace platform
