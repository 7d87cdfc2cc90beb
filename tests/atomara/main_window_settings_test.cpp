// atomara.ini: defaults, round trips with either decimal separator, the close
// handler, and settings files that are damaged or cannot be written.
#include "tests/atomara/main_window_fixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

using namespace atomara;

namespace {

class MainWindowSettingsTest : public testsupport::MainWindowFixture {
protected:
    void WriteSettings(const std::string& extra)
    {
        settingsFolder.Write("atomara.ini", "[About]\r\nRead=1\r\n[Colors]\r\nBackground=Gray\r\n" + extra);
    }
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const auto& m : dialogs.messages)
            texts << m.text;
        return texts;
    }
};

} // namespace

TEST_F(MainWindowSettingsTest, MissingKeysGiveTheDefaults)
{
    Start();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(Main().pos(), QPoint(5, 5));
    EXPECT_EQ(Main().size(), QSize(screen.width() * 8 / 10, screen.height() - 40));
    EXPECT_EQ(Main().SelectedElement, 1);
    EXPECT_TRUE(Tile(1)->Selected());
    EXPECT_FLOAT_EQ(Main().CurrentTemperature, 298.15f);
    EXPECT_EQ(Main().TempSlider()->value(), 298);
    EXPECT_TRUE(Main().Action(Command::SaveConfigOnExit)->isChecked());
    EXPECT_EQ(Main().CheckedNamingScheme(), NamingScheme::IupacProvisional);
    EXPECT_EQ(Main().WallpaperPath(), programFolder.Path() / "atomback.bmp");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowSettingsTest, RoundTripWithEitherDecimalSeparator)
{
    for (const char separator : {'.', ','}) {
        platform::ScopedDecimalSeparator scoped(separator);
        Start();
        Main().ElementClick(Tile(26), Qt::LeftButton);
        Main().CurrentTemperature = 310.5f;
        Main().Action(Command::IupacRecommended)->trigger();
        Main().Action(Command::TrendsOnTop)->trigger();
        Main().move(40, 60);
        Main().resize(700, 500);
        Main().Action(Command::SaveConfigNow)->trigger();
        EXPECT_EQ(Ini().ReadString("Settings", "Temperature", ""), separator == '.' ? "310.50" : "310,50");
        EXPECT_EQ(Ini().ReadInteger("Settings", "Selected Element", 0), 26);
        EXPECT_EQ(Ini().ReadInteger("Settings", "Naming Scheme", 0), 2);
        EXPECT_EQ(Ini().ReadInteger("Colors", "Metals", 0), 255);
        EXPECT_EQ(Ini().ReadString("Colors", "Background", ""), "Gray");
        EXPECT_EQ(Ini().ReadInteger("Main Window", "Left", 0), 40);
        windows.reset();

        Start();
        EXPECT_EQ(Main().SelectedElement, 26);
        EXPECT_FLOAT_EQ(Main().CurrentTemperature, 310.5f);
        EXPECT_EQ(Main().TempSlider()->value(), 310); // round(310.5) to the even neighbour
        EXPECT_EQ(Main().CheckedNamingScheme(), NamingScheme::IupacRecommended);
        EXPECT_EQ(Tile(104)->Symbol(), "Db");
        EXPECT_TRUE(Main().Action(Command::TrendsOnTop)->isChecked());
        EXPECT_EQ(Main().pos(), QPoint(40, 60));
        EXPECT_EQ(Main().size(), QSize(700, 500));
        EXPECT_TRUE(dialogs.messages.empty()) << MessageTexts().join("; ").toStdString();
        windows.reset();
        WriteSettings("");
    }
}

TEST_F(MainWindowSettingsTest, SaveWritesEverySectionInOrder)
{
    Start();
    Main().Action(Command::SaveConfigNow)->trigger();
    const std::string file = settingsFolder.Read("atomara.ini");
    std::size_t at = 0;
    for (const char* section : {"[Main Window]", "[Graph Window]", "[Settings]", "[Temperature Window]",
                                "[Find Window]", "[Element Info Window]", "[Colors]", "[Color Window]"}) {
        const auto found = file.find(section);
        ASSERT_NE(found, std::string::npos) << section;
        if (std::string(section) != "[Colors]") { // written first by the first start
            EXPECT_GT(found, at) << section;
        }
        at = std::max(at, found);
    }
    EXPECT_EQ(Ini().ReadInteger("Graph Window", "Property", -1), 0);
    EXPECT_EQ(Ini().ReadInteger("Graph Window", "ValueColor", -1), 255);
    EXPECT_EQ(Ini().ReadInteger("Element Info Window", "Number", -1), 0xFF0000);
    EXPECT_EQ(Ini().ReadInteger("Temperature Window", "Tab", -1), 0);
    EXPECT_FALSE(Ini().ReadBool("Element Info Window", "Visible", true));
    EXPECT_TRUE(Ini().ReadBool("Settings", "SaveINI", false));
}

