#include "convert/core/categories.h"
#include "convert/core/unit_table.h"
#include "platform/core/text_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace convert;

namespace {

// m, dm and cm with 600-twip columns, as the program writes it.
constexpr const char* kExampleFile =
    " 3 \r\n"
    "\"m\",\"metre\"\r\n 1\r\n 10\r\n 100\r\n"
    "\"dm\",\"decimetre\"\r\n .1\r\n 1\r\n 10\r\n"
    "\"cm\",\"centimetre\"\r\n .01\r\n .1\r\n 1\r\n"
    " 600 \r\n 600 \r\n 600 \r\n";

ColumnWidthList Widths(std::int16_t width)
{
    ColumnWidthList widths{};
    widths.fill(width);
    return widths;
}

// A complete file of `n` units u1..un, unit i worth 10^(i - 1) of the first.
std::string MakeUnitFile(int n)
{
    std::string text = " " + std::to_string(n) + " \r\n";
    for (int i = 1; i <= n; ++i) {
        text += "\"u" + std::to_string(i) + "\",\"unit " + std::to_string(i) + "\"\r\n";
        for (int j = 1; j <= n; ++j)
            text += " 1E" + std::to_string(i - j) + "\r\n";
    }
    for (int i = 1; i <= n; ++i)
        text += " " + std::to_string(500 + i) + " \r\n";
    return text;
}

std::size_t EntryCount(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

} // namespace

TEST(UnitFile, ExampleFileReadsAndWritesBackByteForByte)
{
    testsupport::TempFolder folder;
    folder.Write("Metric.VAL", kExampleFile);
    UnitTable table;
    std::string stem = "Metric";
    ASSERT_TRUE(ReadUnitFile(table, stem, folder.Path()));

    ASSERT_EQ(table.UnitCount, 3);
    const char* names[] = {"", "m", "dm", "cm"};
    const char* longNames[] = {"", "metre", "decimetre", "centimetre"};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(table.UnitNames[i], names[i]);
        EXPECT_EQ(table.ColumnNames[i], names[i]);
        EXPECT_EQ(table.LongNames[i], longNames[i]);
        EXPECT_EQ(table.ColumnWidths[i], 600);
    }
    EXPECT_EQ(table.Factors[1][3], 100);
    EXPECT_EQ(table.Factors[3][1], 0.01);
    EXPECT_EQ(table.Factors[2][2], 1);

    table.ColumnWidths.fill(0); // the writer takes the caller's widths, not the table's
    ASSERT_TRUE(WriteUnitFile(table, "Copy", folder.Path(), Widths(600)));
    EXPECT_EQ(folder.Read("Copy.VAL"), kExampleFile);
}

TEST(UnitFile, ItemsMayBeQuotedOrNotAndSeparatedByCommasOrAnyLineEnd)
{
    testsupport::TempFolder folder;
    folder.Write("Loose.VAL", "3,\"m\",\"metre\",1,10,100\n"
                              "  dm ,  decimetre\t, .1 ,1, 1E+1\r"
                              "\"cm\" ,\"centimetre\", 1e-2, +.1, 1.\r\n"
                              "\r\n"
                              "600,600,600\r\n"
                              "anything after the widths is ignored\r\n");
    UnitTable table;
    std::string stem = "Loose";
    ASSERT_TRUE(ReadUnitFile(table, stem, folder.Path()));
    EXPECT_EQ(UnitFileText(table, table.ColumnWidths), kExampleFile);
}

