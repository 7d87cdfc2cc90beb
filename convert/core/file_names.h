#pragma once
// Names of unit data files: the rules a custom file's stem must keep, and file tests
// that ignore the case of names, as the files were named where case did not count.
#include <filesystem>
#include <string>
#include <string_view>

namespace convert {

// 0: acceptable, 1: not DOS-conforming, 2: contains a period. The first rule that
// applies decides: 9 characters or more, a blank, a double quote or one of /[]|<>+=;,
// or a ":" at position 3 or later give 1; then the first of ":", "\" and "." gives 1
// for ":" and "\", 2 for ".". "*" and "?" pass. DosNameMessage has the texts.
int CheckDosName(std::string_view stem);

// True when `name` in `folder` is a file, not a folder; the name's case is ignored.
bool FileExists(const std::filesystem::path& folder, const std::string& name);

// True when `name` ends in ".VAL" in capitals.
bool HasUnitFileExtension(std::string_view name);

} // namespace convert
