// Layout and painting of the main window: the table keeps the proportions of an
// 18 × 19 grid and grows and shrinks with the window. The arithmetic is in
// table_layout; this file applies it to the controls.
#include "atomara/controls/element_tile.h"
#include "atomara/data/table_layout.h"
#include "atomara/main/frm_atomara.h"
#include "atomara/main/table_panel.h"
#include "platform/gui/canvas.h"
#include "platform/gui/paint_box.h"
#include "platform/gui/text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>

namespace atomara {

namespace {

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }
Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

} // namespace

// The tool bar on top, the status bar at the bottom, the background between them.
void TfrmAtomara::LayoutClientArea()
{
    const int width = client_->width();
    const int top = ToolBar_->isHidden() ? 0 : ToolBar_->height();
    const int bottom = StatusBar_->isHidden() ? 0 : StatusBar_->height();
    const bool toolBarWidthChanged = ToolBar_->width() != width;
    const bool statusBarWidthChanged = StatusBar_->width() != width;
    ToolBar_->setGeometry(0, 0, width, ToolBar_->height());
    StatusBar_->setGeometry(0, client_->height() - StatusBar_->height(), width, StatusBar_->height());
    pntBackGround_->setGeometry(0, top, width, client_->height() - top - bottom);
    if (toolBarWidthChanged || statusBarWidthChanged)
        ToolsResize();
    FormResize();
}

void TfrmAtomara::ToolsResize()
{
    const int optionsLeft = toolButtons_[0]->x();
    TempSlider_->resize(SliderWidth(ToolBar_->width(), TempSlider_->x(), optionsLeft), TempSlider_->height());
    const int panel0 = StatusPanelWidth(StatusBar_->width());
    statusPanels_[0]->setGeometry(0, 2, panel0, StatusBar_->height() - 2);
    statusPanels_[1]->setGeometry(panel0 + 2, 2, StatusBar_->width() - panel0 - 2, StatusBar_->height() - 2);
}

void TfrmAtomara::FormResize()
{
    if (isMinimized() || !ElementTiles[1])
        return;
    const Rect table = PlaceTable(FromQRect(pntBackGround_->geometry()), groupLabels_[7]->height());
    const bool sizeChanged = PeriodicTable_->width() != table.width || PeriodicTable_->height() != table.height;
    PeriodicTable_->setGeometry(ToQRect(table));
    if (sizeChanged || !PeriodicTable_->isVisible())
        PeriodicTableResize();

    const auto placeOver = [&](QLabel* label, int n) {
        label->setGeometry(ToQRect(PlaceOuterLabel(table, TablePanel::kBorder, FromQRect(ElementTile(n)->geometry()),
                                                   {label->width(), label->height()})));
    };
    placeOver(groupLabels_[0], 1);
    placeOver(groupLabels_[15], 2);
}

void TfrmAtomara::PeriodicTableResize()
{
    if (!ElementTiles[1])
        return;
    PeriodicTable_->hide();
    const int tableWidth = PeriodicTable_->width();
    const int tableHeight = PeriodicTable_->height();

    // Sizes are tried in the background's font face.
    QFont tableFont = pntBackGround_->font();
    const int room = SymbolRoom(tableWidth, ElementTile(1)->Depth(), ElementTile(1)->MaxDepth());
    tableFont.setPointSize(ChooseTableFontSize(room, [&tableFont](int size) {
        QFont candidate = tableFont;
        candidate.setPointSize(size);
        return QFontMetrics(candidate).horizontalAdvance(QStringLiteral("Une"));
    }));
    PeriodicTable_->setFont(tableFont);

    TableLayoutInput input;
    input.tableWidth = tableWidth;
    input.tableHeight = tableHeight;
    for (std::size_t i = 0; i < groupLabels_.size(); ++i) {
        groupLabels_[i]->adjustSize();
        input.groupLabelSizes[i] = {groupLabels_[i]->width(), groupLabels_[i]->height()};
    }
    LayoutLegend();
    input.legendSize = {panLegend_->width(), panLegend_->height()};
    const TableLayout layout = ComputeTableLayout(input);

    for (int n = 1; n <= kElementCount; ++n)
        ElementTile(n)->setGeometry(ToQRect(layout.tiles[static_cast<std::size_t>(n)]));
    pntElementLines_->setGeometry(ToQRect(layout.elementLines));
    for (int i = 1; i <= 14; ++i)
        groupLabels_[static_cast<std::size_t>(i)]->setGeometry(ToQRect(layout.groupLabels[static_cast<std::size_t>(i)]));
    pntGroupLines_->setGeometry(ToQRect(layout.groupLines));
    for (QLabel* label : groupLabels_)
        label->setVisible(layout.groupLabelsVisible);
    pntGroupLines_->setVisible(layout.groupLabelsVisible);
    panLegend_->setGeometry(ToQRect(layout.legend));
    panLegend_->setVisible(layout.legendVisible);
    PeriodicTable_->show();
}

void TfrmAtomara::BackgroundPaint(QPainter& painter)
{
    if (!imgWallpaper_.isNull()) {
        // Tiled over the window's whole outer size, so that it always covers the box.
        for (int y = 0; y <= height(); y += imgWallpaper_.height())
            for (int x = 0; x <= width(); x += imgWallpaper_.width())
                painter.drawPixmap(x, y, imgWallpaper_);
    }
    platform::DrawSunkenFrame(painter, pntBackGround_->width(), pntBackGround_->height());
}

void TfrmAtomara::GroupLinesPaint(QPainter& painter)
{
    const int w = pntGroupLines_->width();
    const int h = pntGroupLines_->height();
    platform::Canvas canvas(painter);
    canvas.SetPen(platform::ToQColor(platform::clBlue), platform::DottedPen());
    canvas.MoveTo(0, h - 1);
    canvas.LineTo(w / 2, 0);
    canvas.LineTo(w - 1, h - 1);
}

void TfrmAtomara::ElementLinesPaint(QPainter& painter)
{
    const int w = pntElementLines_->width();
    const int h = pntElementLines_->height();
    const int top = pntElementLines_->y();
    // Mask mode: each pixel becomes pen colour AND screen colour.
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    const QColor maroon = platform::ToQColor(platform::clMaroon);
    const auto& pen = platform::DashDotDotPen();
    const int rowHeight = ElementTile(57)->height();
    platform::StrokeLine(painter, {0, 0}, {w - 1, ElementTile(58)->y() - top}, maroon, pen);
    platform::StrokeLine(painter, {0, rowHeight}, {w - 1, ElementTile(90)->y() - top}, maroon, pen);
    platform::StrokeLine(painter, {0, 2 * rowHeight}, {w - 1, h - 1}, maroon, pen);
}

} // namespace atomara
