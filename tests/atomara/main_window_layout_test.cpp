// The main window's table layout at the designed size and when narrow or minimized.
#include "atomara/controls/element_tile.h"
#include "atomara/main/frm_atomara.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/paint_box.h"
#include "platform/gui/scaling.h"
#include "platform/gui/scripted_dialogs.h"
#include "tests/support/qt_gtest.h"
#include "tests/support/temp_folder.h"

#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace atomara;

namespace {

class MainWindowLayoutTest : public ::testing::Test {
protected:
    MainWindowLayoutTest()
    {
        platform::SetScreenDpi(120); // design pixels are device pixels
        for (const char* file : {"atomara.bkp", "atomback.bmp"})
            std::filesystem::copy_file(std::filesystem::path(ATOMARA_RESOURCES) / file, programFolder.Path() / file);
        window = std::make_unique<TfrmAtomara>(
            ProgramLocation{programFolder.Path(), settingsFolder.Path().string()});
        window->FormCreate();
        window->show();
    }
    ~MainWindowLayoutTest() override { platform::SetScreenDpi(0); }

    // The designed sizes are those of the client area, below the menu bar.
    void ResizeClient(int width, int height)
    {
        window->resize(width, height + window->menuBar()->height());
        QCoreApplication::processEvents();
    }

    testsupport::TempFolder programFolder;
    testsupport::TempFolder settingsFolder;
    platform::ScopedDecimalSeparator separator{'.'};
    platform::ScriptedDialogs dialogs;
    platform::ScopedDialogs installed{dialogs};
    std::unique_ptr<TfrmAtomara> window;
};

} // namespace

TEST_F(MainWindowLayoutTest, DesignedSizeGivesTheDesignedTable)
{
    ResizeClient(538, 339);
    EXPECT_EQ(window->ToolBar()->height(), 34);
    EXPECT_EQ(window->Background()->geometry(), QRect(0, 34, 538, 282));
    const int labelRoom = 34 + window->GroupLabel(7)->height() + 5;
    EXPECT_EQ(window->PeriodicTable()->geometry(), QRect(103, std::max(57, labelRoom), 332, 236));
    EXPECT_EQ(window->ElementTile(1)->size(), QSize(18, 24));
    EXPECT_EQ(window->ElementTile(57)->pos(), QPoint(3 * 18 + 3, 15 * 12 + 3));
    EXPECT_TRUE(window->PeriodicTable()->isVisible());

    // The slider ends as far from the right edge as the first button starts from the left.
    const QScrollBar* slider = window->TempSlider();
    EXPECT_EQ(slider->geometry().right() + 1, 538 - 8);
    EXPECT_EQ(window->StatusBar()->height(), 23);
}

TEST_F(MainWindowLayoutTest, WideWindowShowsGroupLabelsCentredOverTheirColumns)
{
    ResizeClient(1100, 800);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(window->GroupLabel(i)->isVisible()) << i;
    const QRect fe = window->ElementTile(27)->geometry();
    const QRect label = window->GroupLabel(7)->geometry();
    EXPECT_EQ(label.left(), fe.left() + fe.width() / 2 - label.width() / 2);
    EXPECT_EQ(window->GroupLabel(7)->text(), "VIIIA");
    // "IA" stands on the window just above tile 1.
    const QPoint hydrogen = window->ElementTile(1)->mapTo(window->centralWidget(), QPoint(0, 0));
    EXPECT_EQ(window->GroupLabel(0)->geometry().bottom() + 1, window->PeriodicTable()->y() - 1);
    EXPECT_EQ(window->GroupLabel(0)->x(), hydrogen.x() + 18 * 0 + window->ElementTile(1)->width() / 2
                                              - window->GroupLabel(0)->width() / 2);
    EXPECT_TRUE(window->Legend()->isVisible());
}

TEST_F(MainWindowLayoutTest, NarrowWindowHidesTheGroupLabels)
{
    ResizeClient(300, 500);
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(window->GroupLabel(i)->isVisible()) << i;
}

TEST_F(MainWindowLayoutTest, FontShrinksWithTheTable)
{
    ResizeClient(1400, 900);
    const int large = window->PeriodicTable()->font().pointSize();
    ResizeClient(538, 339);
    const int small = window->PeriodicTable()->font().pointSize();
    EXPECT_GT(large, small);
    EXPECT_EQ(window->ElementTile(26)->font().pointSize(), small);
    const QFontMetrics metrics(window->PeriodicTable()->font());
    if (small > 8) {
        EXPECT_LE(metrics.horizontalAdvance("Une"), window->ElementTile(1)->width() - 4);
    }
}

TEST_F(MainWindowLayoutTest, MinimizingDoesNotRelayoutAndRestoringDoes)
{
    ResizeClient(538, 339);
    const QRect before = window->PeriodicTable()->geometry();
    window->showMinimized();
    QCoreApplication::processEvents();
    window->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->PeriodicTable()->geometry(), before);
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_NE(window->PeriodicTable()->geometry(), before);
}