TEST(UnitFile, NamesKeepCommasAndOuterBlanksAndFactorsTheirDigits)
{
    UnitTable table;
    table.UnitCount = 2;
    table.UnitNames[1] = table.ColumnNames[1] = "a,b";
    table.LongNames[1] = "  blanks around  ";
    table.UnitNames[2] = table.ColumnNames[2] = " x";
    table.LongNames[2] = "";
    table.Factors[1] = {0, 1, 1.0 / 3};
    table.Factors[2] = {0, 3, 1};

    testsupport::TempFolder folder;
    ASSERT_TRUE(WriteUnitFile(table, "Names", folder.Path(), Widths(700)));
    const auto lines = platform::SplitLines(folder.Read("Names.VAL"));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "\"a,b\",\"  blanks around  \"");
    EXPECT_EQ(lines[3], " .333333333333333"); // a blank, a period and fifteen 3s
    EXPECT_EQ(lines[4], "\" x\",\"\"");

    UnitTable back;
    std::string stem = "Names";
    ASSERT_TRUE(ReadUnitFile(back, stem, folder.Path()));
    EXPECT_EQ(back.UnitNames[1], "a,b");
    EXPECT_EQ(back.LongNames[1], "  blanks around  ");
    EXPECT_EQ(back.UnitNames[2], " x");
    EXPECT_EQ(back.LongNames[2], "");
    EXPECT_EQ(back.Factors[1][2], 0.333333333333333);
    EXPECT_EQ(back.ColumnWidths[2], 700);
}

TEST(UnitFile, EmptyTableIsTheCountLineAlone)
{
    testsupport::TempFolder folder;
    UnitTable table;
    table.UnitNames[1] = "left over"; // beyond UnitCount: not written
    ASSERT_TRUE(WriteUnitFile(table, "Empty", folder.Path(), Widths(600)));
    EXPECT_EQ(folder.Read("Empty.VAL"), " 0 \r\n");

    table.UnitCount = 5;
    std::string stem = "Empty";
    EXPECT_TRUE(ReadUnitFile(table, stem, folder.Path()));
    EXPECT_EQ(table.UnitCount, 0);
}

TEST(UnitFile, HoldsAtMost101Units)
{
    testsupport::TempFolder folder;
    folder.Write("Big.VAL", MakeUnitFile(101));
    folder.Write("TooBig.VAL", MakeUnitFile(102));

    UnitTable table;
    std::string stem = "Big";
    ASSERT_TRUE(ReadUnitFile(table, stem, folder.Path()));
    EXPECT_EQ(table.UnitCount, 101);
    EXPECT_EQ(table.UnitNames[101], "u101");
    EXPECT_EQ(table.LongNames[101], "unit 101");
    EXPECT_EQ(table.Factors[101][1], 1e100);
    EXPECT_EQ(table.Factors[1][101], 1e-100);
    EXPECT_EQ(table.ColumnWidths[101], 601);

    stem = "TooBig";
    EXPECT_FALSE(ReadUnitFile(table, stem, folder.Path()));
    EXPECT_EQ(table.UnitCount, 0);
}

TEST(UnitFile, FailuresGiveAnEmptyTableAndLeaveTheRestAlone)
{
    const std::string example = kExampleFile;
    struct Case { const char* name; std::string bytes; };
    std::vector<Case> cases = {
        {"empty file", ""},
        {"negative count", " -1 \r\n"},
        {"count not a number", "three\r\n"},
        {"factor not a number", std::string(example).replace(example.find(" 10\r\n"), 3, " ten")},
        {"two numbers in one item", std::string(example).replace(example.find(" 10\r\n"), 3, "1 0")},
        {"quote never closed", " 1 \r\n\"m\",\"metre\r\n 1\r\n 600 \r\n"},
        {"width out of range", std::string(example).replace(example.rfind(" 600 "), 5, " 70000")},
    };
    // Cut after every line but the last.
    for (std::size_t end = example.find("\r\n"); end + 2 < example.size(); end = example.find("\r\n", end + 2))
        cases.push_back({"cut short", example.substr(0, end + 2)});

    // The table holds another category before each bad read; none of the bad file
    // may reach it.
    testsupport::TempFolder folder;
    folder.Write("Good.VAL", MakeUnitFile(4));
    for (const auto& c : cases) {
        folder.Write("Bad.VAL", c.bytes);
        UnitTable table;
        std::string stem = "Good";
        ASSERT_TRUE(ReadUnitFile(table, stem, folder.Path()));
        stem = "Bad";
        EXPECT_FALSE(ReadUnitFile(table, stem, folder.Path())) << c.name << ": " << c.bytes;
        EXPECT_EQ(table.UnitCount, 0) << c.name;
        EXPECT_EQ(table.UnitNames[1], "u1") << c.name;
        EXPECT_EQ(table.ColumnNames[1], "u1") << c.name;
        EXPECT_EQ(table.LongNames[1], "unit 1") << c.name;
        EXPECT_EQ(table.Factors[1][2], 0.1) << c.name;
        EXPECT_EQ(table.ColumnWidths[1], 501) << c.name;
    }

    UnitTable table;
    std::string stem = "Missing";
    EXPECT_FALSE(ReadUnitFile(table, stem, folder.Path()));
    std::filesystem::create_directory(folder.Path() / "Folder.VAL");
    stem = "Folder";
    EXPECT_FALSE(ReadUnitFile(table, stem, folder.Path()));
}

