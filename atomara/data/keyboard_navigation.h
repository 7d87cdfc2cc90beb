#pragma once
// Moving the selection with the keyboard. Right and Left walk a row and wrap within
// it; Down and Up probe the tile one row lower or higher in the same column, with a
// few rows reached through a reference tile where the column has a gap.
namespace atomara {

enum class ArrowKey { Left, Right, Up, Down };

int RightOf(int n);
int LeftOf(int n);

// The tile under the probe point below or above tile n, in a table of outer size
// W × H (the tiles laid out as TileRect does); n itself when the point hits no tile.
int VerticalNeighbour(int n, ArrowKey key, int tableWidth, int tableHeight);

int Neighbour(int n, ArrowKey key, int tableWidth, int tableHeight);

// Tab and Shift+Tab walk the atomic numbers and wrap between 109 and 1.
int NextByTab(int n, bool shift);

} // namespace atomara
