#include "atomara/data/element_category.h"

#include <algorithm>
#include <array>

namespace atomara {

ElementCategory CategoryOf(int n)
{
    static constexpr std::array nonmetals = {1, 2, 6, 7, 8, 9, 10, 15, 16, 17, 18, 35, 36, 53, 54, 85, 86};
    static constexpr std::array semimetals = {5, 14, 32, 33, 34, 51, 52};
    if (std::ranges::find(nonmetals, n) != nonmetals.end())
        return ElementCategory::Nonmetal;
    if (std::ranges::find(semimetals, n) != semimetals.end())
        return ElementCategory::Semimetal;
    return ElementCategory::Metal;
}

} // namespace atomara
