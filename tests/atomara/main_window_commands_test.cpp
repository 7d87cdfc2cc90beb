// Selection, keys, popup menu, commands, slider and trends of the main window.
#include "tests/atomara/main_window_fixture.h"

#include "atomara/tools/frm_element_info.h"
#include "atomara/tools/frm_set_temperature.h"
#include "platform/gui/hints.h"
#include "platform/gui/paint_box.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace atomara;

namespace {

class MainWindowCommandsTest : public testsupport::MainWindowFixture {
protected:
    void Select(int n) { Main().ElementClick(Tile(n), Qt::LeftButton); }
    void Key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(),
                        static_cast<Qt::Key>(key), modifiers);
    }
};

} // namespace

TEST_F(MainWindowCommandsTest, ArrowsTabAndShiftTabMoveTheSelection)
{
    Start();
    ASSERT_EQ(QApplication::activeWindow(), &Main());
    struct Case { int from; int key; Qt::KeyboardModifiers modifiers; int to; };
    const Case cases[] = {
        {2, Qt::Key_Right, {}, 1},     {57, Qt::Key_Left, {}, 71},   {56, Qt::Key_Right, {}, 72},
        {103, Qt::Key_Down, {}, 2},    {21, Qt::Key_Up, {}, 39},     {72, Qt::Key_Down, {}, 104},
        {78, Qt::Key_Down, {}, 63},    {109, Qt::Key_Tab, {}, 1},    {1, Qt::Key_Tab, Qt::ShiftModifier, 109},
        {26, Qt::Key_Backtab, Qt::ShiftModifier, 25},
    };
    for (const auto& c : cases) {
        Select(c.from);
        Key(c.key, c.modifiers);
        EXPECT_EQ(Main().SelectedElement, c.to) << c.from << " key " << c.key;
        EXPECT_TRUE(Tile(c.to)->Selected());
        EXPECT_FALSE(c.from != c.to && Tile(c.from)->Selected());
    }
}

TEST_F(MainWindowCommandsTest, RightClicksOpenThePopupWithOrWithoutElementInformation)
{
    Start();
    QTest::mouseClick(Tile(26), Qt::RightButton);
    EXPECT_EQ(Main().SelectedElement, 26);
    ASSERT_EQ(dialogs.popupMenus.size(), 1u);
    EXPECT_EQ(dialogs.popupMenus[0], (QStringList{"&Element Information", "-", "&Find Element...",
                                                   "Change &Temperature...", "Setup &Colours..."}));
    QTest::mouseClick(Main().PeriodicTable()->findChild<platform::PaintBox*>(), Qt::RightButton, {}, QPoint(1, 1));
    ASSERT_EQ(dialogs.popupMenus.size(), 2u);
    EXPECT_EQ(dialogs.popupMenus[1], (QStringList{"&Find Element...", "Change &Temperature...", "Setup &Colours..."}));
    QTest::mouseClick(Tile(27), Qt::LeftButton);
    EXPECT_EQ(dialogs.popupMenus.size(), 2u);
    EXPECT_EQ(Main().SelectedElement, 27);
}

TEST_F(MainWindowCommandsTest, HoverTextsAndHintModes)
{
    Start();
    Main().Status(Tile(26));
    EXPECT_EQ(Main().StatusText(0), QString::fromUtf8("26: Iron,  Fe,  ") + QString::fromStdString(Tile(26)->ElectronConfig()));
    EXPECT_EQ(platform::HintPause(), 0);
    EXPECT_EQ(platform::HintColor(), QColor(191, 255, 255));
    Main().Status(Main().ToolButtonAt(2));
    EXPECT_EQ(Main().StatusText(0), "Find an element in terms of weight, size, and others");
    EXPECT_EQ(platform::HintPause(), 800);
    Main().Status(Main().Legend());
    EXPECT_EQ(Main().StatusText(0), "Double-click here to setup colors");
    Main().ClearStatus();
    EXPECT_EQ(Main().StatusText(0), "");
}

TEST_F(MainWindowCommandsTest, SliderSetsTheTemperatureAndRepaintsOnlyChangedTiles)
{
    Start();
    QScrollBar* slider = Main().TempSlider();
    EXPECT_EQ(slider->maximum(), 6000);
    EXPECT_EQ(slider->singleStep(), 1);
    EXPECT_EQ(slider->pageStep(), 100);
    EXPECT_EQ(Main().StatusText(1), QString::fromUtf8("298.15 K, 25.00°C, 77.00°F"));

    std::array<int, 110> before{};
    for (int n = 1; n <= 109; ++n)
        before[n] = Tile(n)->PaintCount();
    std::array<platform::TColor, 110> oldColor{};
    for (int n = 1; n <= 109; ++n)
        oldColor[n] = Tile(n)->StateColor();
    slider->setValue(400);
    int repainted = 0;
    for (int n = 1; n <= 109; ++n) {
        const bool changed = Tile(n)->StateColor() != oldColor[n];
        EXPECT_EQ(Tile(n)->PaintCount() - before[n], changed ? 1 : 0) << n;
        repainted += changed;
    }
    EXPECT_GT(repainted, 3); // caesium, gallium, rubidium, potassium, sodium, ...
    EXPECT_LT(repainted, 20);

    slider->setValue(0);
    EXPECT_EQ(Main().CurrentTemperature, 0.0f);
    EXPECT_EQ(Main().StatusText(1), QString::fromUtf8("0.00 K, -273.15°C, -459.67°F"));
    for (int n : {1, 2, 26, 80})
        EXPECT_EQ(Tile(n)->StateColor(), platform::clBlack) << n;
}

