#include "atomara/data/settings_folder.h"

#include <gtest/gtest.h>

using namespace atomara;

TEST(SettingsFolder, FromTheRawCommandLine)
{
    const std::string exe = "C:\\Program Files\\Atomara\\";
    struct Case { const char* commandLine; const char* expected; };
    const Case cases[] = {
        {"\"C:\\Program Files\\Atomara\\ATOMARA.EXE\"", "C:\\Program Files\\Atomara\\"},
        {"\"C:\\Program Files\\Atomara\\atomara.exe\" \"D:\\My Settings\"", "D:\\My Settings\\"},
        {"C:\\Atomara\\atomara.exe D:\\Settings\\", "D:\\Settings\\"},
        {"C:\\Atomara\\atomara.exe   D:\\Settings  ", "D:\\Settings\\"},
        {"C:\\Atomara\\atomara.exe", "C:\\Program Files\\Atomara\\"},
        {"/usr/bin/atomara /home/ann/settings", "C:\\Program Files\\Atomara\\"}, // no ".exe" at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFolderFromCommandLine(c.commandLine, exe, '\\'), c.expected) << c.commandLine;
}

TEST(SettingsFolder, FromTheFirstArgument)
{
    const std::string exe = "/usr/lib/atomara";
    struct Case { std::optional<std::string> argument; const char* expected; };
    const Case cases[] = {
        {std::nullopt, "/usr/lib/atomara/"},
        {"", "/usr/lib/atomara/"},
        {"/home/ann/.config/atomara", "/home/ann/.config/atomara/"},
        {"/home/ann/.config/atomara/", "/home/ann/.config/atomara/"},
        {"\"/home/ann/my settings\"", "/home/ann/my settings/"},
        {"  /tmp/x  ", "/tmp/x/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFolderFromArgument(c.argument, exe, '/'), c.expected) << c.argument.value_or("(none)");
}
