#include "platform/core/atomic_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace platform;

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporary)
{
    testsupport::TempFolder folder;
    const auto file = folder.Write("a.ini", "old");
    EXPECT_FALSE(ReplaceFileAtomically(file, "new contents"));
    EXPECT_EQ(folder.Read("a.ini"), "new contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(AtomicFile, FailureKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    testsupport::TempFolder folder;
    const auto file = folder.Write("a.ini", "old");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_TRUE(ReplaceFileAtomically(file, "new"));
    EXPECT_EQ(folder.Read("a.ini"), "old");
}

TEST(AtomicFile, FailedRenameLeavesNoTemporary)
{
    testsupport::TempFolder folder;
    const auto target = folder.Path() / "a.ini";
    std::filesystem::create_directories(target / "keep"); // a folder cannot be replaced by a file
    EXPECT_TRUE(ReplaceFileAtomically(target, "new"));
    EXPECT_TRUE(std::filesystem::is_directory(target / "keep"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(AtomicFile, MissingFolderIsAnError)
{
    testsupport::TempFolder folder;
    EXPECT_TRUE(ReplaceFileAtomically(folder.Path() / "no" / "a.ini", "x"));
}
