#pragma once
// A main window with every tool window, started from a temporary program folder and
// settings folder, with scripted dialogs and 120 dots per inch.
#include "atomara/controls/element_tile.h"
#include "atomara/main/startup.h"
#include "platform/core/decimal_separator.h"
#include "platform/core/ini_file.h"
#include "platform/gui/scaling.h"
#include "platform/gui/scripted_dialogs.h"
#include "tests/support/qt_gtest.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace testsupport {

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture()
    {
        platform::SetScreenDpi(120);
        for (const char* file : {"atomara.bkp", "atomback.bmp"})
            std::filesystem::copy_file(std::filesystem::path(ATOMARA_RESOURCES) / file, programFolder.Path() / file);
        // Past the first-start questions unless a test writes its own file.
        settingsFolder.Write("atomara.ini", "[About]\r\nRead=1\r\n[Colors]\r\nBackground=Gray\r\n");
    }
    ~MainWindowFixture() override { platform::SetScreenDpi(0); }

    atomara::TfrmAtomara& Start()
    {
        atomara::StartupOptions options;
        options.location.programFolder = programFolder.Path();
        options.location.settingsArgument = settingsFolder.Path().string();
        options.splashIntervalMs = 1;
        windows = atomara::StartAtomara(options);
        EXPECT_TRUE(windows);
        QApplication::setActiveWindow(windows->frmAtomara.get());
        QCoreApplication::processEvents();
        return *windows->frmAtomara;
    }

    atomara::TfrmAtomara& Main() { return *windows->frmAtomara; }
    atomara::TElement* Tile(int n) { return Main().ElementTile(n); }
    platform::IniFile Ini() const { return platform::IniFile(settingsFolder.Path() / "atomara.ini"); }

    TempFolder programFolder;
    TempFolder settingsFolder;
    platform::ScopedDecimalSeparator separator{'.'};
    platform::ScriptedDialogs dialogs;
    platform::ScopedDialogs installed{dialogs};
    std::unique_ptr<atomara::AtomaraWindows> windows;
};

} // namespace testsupport
