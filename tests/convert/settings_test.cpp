#include "convert/core/settings.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace convert;

namespace {

const std::string kBlankSlots(kCustomFileSlots * kCustomFileWidth, ' ');

void ExpectFreshRecord(const SettingsRecord& record)
{
    EXPECT_EQ(record.Language, 0);
    EXPECT_EQ(record.Password, std::string(20, '\0'));
    for (const auto& slot : record.CustomFiles)
        EXPECT_EQ(slot, std::string(12, ' '));
}

} // namespace

TEST(Settings, MissingFileIsCreatedEmptyAndReadsAsZeros)
{
    testsupport::TempFolder folder;
    ExpectFreshRecord(ReadSettings(folder.Path()));
    ASSERT_TRUE(std::filesystem::exists(folder.Path() / "CONVERT.INI"));
    EXPECT_EQ(std::filesystem::file_size(folder.Path() / "CONVERT.INI"), 0u);
    ExpectFreshRecord(ReadSettings(folder.Path()));

    // The first language switch writes the whole record and keeps the zero password.
    auto record = ReadSettings(folder.Path());
    record.Language = 1;
    ASSERT_TRUE(WriteSettings(record, folder.Path()));
    EXPECT_EQ(folder.Read("CONVERT.INI"), std::string("\x01\x00", 2) + std::string(20, '\0') + kBlankSlots);
}

TEST(Settings, RecordLayoutRoundTrips)
{
    testsupport::TempFolder folder;
    SettingsRecord record;
    record.Language = 2;
    record.Password = "Xy7";
    record.CustomFiles[0] = "Myunits";
    record.CustomFiles[9] = "ABCDEFGHIJKLMNO"; // cut to 12
    ASSERT_TRUE(WriteSettings(record, folder.Path()));

    const std::string bytes = folder.Read("CONVERT.INI");
    ASSERT_EQ(bytes.size(), kSettingsRecordSize);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x02\x00", 2));
    EXPECT_EQ(bytes.substr(2, 20), "Xy7                 ");
    EXPECT_EQ(bytes.substr(22, 12), "Myunits     ");
    EXPECT_EQ(bytes.substr(34, 96), std::string(96, ' '));
    EXPECT_EQ(bytes.substr(130, 12), "ABCDEFGHIJKL");

    const auto back = ReadSettings(folder.Path());
    EXPECT_EQ(back.Language, 2);
    EXPECT_EQ(back.Password, "Xy7                 ");
    EXPECT_EQ(back.CustomFiles[0], "Myunits     ");
    EXPECT_EQ(back.CustomFiles[9], "ABCDEFGHIJKL");
    EXPECT_EQ(CustomFileStem(back, 0), "Myunits");
    EXPECT_EQ(CustomFileStem(back, 1), "");
}

TEST(Settings, LanguageIsSixteenBitLittleEndian)
{
    testsupport::TempFolder folder;
    struct Case { std::int16_t language; const char* bytes; };
    for (const Case c : {Case{1, "\x01\x00"}, Case{258, "\x02\x01"}, Case{-2, "\xFE\xFF"}}) {
        SettingsRecord record;
        record.Language = c.language;
        ASSERT_TRUE(WriteSettings(record, folder.Path()));
        EXPECT_EQ(folder.Read("CONVERT.INI").substr(0, 2), std::string(c.bytes, 2)) << c.language;
        EXPECT_EQ(ReadSettings(folder.Path()).Language, c.language);
    }
}

TEST(Settings, OddFilesAreReadAsFarAsTheyGo)
{
    testsupport::TempFolder folder;
    // Short: the rest reads as zeros. Slot 1 starts with a zero byte and is free;
    // slot 0 keeps its text although zeros follow it.
    std::string bytes(kSettingsRecordSize, '\0');
    bytes[0] = 1;
    bytes.replace(22, 3, "Abc");
    bytes.replace(35, 3, "Def");
    folder.Write("convert.ini", bytes.substr(0, 40));
    const auto record = ReadSettings(folder.Path());
    EXPECT_EQ(record.Language, 1);
    EXPECT_EQ(record.CustomFiles[0], std::string("Abc") + std::string(9, '\0'));
    EXPECT_EQ(record.CustomFiles[1], std::string(12, ' '));

    // Written back under its own name; bytes after the record stay.
    folder.Write("convert.ini", bytes + "tail");
    auto full = ReadSettings(folder.Path());
    full.Language = 2;
    ASSERT_TRUE(WriteSettings(full, folder.Path()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    const std::string written = folder.Read("convert.ini");
    EXPECT_EQ(written.size(), kSettingsRecordSize + 4);
    EXPECT_EQ(written[0], 2);
    EXPECT_EQ(written.substr(kSettingsRecordSize), "tail");
}

TEST(Settings, FailedWriteKeepsWhatWasThere)
{
    testsupport::TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "CONVERT.INI" / "inside");
    ExpectFreshRecord(ReadSettings(folder.Path()));
    EXPECT_FALSE(WriteSettings(SettingsRecord{}, folder.Path()));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "CONVERT.INI" / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}
