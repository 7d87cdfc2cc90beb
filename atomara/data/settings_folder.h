#pragma once
// The folder of atomara.ini, from the command line; it always ends in a separator.
#include <optional>
#include <string>

namespace atomara {

// From the raw command line of a process (the program path with its ".exe", then the
// folder, quoted or not). A line without ".exe" gives `executableFolder`.
std::string SettingsFolderFromCommandLine(const std::string& commandLine, const std::string& executableFolder,
                                          char pathSeparator);

// From the first argument as a shell has split it; no argument gives `executableFolder`.
std::string SettingsFolderFromArgument(const std::optional<std::string>& argument,
                                       const std::string& executableFolder, char pathSeparator);

} // namespace atomara
