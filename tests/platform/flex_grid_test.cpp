#include "platform/gui/flex_grid.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using platform::FlexGrid;

TEST(FlexGrid, SelectionEndsFollowClicksShiftClicksAndSelectAll)
{
    FlexGrid grid(4, 5);
    grid.resize(400, 200);
    grid.show();
    const auto centre = [&grid](int r, int c) { return grid.visualRect(grid.model()->index(r, c)).center(); };

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(2, 3));
    EXPECT_EQ((std::array{grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel()}), (std::array{2, 3, 2, 3}));

    // Shift+click extends from the active cell, upwards here.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(0, 1));
    EXPECT_EQ((std::array{grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel()}), (std::array{2, 3, 0, 1}));

    grid.selectAll();
    EXPECT_EQ((std::array{grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel()}), (std::array{0, 0, 3, 4}));
}

TEST(FlexGrid, TopRowIsRefusedBeyondTheScrollRange)
{
    FlexGrid grid(20, 2);
    grid.resize(200, 100);
    grid.show();
    EXPECT_TRUE(grid.SetTopRow(3));
    EXPECT_EQ(grid.TopRow(), 3);
    EXPECT_FALSE(grid.SetTopRow(19));
    EXPECT_FALSE(grid.SetTopRow(-1));
}