TEST_F(MainWindowSettingsTest, ClosingWithoutSaveOnExitWritesOnlySaveIni)
{
    Start();
    Main().Action(Command::SaveConfigNow)->trigger();
    Main().Action(Command::SaveConfigOnExit)->trigger(); // unchecks it
    Main().ElementClick(Tile(50), Qt::LeftButton);
    const std::string saved = settingsFolder.Read("atomara.ini");
    Main().close();
    std::string expected = saved;
    const auto key = expected.find("SaveINI=1");
    ASSERT_NE(key, std::string::npos);
    expected.replace(key, 9, "SaveINI=0");
    EXPECT_EQ(settingsFolder.Read("atomara.ini"), expected);
    windows.reset();

    Start();
    EXPECT_FALSE(Main().Action(Command::SaveConfigOnExit)->isChecked());
    EXPECT_EQ(Main().SelectedElement, 1);
}

TEST_F(MainWindowSettingsTest, SavingWhileMaximizedKeepsTheBounds)
{
    WriteSettings("[Main Window]\r\nTop=11\r\nLeft=12\r\nWidth=613\r\nHeight=414\r\n");
    Start();
    Main().showMaximized();
    Main().Action(Command::SaveConfigNow)->trigger();
    EXPECT_TRUE(Ini().ReadBool("Main Window", "Maximized", false));
    EXPECT_EQ(Ini().ReadInteger("Main Window", "Top", 0), 11);
    EXPECT_EQ(Ini().ReadInteger("Main Window", "Width", 0), 613);
}

TEST_F(MainWindowSettingsTest, DamagedValuesFallBackOrAreReported)
{
    settingsFolder.Write("atomara.ini", "[About]\r\nRead=1\r\n[Colors]\r\nBackground=Gray\r\nMetals=$FF00\r\n"
                                        "[Settings]\r\nSelected Element=500\r\nNaming Scheme=7\r\n");
    Start();
    EXPECT_EQ(Main().SelectedElement, 1);
    EXPECT_EQ(Main().CheckedNamingScheme(), NamingScheme::IupacProvisional);
    EXPECT_EQ(Tile(26)->NumberColor(), platform::clLime);
    EXPECT_TRUE(dialogs.messages.empty());
    windows.reset();

    // A temperature written with another decimal separator stops the rest of the start-up settings.
    WriteSettings("[Settings]\r\nTemperature=310,50\r\nNaming Scheme=2\r\nSaveINI=0\r\n");
    Start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "'310,50' is not a valid floating point value");
    EXPECT_EQ(dialogs.messages[0].title, "Atomara");
    EXPECT_EQ(Tile(104)->Symbol(), "Unq");
    EXPECT_TRUE(Main().Action(Command::SaveConfigOnExit)->isChecked());
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(MainWindowSettingsTest, MissingWallpaperIsReportedAndSkipsTheNamingScheme)
{
    WriteSettings("[Settings]\r\nBackground=/nowhere/paper.bmp\r\nNaming Scheme=3\r\n");
    Start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Cannot open file /nowhere/paper.bmp");
    EXPECT_EQ(Tile(104)->Symbol(), "Unq");
}

TEST_F(MainWindowSettingsTest, UnwritableSettingsAreReportedAndTheProgramGoesOn)
{
    Start();
    std::filesystem::remove(settingsFolder.Path() / "atomara.ini");
    std::filesystem::create_directory(settingsFolder.Path() / "atomara.ini"); // cannot be replaced by a file
    Main().Action(Command::SaveConfigNow)->trigger();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text,
              QString::fromStdString("Unable to write to " + (settingsFolder.Path() / "atomara.ini").string()));
    Main().close(); // reported again, and still closes
    EXPECT_FALSE(Main().isVisible());
}
