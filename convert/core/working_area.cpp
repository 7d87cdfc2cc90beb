#include "convert/core/working_area.h"

namespace convert {

std::string UnitExpression(const std::array<std::string, 4>& boxes)
{
    std::string expression;
    if (!boxes[0].empty())
        expression += boxes[0];
    if (!boxes[1].empty())
        expression += "*" + boxes[1];
    if (!boxes[2].empty())
        expression += "/" + boxes[2];
    if (!boxes[3].empty())
        expression += "/" + boxes[3];
    return expression;
}

std::string MarkedCellsText(int r1, int c1, int r2, int c2, const std::function<std::string(int, int)>& cell)
{
    std::string text;
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c)
            text += cell(r, c) + " ";
        text += '\r';
    }
    return text;
}

int ResultListTopRow(int rowCount) { return rowCount > kVisibleResultRows ? rowCount - kVisibleResultRows : 0; }

} // namespace convert