TEST(UnitFile, FileNamesMatchWithoutRegardToCase)
{
    testsupport::TempFolder folder;
    folder.Write("LENGTH.val", kExampleFile);

    UnitTable table;
    std::string stem = "Length   ";
    ASSERT_TRUE(ReadUnitFile(table, stem, folder.Path()));
    EXPECT_EQ(stem, "Length"); // the caller's variable keeps the trimmed stem
    EXPECT_EQ(table.UnitCount, 3);

    table.UnitCount = 1;
    ASSERT_TRUE(WriteUnitFile(table, "Length", folder.Path(), Widths(600)));
    EXPECT_EQ(EntryCount(folder.Path()), 1u); // replaced, not duplicated
    EXPECT_EQ(folder.Read("LENGTH.val"), " 1 \r\n\"m\",\"metre\"\r\n 1\r\n 600 \r\n");
}

TEST(UnitFile, FailedWriteKeepsWhatWasThere)
{
    testsupport::TempFolder folder;
    folder.Write("Metric.VAL", kExampleFile);
    UnitTable table;
    std::string stem = "Metric";
    ASSERT_TRUE(ReadUnitFile(table, stem, folder.Path()));

    // A folder in the file's place cannot be replaced by a file.
    std::filesystem::create_directories(folder.Path() / "busy.val" / "inside");
    EXPECT_FALSE(WriteUnitFile(table, "Busy", folder.Path(), Widths(600)));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "busy.val" / "inside"));
    EXPECT_EQ(EntryCount(folder.Path()), 2u); // no temporary file left behind

    EXPECT_FALSE(WriteUnitFile(table, "Metric", folder.Path() / "missing", Widths(600)));
    EXPECT_EQ(folder.Read("Metric.VAL"), kExampleFile);
}

TEST(UnitFile, StandardFilesReadAndWriteBackByteForByte)
{
    testsupport::TempFolder folder;
    for (const char* name : kCategoryStems) {
        std::string stem = name;
        UnitTable table;
        ASSERT_TRUE(ReadUnitFile(table, stem, CONVERT_DATA_DIR)) << name;
        EXPECT_GT(table.UnitCount, 0) << name;
        ASSERT_TRUE(WriteUnitFile(table, stem, folder.Path(), table.ColumnWidths));
        const auto original = platform::ReadFileBytes(std::filesystem::path(CONVERT_DATA_DIR) / (stem + ".VAL"));
        ASSERT_TRUE(original) << name;
        EXPECT_EQ(folder.Read(stem + ".VAL"), *original) << name;
    }
}

TEST(FormatFactor, FifteenDigitsPlainOrWithExponent)
{
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {1, " 1"},
        {100, " 100"},
        {1e6, " 1000000"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {-2, "-2"},
        {0.01, " .01"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {1e-4, " .0001"},                      // the smallest plain magnitude
        {0.00012, " .00012"},
        {9.99999999999999e-5, " 9.99999999999999E-05"},
        {9.9999999999999999e-5, " .0001"},     // rounds up into plain notation
        {2.54e-5, " 2.54E-05"},
        {1e-7, " 1E-07"},
        {1e-100, " 1E-100"},
        {123456789012345.6, " 123456789012346"},
        {999999999999999.9, " 1E+15"},         // rounds up into exponent notation
        {9.4607304725808e15, " 9.4607304725808E+15"},
        {1.5e20, " 1.5E+20"},
        {-1.5e20, "-1.5E+20"},
        {0, " 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFactor(c.value), c.text) << c.value;
}
