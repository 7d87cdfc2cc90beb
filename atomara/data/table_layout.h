#pragma once
// Geometry of the periodic table in the main window. Everything here is integer pixel
// arithmetic on the live sizes of the window's parts; "div" truncates towards zero.
//
//   column:  0  1  2  3 ...              17
//   period 1 H                            He      row top 3
//   period 2 Li Be             B  ... Ne          2r + 3
//   ...
//   period 7 Fr Ra    Rf..Mt                      12r + 3
//   lanthanides      La ... Lu                    15r + 3   (half a row of space above)
//   actinides        Ac ... Lr                    17r + 3
#include <array>
#include <functional>

namespace atomara {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Smallest size the main window may be dragged to (design pixels).
constexpr Size kMinimumTrackingSize{278, 326};

// Column (0..17) and the row top in half rows of a tile (top = halfRows × r + 3).
struct GridCell {
    int column;
    int halfRows;
};
GridCell GridCellOf(int n);

// Tile n in a table of outer size W × H, relative to the table's client area.
Rect TileRect(int n, int tableWidth, int tableHeight);

// The table's bounds for a background paint box of bg (top = its top in the window).
// label7Height is the height of the "VIIIA" label, which must fit above the table.
Rect PlaceTable(const Rect& background, int label7Height);

// Room for the symbol, and the tile font chosen by it: the first of 24, 18, 14, 12, 10
// points for which the width of "Une" is not greater than the room, else 8.
int SymbolRoom(int tableWidth, int depthOfTile1, int maxDepthOfTile1);
int ChooseTableFontSize(int room, const std::function<int(int pointSize)>& widthOfUne);

// The sixteen group labels: caption, the tile they are centred over and the tile whose
// top they sit above (0 for labels 0 and 15, which sit above the table on the window).
struct GroupLabelSpec {
    const char* caption;
    int centreTile;
    int topTile;
};
extern const std::array<GroupLabelSpec, 16> kGroupLabels;

// Everything PeriodicTableResize places inside the table, from the table's size, the
// tile depth of element 1 and the sizes the labels took for their captions.
struct TableLayoutInput {
    int tableWidth = 0;
    int tableHeight = 0;
    std::array<Size, 16> groupLabelSizes{};
    Size legendSize;
};

struct TableLayout {
    std::array<Rect, 110> tiles{}; // index 1..109
    std::array<Rect, 16> groupLabels{}; // 1..14 relative to the table; 0 and 15 placed by PlaceOuterLabels
    bool groupLabelsVisible = false;
    Rect groupLines;   // roof line under "VIIIA"
    Rect elementLines; // guide lines from column 2 to the f-rows
    Rect legend;
    bool legendVisible = false;
};
TableLayout ComputeTableLayout(const TableLayoutInput& input);

// Labels 0 ("IA") and 15 ("VIII") centred over tiles 1 and 2, just above the table.
// `clientOffset` is where the table's client area starts inside its outer bounds.
Rect PlaceOuterLabel(const Rect& table, int clientOffset, const Rect& tile, Size label);

// Tool bar: seven buttons of the options button's size, starting at its designed left,
// in groups options | info find temperature | graph | help about, 6 pixels apart.
struct ToolBarLayout {
    int height = 0;
    std::array<Rect, 7> buttons{};
    int sliderLeft = 0;
    int sliderTop = 0;
};
ToolBarLayout ComputeToolBar(Size button, int optionsLeft, int sliderHeight);
int SliderWidth(int toolBarWidth, int sliderLeft, int optionsLeft);
int StatusPanelWidth(int statusBarWidth);

// The legend's seven labels (Metals, Nonmetals, Semimetals, Solids, Liquids, Gases,
// Undefined) from their own sizes; returns the legend's size too.
struct LegendLayout {
    std::array<Rect, 7> labels{};
    Size size;
};
LegendLayout ComputeLegend(const std::array<Size, 7>& labelSizes);

} // namespace atomara
