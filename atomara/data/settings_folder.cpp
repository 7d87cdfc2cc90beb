#include "atomara/data/settings_folder.h"

#include "platform/core/text_trim.h"

#include <algorithm>
#include <cctype>

namespace atomara {
namespace {

std::string WithSeparator(std::string folder, char pathSeparator)
{
    if (folder.empty() || folder.back() != pathSeparator)
        folder += pathSeparator;
    return folder;
}

// Blanks trimmed, one leading and one trailing quote taken off, separator appended.
std::string FolderFromText(std::string text, const std::string& executableFolder, char pathSeparator)
{
    text = std::string(platform::Trim(text));
    if (!text.empty() && text.front() == '"')
        text.erase(0, 1);
    if (!text.empty() && text.back() == '"')
        text.pop_back();
    return WithSeparator(text.empty() ? executableFolder : text, pathSeparator);
}

} // namespace

std::string SettingsFolderFromCommandLine(const std::string& commandLine, const std::string& executableFolder,
                                          char pathSeparator)
{
    std::string lower = commandLine;
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto exe = lower.find(".exe");
    if (exe == std::string::npos)
        return WithSeparator(executableFolder, pathSeparator);
    // Drops the program path, its ".exe" and the closing quote or blank after it.
    const std::size_t cut = std::min(commandLine.size(), exe + 5);
    return FolderFromText(commandLine.substr(cut), executableFolder, pathSeparator);
}

std::string SettingsFolderFromArgument(const std::optional<std::string>& argument,
                                       const std::string& executableFolder, char pathSeparator)
{
    return FolderFromText(argument.value_or(std::string()), executableFolder, pathSeparator);
}

} // namespace atomara
