#include "platform/core/errors.h"
#include "platform/core/ini_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace platform;

class IniFileTest : public ::testing::Test {
protected:
    testsupport::TempFolder folder;
    std::filesystem::path file = folder.Path() / "atomara.ini";
};

TEST_F(IniFileTest, MissingFileReadsAsAllKeysMissing)
{
    IniFile ini(file);
    EXPECT_EQ(ini.ReadString("About", "Read", "nope"), "nope");
    EXPECT_EQ(ini.ReadInteger("Main Window", "Top", 5), 5);
    EXPECT_TRUE(ini.ReadBool("Settings", "SaveINI", true));
    EXPECT_FALSE(ini.ValueExists("About", "Read"));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCaseAndBlanks)
{
    folder.Write("atomara.ini", "[Main Window]\r\n  TOP = 12 \r\nLeft=\"  7\"\r\n[colors]\nMetals=$FF\r\nGases=0xFF00\n");
    IniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("main window", "top", 0), 12);
    EXPECT_EQ(ini.ReadString("MAIN WINDOW", "left", ""), "  7"); // quotes keep the blanks
    EXPECT_EQ(ini.ReadInteger("Colors", "Metals", 0), 255);
    EXPECT_EQ(ini.ReadInteger("Colors", "Gases", 0), 0xFF00);
}

TEST_F(IniFileTest, IntegerReadingFallsBackOnBadText)
{
    folder.Write("atomara.ini", "[S]\r\nA=abc\r\nB=\r\nC=0x\r\nD=-2147483643\r\nE=1\r\nF=0\r\n");
    IniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("S", "A", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "B", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "C", 9), 9);
    EXPECT_EQ(ini.ReadInteger("S", "D", 0), -2147483643);
    EXPECT_TRUE(ini.ReadBool("S", "E", false));
    EXPECT_FALSE(ini.ReadBool("S", "F", true));
    EXPECT_EQ(ini.ReadString("S", "B", "x"), ""); // present but empty is not missing
}

TEST_F(IniFileTest, WritesCreateReplaceAndAppendInPlace)
{
    IniFile ini(file);
    ini.WriteInteger("Main Window", "Top", 5);
    ini.WriteInteger("Main Window", "Left", 6);
    ini.WriteString("Colors", "Background", "Gray");
    ini.WriteInteger("main window", "TOP", 50);
    ini.WriteBool("Main Window", "Maximized", false);
    EXPECT_EQ(folder.Read("atomara.ini"),
              "[Main Window]\r\nTOP=50\r\nLeft=6\r\nMaximized=0\r\n\r\n[Colors]\r\nBackground=Gray\r\n");
}

TEST_F(IniFileTest, LongValuesAreCut)
{
    IniFile ini(file);
    ini.WriteString("Settings", "Background", std::string(2000, 'x'));
    EXPECT_EQ(ini.ReadString("Settings", "Background", "").size(), kMaxProfileValueLength);
}

TEST_F(IniFileTest, FailedWriteRaisesAndKeepsTheFile)
{
    folder.Write("atomara.ini", "[About]\r\nRead=1\r\n");
    IniFile ini(folder.Path() / "missing-folder" / "atomara.ini");
    try {
        ini.WriteBool("About", "Read", true);
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (folder.Path() / "missing-folder" / "atomara.ini").string());
    }
    EXPECT_EQ(folder.Read("atomara.ini"), "[About]\r\nRead=1\r\n");
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotReplaced)
{
    std::filesystem::create_directory(file); // exists, but reads fail
    EXPECT_TRUE(WritePrivateProfileString(file, "About", "Read", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(IniFileTest, ALinkedFileStaysALink)
{
    const auto target = folder.Write("elsewhere.ini", "[About]\r\nRead=0\r\n");
    std::filesystem::create_symlink(target, file);
    IniFile(file).WriteBool("About", "Read", true);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(folder.Read("elsewhere.ini"), "[About]\r\nRead=1\r\n");
}

TEST_F(IniFileTest, UpdateWritesTheSameFileOnceOrNotAtAll)
{
    folder.Write("atomara.ini", "[Colors]\r\nMetals=255\r\n");
    folder.Write("one-by-one.ini", "[Colors]\r\nMetals=255\r\n");
    IniUpdate update(file);
    IniFile oneByOne(folder.Path() / "one-by-one.ini");
    for (IniWriter* writer : std::initializer_list<IniWriter*>{&update, &oneByOne}) {
        writer->WriteInteger("Main Window", "Top", 5);
        writer->WriteString("Colors", "Background", "Gray");
        writer->WriteBool("Settings", "SaveINI", true);
    }
    EXPECT_EQ(folder.Read("atomara.ini"), "[Colors]\r\nMetals=255\r\n"); // nothing before Commit
    update.Commit();
    EXPECT_EQ(folder.Read("atomara.ini"), folder.Read("one-by-one.ini"));

    IniUpdate doomed(file);
    doomed.WriteInteger("Main Window", "Top", 7);
    std::filesystem::remove(file);
    std::filesystem::create_directories(file / "x"); // the file can no longer be replaced
    EXPECT_THROW(doomed.Commit(), EIniFileException);
}
