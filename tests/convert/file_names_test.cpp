#include "convert/core/categories.h"
#include "convert/core/file_names.h"
#include "convert/core/messages.h"
#include "platform/core/ansi_text.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace convert;

TEST(CheckDosName, FirstRuleThatAppliesDecides)
{
    struct Case { const char* stem; int result; };
    const Case cases[] = {
        {"ABCDEFGH", 0},
        {"A*B", 0},
        {"A?B", 0},
        {"", 0},
        {"ABCDEFGHI", 1},    // nine characters
        {"AB.CDEFGH", 1},    // length comes before the period
        {"MY FILE", 1},
        {"A\"B", 1},
        {"A/B", 1},
        {"A[B]", 1},
        {"A|B", 1},
        {"A<B>", 1},
        {"A+B=C", 1},
        {"A;B", 1},
        {"A,B", 1},
        {"C:X", 1},          // a ":" at position 2, the first of ":", "\" and "."
        {"AB:C", 1},         // a ":" from position 3 on
        {"A.B:C", 1},
        {"A\\B.C", 1},
        {"A.B", 2},
        {".AB", 2},
        {"A.B\\C", 2},       // the period comes first
        {"ABCDEFG.", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckDosName(c.stem), c.result) << c.stem;
}

TEST(CategoryFileName, EveryNameOfEveryLanguageExactly)
{
    struct Case { const char* name; const char* stem; }; // names in UTF-8 here
    const Case cases[] = {
        {"Länge", "Length"}, {"Length", "Length"}, {"Longueur", "Length"},
        {"Fläche", "Area"}, {"Area", "Area"}, {"Surface", "Area"},
        {"Volumen", "Volume"}, {"Volume", "Volume"},
        {"Masse", "Mass"}, {"Mass", "Mass"},
        {"Kraft", "Force"}, {"Force", "Force"},
        {"Druck", "Pressure"}, {"Pressure", "Pressure"}, {"Pression", "Pressure"},
        {"Dichte", "Density"}, {"Density", "Density"}, {"Densité", "Density"},
        {"Energie", "Energy"}, {"Energy", "Energy"},
        {"Leistung", "Power"}, {"Power", "Power"}, {"Puissance", "Power"},
        {"Temperatur", "Temperat"}, {"Temperature", "Temperat"}, {"Température", "Temperat"},
        {"Dynamische Viskosität", "DynVisc"}, {"Dynamic viscosity", "DynVisc"},
        {"Viscosité dynamique", "DynVisc"},
        {"Kinematische Viskosität", "KinVisc"}, {"Kinematic viscosity", "KinVisc"},
        {"Viscosité cinématique", "KinVisc"},
        {"Zeit", "Time"}, {"Time", "Time"}, {"Temps", "Time"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CategoryFileName(platform::Utf8ToAnsi(c.name)), c.stem) << c.name;

    for (const char* other : {"länge", "Laenge", "Length ", "&Length", "Temperat", "USER", "Myunits",
                              "Länge" /* UTF-8, not ANSI */})
        EXPECT_EQ(CategoryFileName(other), std::nullopt) << other;
    EXPECT_EQ(StemForCategory(platform::Utf8ToAnsi("Zeit")), "Time");
    EXPECT_EQ(StemForCategory("Myunits"), "Myunits");
}

TEST(CategoryFileName, StandardStemsAreReservedInAnyCase)
{
    for (const char* stem : kCategoryStems)
        EXPECT_TRUE(IsReservedStem(stem)) << stem;
    for (const char* stem : {"length", "kinvisc", "TIME"})
        EXPECT_TRUE(IsReservedStem(stem)) << stem;
    for (const char* stem : {"Temperature", "Length1", "Myunits", ""})
        EXPECT_FALSE(IsReservedStem(stem)) << stem;
}

TEST(FileNames, FileTestsIgnoreCaseAndFolders)
{
    testsupport::TempFolder folder;
    folder.Write("Myunits.val", "");
    std::filesystem::create_directory(folder.Path() / "Sub.VAL");
    EXPECT_TRUE(FileExists(folder.Path(), "MYUNITS.VAL"));
    EXPECT_TRUE(FileExists(folder.Path(), "Myunits.val"));
    EXPECT_FALSE(FileExists(folder.Path(), "SUB.VAL"));
    EXPECT_FALSE(FileExists(folder.Path(), "Other.VAL"));

    EXPECT_TRUE(HasUnitFileExtension("C:\\DATA\\MYUNITS.VAL"));
    EXPECT_TRUE(HasUnitFileExtension("x.val"));
    for (const char* name : {"x.VALX", "x.VA", "VAL", "xVAL", ""})
        EXPECT_FALSE(HasUnitFileExtension(name)) << name;
}

TEST(Messages, AnsiTextsInTheLanguageAskedFor)
{
    EXPECT_EQ(WriteErrorMessage(Language::French).text, "Erreur d\x92\xE9" "criture sur disque");
    EXPECT_EQ(WriteErrorMessage(Language::English).title, "Fehler");
    EXPECT_EQ(DosNameMessage(1, Language::French).text, "Le chemin d\x92" "acc\xE8s n'est pas conforme aux r\xE8gles DOS!");
    EXPECT_EQ(DosNameMessage(2, Language::German).text, "Name darf keinen Punkt enthalten!");
    EXPECT_EQ(DosNameMessage(2, Language::English).title, "Error!");
    EXPECT_EQ(NotAUnitFileMessage(Language::French).text, "Ce fichier n'est pas conforme \xE0 Mensuro");
    EXPECT_EQ(CalculationErrorMessage(Language::English).text, "Can't divide by zero");

    struct Case { int code; Language language; };
    for (const Case c : {Case{0, Language::German}, Case{1, Language::English}, Case{2, Language::French},
                         Case{3, Language::German}, Case{-1, Language::German}, Case{256, Language::German}})
        EXPECT_EQ(LanguageFromCode(c.code), c.language) << c.code;
}
