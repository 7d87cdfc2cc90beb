#include "platform/core/file_lookup.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(FileLookup, MatchesWithoutRegardToCase)
{
    testsupport::TempFolder folder;
    folder.Write("LENGTH.VAL", "x");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "Length.VAL"), folder.Path() / "LENGTH.VAL");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "LENGTH.VAL"), folder.Path() / "LENGTH.VAL");
    EXPECT_FALSE(FindFileNoCase(folder.Path(), "Area.VAL"));
    EXPECT_EQ(ResolveFileNoCase(folder.Path(), "Area.VAL"), folder.Path() / "Area.VAL");
    EXPECT_FALSE(FindFileNoCase(folder.Path() / "missing", "x"));
}
