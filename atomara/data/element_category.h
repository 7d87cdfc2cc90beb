#pragma once
// Category of an element, which gives the colour of its number on the tile.

namespace atomara {

enum class ElementCategory { Metal, Nonmetal, Semimetal };

ElementCategory CategoryOf(int n);

} // namespace atomara
