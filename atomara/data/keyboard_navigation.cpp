#include "atomara/data/keyboard_navigation.h"

#include "atomara/data/element_data.h"
#include "atomara/data/table_layout.h"

#include <array>
#include <optional>
#include <utility>

namespace atomara {
namespace {

// Pairs (from, to) where Right does not simply go to n + 1; Left is the reverse map.
constexpr std::array<std::pair<int, int>, 11> kRightWraps = {{
    {2, 1}, {10, 3}, {18, 11}, {36, 19}, {54, 37}, {86, 55}, {56, 72}, {109, 87}, {88, 104}, {71, 57}, {103, 89},
}};

struct ReferenceRange {
    int first;
    int last;
    int reference;
};

constexpr std::array<ReferenceRange, 7> kDownReferences = {{
    {87, 87, 1}, {88, 88, 4}, {39, 39, 21}, {78, 86, 63}, {89, 97, 22}, {98, 102, 5}, {103, 103, 2},
}};

constexpr std::array<ReferenceRange, 7> kUpReferences = {{
    {1, 1, 87}, {4, 4, 88}, {21, 21, 39}, {22, 30, 89}, {5, 9, 98}, {63, 71, 78}, {2, 2, 103},
}};

template <std::size_t N>
std::optional<int> ReferenceFor(const std::array<ReferenceRange, N>& table, int n)
{
    for (const auto& range : table)
        if (n >= range.first && n <= range.last)
            return range.reference;
    return std::nullopt;
}

bool Contains(const Rect& r, int x, int y)
{
    return x >= r.left && x < r.Right() && y >= r.top && y < r.Bottom();
}

} // namespace

int RightOf(int n)
{
    for (const auto& [from, to] : kRightWraps)
        if (from == n)
            return to;
    return n + 1;
}

int LeftOf(int n)
{
    for (const auto& [from, to] : kRightWraps)
        if (to == n)
            return from;
    return n - 1;
}

int VerticalNeighbour(int n, ArrowKey key, int tableWidth, int tableHeight)
{
    const Rect tile = TileRect(n, tableWidth, tableHeight);
    const auto reference = ReferenceFor(key == ArrowKey::Down ? kDownReferences : kUpReferences, n);
    int y = 0;
    if (reference)
        y = TileRect(*reference, tableWidth, tableHeight).top + 2;
    else
        y = key == ArrowKey::Down ? tile.top + 2 * tile.height - 5 : tile.top - tile.height + 2;
    const int x = tile.left + 2;
    for (int candidate = 1; candidate <= kElementCount; ++candidate)
        if (Contains(TileRect(candidate, tableWidth, tableHeight), x, y))
            return candidate;
    return n;
}

int Neighbour(int n, ArrowKey key, int tableWidth, int tableHeight)
{
    switch (key) {
    case ArrowKey::Right: return RightOf(n);
    case ArrowKey::Left: return LeftOf(n);
    case ArrowKey::Up:
    case ArrowKey::Down: break;
    }
    return VerticalNeighbour(n, key, tableWidth, tableHeight);
}

int NextByTab(int n, bool shift)
{
    if (shift)
        return n == 1 ? kElementCount : n - 1;
    return n == kElementCount ? 1 : n + 1;
}

} // namespace atomara
