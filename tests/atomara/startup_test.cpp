#include "atomara/controls/element_tile.h"
#include "atomara/main/frm_about.h"
#include "atomara/main/frm_splash.h"
#include "atomara/main/startup.h"
#include "atomara/tools/frm_options.h"
#include "platform/core/colors.h"
#include "platform/core/decimal_separator.h"
#include "platform/core/ini_file.h"
#include "platform/gui/application.h"
#include "platform/gui/scripted_dialogs.h"
#include "tests/support/qt_gtest.h"
#include "tests/support/temp_folder.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace atomara;
using platform::ScriptedDialogs;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"atomara.bkp", "atomback.bmp"})
            std::filesystem::copy_file(std::filesystem::path(ATOMARA_RESOURCES) / file, programFolder.Path() / file);
        platform::SetSystemPalette(platform::ClassicSystemPalette());
    }
    void TearDown() override { platform::SetSystemPalette(platform::ClassicSystemPalette()); }

    std::unique_ptr<AtomaraWindows> Start()
    {
        StartupOptions options;
        options.location.programFolder = programFolder.Path();
        options.location.settingsArgument = settingsFolder.Path().string();
        options.splashIntervalMs = 1;
        return StartAtomara(options);
    }

    platform::IniFile Settings() const { return platform::IniFile(settingsFolder.Path() / "atomara.ini"); }

    void UseDesktopButtonFace(platform::TColor rgb)
    {
        auto palette = platform::ClassicSystemPalette();
        palette[static_cast<std::size_t>(platform::SystemColor::BtnFace)] = rgb;
        platform::SetSystemPalette(palette);
    }

    testsupport::TempFolder programFolder;
    testsupport::TempFolder settingsFolder;
    platform::ScopedDecimalSeparator separator{'.'};
    ScriptedDialogs dialogs;
    platform::ScopedDialogs installed{dialogs};
};

} // namespace

TEST_F(StartupTest, FirstStartShowsTheNoticeAndCreatesEveryWindow)
{
    const auto windows = Start();
    ASSERT_TRUE(windows);
    EXPECT_EQ(platform::ApplicationTitle(), "Atomara");
    EXPECT_EQ(windows->frmAtomara->windowTitle(), "Atomara v1.7");
    EXPECT_TRUE(windows->frmAtomara->isVisible());
    EXPECT_EQ(windows->frmAtomara->SettingsFolder(), settingsFolder.Path().string() + "/");
    EXPECT_TRUE(windows->frmElementInfo && windows->frmGraph && windows->frmSetTemperature
                && windows->frmFindElement && windows->frmAbout && windows->frmOptions);
    EXPECT_FALSE(windows->frmOptions->StartupFlag);

    EXPECT_EQ(dialogs.modalTitles, QStringList{"Please Read Carefully"});
    EXPECT_TRUE(dialogs.messages.empty()); // silver button faces: no colour warning
    EXPECT_TRUE(Settings().ReadBool("About", "Read", false));
    EXPECT_EQ(Settings().ReadString("Colors", "Background", ""), "Gray");
    EXPECT_EQ(windows->frmAtomara->ElementTile(26)->Symbol(), "Fe");
    EXPECT_EQ(windows->frmAtomara->ElementTile(104)->Symbol(), "Unq");

    // The about window is centred over the main window as it stood at creation.
    const QRect main = windows->frmAtomara->frameGeometry();
    const QRect about = windows->frmAbout->geometry();
    EXPECT_EQ(about.left(), main.left() + main.width() / 2 - about.width() / 2);
    EXPECT_EQ(about.top(), main.top() + main.height() / 2 - about.height() / 2);
}

TEST_F(StartupTest, NonSilverDesktopWarnsOnceAndOffersTheOptions)
{
    UseDesktopButtonFace(platform::MakeRgb(0xEF, 0xEF, 0xEF));
    bool startupFlagSeen = false;
    dialogs.OnModal([](QDialog&) { return 0; }); // the first-run notice
    dialogs.OnModal([&](QDialog& options) {
        startupFlagSeen = static_cast<TfrmOptions&>(options).StartupFlag;
        return 0;
    });
    Start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Colors - Atomara");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Because you are not using the standard 3D color"));
    EXPECT_EQ(dialogs.modalTitles, (QStringList{"Please Read Carefully", "Options"}));
    EXPECT_TRUE(startupFlagSeen);
    // The table kept its designed silver, as the options window (not built yet) left it.
    EXPECT_EQ(Settings().ReadString("Colors", "Background", ""), "Gray");
}

TEST_F(StartupTest, SecondStartAsksNothing)
{
    Start();
    ScriptedDialogs second;
    platform::ScopedDialogs again(second);
    UseDesktopButtonFace(platform::MakeRgb(0xEF, 0xEF, 0xEF));
    const auto windows = Start();
    ASSERT_TRUE(windows);
    EXPECT_TRUE(second.messages.empty());
    EXPECT_TRUE(second.modalTitles.isEmpty());
    EXPECT_EQ(platform::ColorToRGB(windows->frmAtomara->TableColor()), platform::MakeRgb(0xEF, 0xEF, 0xEF));
}

TEST_F(StartupTest, MissingDataFileIsReportedAndNothingIsShown)
{
    std::filesystem::remove(programFolder.Path() / "atomara.bkp");
    EXPECT_FALSE(Start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Atomara");
    EXPECT_EQ(dialogs.messages[0].text,
              QString::fromStdString("Cannot open file " + (programFolder.Path() / "atomara.bkp").string()));
    EXPECT_TRUE(dialogs.modalTitles.isEmpty());
}

TEST_F(StartupTest, UnwritableSettingsAreReportedAndTheProgramGoesOn)
{
    // A settings "folder" that is a file cannot hold atomara.ini, even for root.
    const auto notAFolder = settingsFolder.Write("plain-file", "x");
    StartupOptions options;
    options.location.programFolder = programFolder.Path();
    options.location.settingsArgument = notAFolder.string();
    options.splashIntervalMs = 1;
    const auto windows = StartAtomara(options);
    ASSERT_TRUE(windows);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].text, QString::fromStdString("Unable to write to " + notAFolder.string() + "/atomara.ini"));
    EXPECT_TRUE(windows->frmAtomara->isVisible());
}

TEST(Splash, ClickEndsTheWaitBeforeTheFirstTick)
{
    TfrmSplash splash(60'000);
    splash.show();
    EXPECT_FALSE(splash.WaitIsOver());
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(splash.Tag(), 4);
    EXPECT_TRUE(splash.WaitIsOver());
}

TEST(Splash, ThreeTicksEndTheWait)
{
    TfrmSplash splash(1);
    splash.tmrSplashTimer();
    splash.tmrSplashTimer();
    EXPECT_FALSE(splash.WaitIsOver());
    splash.tmrSplashTimer();
    EXPECT_TRUE(splash.WaitIsOver());
}
