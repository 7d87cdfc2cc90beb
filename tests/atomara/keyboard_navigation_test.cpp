#include "atomara/data/keyboard_navigation.h"

#include <gtest/gtest.h>

using namespace atomara;

TEST(KeyboardNavigation, ArrowsFollowTheRowsAndColumns)
{
    struct Case { int from; ArrowKey key; int to; };
    const Case cases[] = {
        {2, ArrowKey::Right, 1},    {1, ArrowKey::Left, 2},     {26, ArrowKey::Right, 27},
        {57, ArrowKey::Left, 71},   {71, ArrowKey::Right, 57},  {56, ArrowKey::Right, 72},
        {72, ArrowKey::Left, 56},   {88, ArrowKey::Right, 104}, {109, ArrowKey::Right, 87},
        {87, ArrowKey::Left, 109},  {103, ArrowKey::Right, 89}, {10, ArrowKey::Right, 3},
        {103, ArrowKey::Down, 2},   {21, ArrowKey::Up, 39},     {72, ArrowKey::Down, 104},
        {78, ArrowKey::Down, 63},   {26, ArrowKey::Down, 44},   {44, ArrowKey::Up, 26},
        {1, ArrowKey::Up, 87},      {87, ArrowKey::Down, 1},    {88, ArrowKey::Down, 4},
        {4, ArrowKey::Up, 88},      {39, ArrowKey::Down, 21},   {25, ArrowKey::Up, 92},
        {89, ArrowKey::Down, 22},   {98, ArrowKey::Down, 5},    {6, ArrowKey::Up, 99},
        {63, ArrowKey::Up, 78},     {2, ArrowKey::Up, 103},     {104, ArrowKey::Down, 57},
        {57, ArrowKey::Down, 89},   {89, ArrowKey::Up, 57},     {3, ArrowKey::Down, 11},
    };
    // The designed table and a large one: the probes hit the same tiles.
    for (const auto& [width, height] : {std::pair{332, 236}, std::pair{908, 635}})
        for (const auto& c : cases)
            EXPECT_EQ(Neighbour(c.from, c.key, width, height), c.to)
                << c.from << " key " << static_cast<int>(c.key) << " in " << width << "x" << height;
}

TEST(KeyboardNavigation, TabWrapsBetweenTheEnds)
{
    EXPECT_EQ(NextByTab(109, false), 1);
    EXPECT_EQ(NextByTab(1, true), 109);
    EXPECT_EQ(NextByTab(26, false), 27);
    EXPECT_EQ(NextByTab(26, true), 25);
}

TEST(KeyboardNavigation, RightAndLeftAreInverses)
{
    for (int n = 1; n <= 109; ++n)
        EXPECT_EQ(LeftOf(RightOf(n)), n) << n;
}