TEST_F(MainWindowCommandsTest, TrendsGiveDepthsAndNoneFlattens)
{
    Start();
    const int electronegativity = 8; // "Electro&negativity"
    Main().TrendAction(electronegativity)->trigger();
    EXPECT_EQ(Main().CheckedTrend(), electronegativity);
    EXPECT_EQ(Tile(9)->Depth(), 20);  // fluorine, the largest value
    EXPECT_EQ(Tile(87)->Depth(), 1);  // francium, the smallest
    EXPECT_EQ(Tile(2)->Depth(), -1);  // helium has no value
    EXPECT_TRUE(Tile(26)->CentredSymbol() || Tile(26)->Depth() != 0);

    QCoreApplication::processEvents();
    const int paints = Tile(1)->PaintCount();
    Main().TrendAction(electronegativity)->trigger(); // already checked: nothing happens
    QCoreApplication::processEvents();
    EXPECT_EQ(Tile(1)->PaintCount(), paints);

    Main().TrendAction(0)->trigger();
    for (int n = 1; n <= 109; ++n)
        ASSERT_EQ(Tile(n)->Depth(), 0) << n;
}

TEST_F(MainWindowCommandsTest, CommandsOpenTheirWindows)
{
    Start();
    Main().ToolButtonAt(0)->click();
    Main().Action(Command::FindElement)->trigger();
    Main().Action(Command::SetTemperature)->trigger();
    Main().Action(Command::About)->trigger();
    EXPECT_EQ(dialogs.modalTitles, (QStringList{"Options", "Find Element", "Set Temperature", "About Atomara"}));
    Main().Action(Command::HelpContents)->trigger();
    ASSERT_EQ(dialogs.helpRequests.size(), 1u);
    EXPECT_EQ(dialogs.helpRequests[0].topic, 1);
    EXPECT_TRUE(dialogs.helpRequests[0].helpFile.endsWith("atomara.hlp"));

    // The menu item toggles the information window; the button only shows it.
    QAction* info = Main().Action(Command::ElementInfoMenu);
    info->trigger();
    EXPECT_TRUE(windows->frmElementInfo->isVisible());
    EXPECT_TRUE(info->isChecked());
    info->trigger();
    EXPECT_FALSE(windows->frmElementInfo->isVisible());
    EXPECT_FALSE(info->isChecked());
    Main().ToolButtonAt(1)->click();
    Main().ToolButtonAt(1)->click();
    EXPECT_TRUE(windows->frmElementInfo->isVisible());
    windows->frmElementInfo->close(); // its own close box unchecks the item
    EXPECT_FALSE(info->isChecked());
}

TEST_F(MainWindowCommandsTest, ToolBarAndStatusBarCanBeSwitchedOff)
{
    Start();
    const int backgroundHeight = Main().Background()->height();
    Main().Action(Command::StatusBar)->trigger();
    EXPECT_FALSE(Main().StatusBar()->isVisible());
    Main().Action(Command::Toolbar)->trigger();
    EXPECT_FALSE(Main().ToolBar()->isVisible());
    EXPECT_EQ(Main().Background()->y(), 0);
    EXPECT_EQ(Main().Background()->height(), backgroundHeight + 34 + 23);
}

TEST_F(MainWindowCommandsTest, NamingSchemeRenamesElements104To109)
{
    Start();
    EXPECT_EQ(Tile(104)->Symbol(), "Unq");
    Main().Action(Command::IupacRecommended)->trigger();
    EXPECT_EQ(Tile(104)->Symbol(), "Db");
    EXPECT_EQ(Tile(106)->Symbol(), "Rf");
    EXPECT_EQ(Tile(106)->Hint(), "Rutherfordium");
    Main().Status(Tile(104));
    EXPECT_TRUE(Main().StatusText(0).startsWith("104: Dubnium,  Db,  "));
    Main().Action(Command::AcsRecommended)->trigger();
    EXPECT_EQ(Tile(104)->Symbol(), "Rf");
    EXPECT_EQ(windows->frmElementInfo->windowTitle(), QString("%1 - Element Information").arg(
        QString::fromStdString(Tile(Main().SelectedElement)->Hint())));
}

TEST_F(MainWindowCommandsTest, AltKeysSwitchThePagesOfTheTemperatureWindow)
{
    Start();
    windows->frmSetTemperature->show(); // as while it is open modally
    QApplication::setActiveWindow(windows->frmSetTemperature.get());
    Key(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(windows->frmSetTemperature->ActivePage(), TfrmSetTemperature::tabCelsius);
    Key(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(windows->frmSetTemperature->ActivePage(), TfrmSetTemperature::tabFarenheit);
    windows->frmSetTemperature->hide();
}

TEST_F(MainWindowCommandsTest, KeysInAnOpenMenuStayInTheMenu)
{
    Start();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    menu.popup(QPoint(10, 10));
    ASSERT_EQ(QApplication::activePopupWidget(), &menu);
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_FALSE(windows->frmElementInfo->isVisible());
    EXPECT_EQ(Main().SelectedElement, 1);
}

TEST_F(MainWindowCommandsTest, InformationWindowFollowsMinimizing)
{
    Start();
    Main().Action(Command::ElementInfoMenu)->trigger();
    ASSERT_TRUE(windows->frmElementInfo->isVisible());
    Main().showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(windows->frmElementInfo->isVisible());
    EXPECT_TRUE(Main().Action(Command::ElementInfoMenu)->isChecked());
    Main().showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(windows->frmElementInfo->isVisible());
}
