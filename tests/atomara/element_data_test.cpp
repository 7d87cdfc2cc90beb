#include "atomara/data/element_data.h"
#include "atomara/data/tile_data.h"
#include "platform/core/errors.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace atomara;

namespace {

// A data file of `elements` blocks; field F of element n reads "e<n>f<F>" except where
// `edit` says otherwise.
std::string MakeDataFile(int elements, const std::function<void(int, int, std::string&)>& edit = {})
{
    std::string file;
    for (int n = 1; n <= elements; ++n) {
        for (int f = 0; f < kFieldsPerElement; ++f) {
            std::string line = "e" + std::to_string(n) + "f" + std::to_string(f);
            if (f == field::Synthetic)
                line = "0";
            if (f == field::BoilingPoint || f == field::MeltingPoint)
                line = std::to_string(n) + ".5";
            if (edit)
                edit(n, f, line);
            file += line + "\r\n";
        }
    }
    return file;
}

} // namespace

TEST(ElementData, SeparatorRewriteChangesOnlyTheFirstPoint)
{
    testsupport::TempFolder folder;
    const auto path = folder.Write("atomara.bkp", MakeDataFile(109, [](int n, int f, std::string& line) {
                                       if (n == 1 && f == field::AtomicWeightText) line = "1.00794";
                                       if (n == 1 && f == field::ElectronConfig) line = "1.2.3";
                                       if (n == 1 && f == field::Name) line = "Hydrogen";
                                   }));
    struct Case { char separator; const char* weight; const char* config; };
    for (const Case c : {Case{'.', "1.00794", "1.2.3"}, Case{',', "1,00794", "1,2.3"}}) {
        const auto data = ElementData::Load(path, c.separator);
        EXPECT_EQ(data.Field(1, field::AtomicWeightText), c.weight);
        EXPECT_EQ(data.Field(1, field::ElectronConfig), c.config);
        EXPECT_EQ(data.Field(1, field::Name), "Hydrogen");
        EXPECT_DOUBLE_EQ(TileDataFor(data, 7, c.separator).boilingPoint, 7.5);
    }
}

TEST(ElementData, AnyLineEndEndsALineAndExtraLinesAreIgnored)
{
    std::string file = MakeDataFile(109);
    file.replace(file.find("e1f1\r\n"), 6, "e1f1\r");
    file.replace(file.find("e1f2\r\n"), 6, "e1f2\n");
    file += "trailing 1\r\ntrailing 2\r\n";
    testsupport::TempFolder folder;
    const auto data = ElementData::Load(folder.Write("atomara.bkp", file), '.');
    EXPECT_EQ(data.Field(1, 2), "e1f2");
    EXPECT_EQ(data.Field(1, 3), "e1f3");
    EXPECT_EQ(data.Field(109, 34), "e109f34");
    EXPECT_EQ(data.Lines().size(), 3817u);
}

TEST(ElementData, FaultsRaiseTheStandardErrors)
{
    testsupport::TempFolder folder;
    const auto missing = folder.Path() / "atomara.bkp";
    try {
        ElementData::Load(missing, '.');
        FAIL();
    } catch (const platform::EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing.string());
    }

    const auto shortData = ElementData::Load(folder.Write("short.bkp", MakeDataFile(108)), '.');
    EXPECT_NO_THROW(TileDataFor(shortData, 108, '.'));
    EXPECT_THROW(TileDataFor(shortData, 109, '.'), platform::EListError);
    EXPECT_THROW(shortData.Field(0, 34), platform::EListError);

    struct Case { int field; const char* text; const char* message; };
    const Case cases[] = {
        {field::Synthetic, "x", "'x' is not a valid integer value"},
        {field::BoilingPoint, "--", "'--' is not a valid floating point value"},
        {field::MeltingPoint, "1,5", "'1,5' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        const auto data = ElementData::Load(folder.Write("bad.bkp", MakeDataFile(109, [&](int n, int f, std::string& line) {
                                                if (n == 26 && f == c.field) line = c.text;
                                            })),
                                            '.');
        try {
            TileDataFor(data, 26, '.');
            ADD_FAILURE() << c.text;
        } catch (const platform::EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(TileData, SyntheticElementsKeepZeroPoints)
{
    testsupport::TempFolder folder;
    const auto data = ElementData::Load(folder.Write("atomara.bkp", MakeDataFile(109, [](int n, int f, std::string& line) {
                                            if (n == 43 && f == field::Synthetic) line = "1";
                                            if (n == 43 && (f == field::BoilingPoint || f == field::MeltingPoint)) line = "--";
                                            if (n == 44 && f == field::Synthetic) line = "256"; // low byte 0
                                        })),
                                        '.');
    const auto tc = TileDataFor(data, 43, '.');
    EXPECT_TRUE(tc.synthetic);
    EXPECT_EQ(tc.boilingPoint, 0);
    EXPECT_EQ(tc.meltingPoint, 0);
    EXPECT_EQ(tc.number, "43");
    EXPECT_EQ(tc.name, "e43f0");
    EXPECT_EQ(tc.symbol, "e43f1");
    EXPECT_EQ(tc.electronConfig, "e43f6");
    EXPECT_FALSE(TileDataFor(data, 44, '.').synthetic);
}

TEST(ElementData, CodesOfCrystalStructureAndAcidBase)
{
    EXPECT_EQ(CrystalStructureText("1"), "Cubic, face centered");
    EXPECT_EQ(CrystalStructureText("8"), "Monoclinic");
    EXPECT_EQ(CrystalStructureText("9"), "--");
    EXPECT_EQ(CrystalStructureText(" 1"), "--");
    EXPECT_EQ(AcidBaseText("3"), "Amphoteric");
    EXPECT_EQ(AcidBaseText("--"), "--");
}
