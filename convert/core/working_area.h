#pragma once
// The conversion area's own rules that need no window: unit expressions, the copied
// text of marked result cells, and the scroll position of the result list.
#include <array>
#include <functional>
#include <string>

namespace convert {

// "km", "*h" ... from the four unit boxes of one side: box 1, then "*" box 2, then
// "/" box 3 and "/" box 4, each only when not empty.
std::string UnitExpression(const std::array<std::string, 4>& boxes);

// Rows r1 up to r2, columns c1 up to c2: each cell followed by one blank, each row by a
// carriage return. A selection made upwards or leftwards walks nothing.
std::string MarkedCellsText(int r1, int c1, int r2, int c2, const std::function<std::string(int, int)>& cell);

// The result list keeps its last 8 rows in view.
constexpr int kVisibleResultRows = 8;
int ResultListTopRow(int rowCount);

} // namespace convert
