#include "platform/gui/flex_grid.h"

#include "platform/gui/scaling.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace platform {

FlexGrid::FlexGrid(int rows, int cols, QWidget* parent)
    : QTableWidget(rows, cols, parent)
    , alignments_(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(TwipsPx(255));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The keyboard moves the active cell, or with Shift the selection's other end.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row < 0 || col < 0)
            return;
        rowSel_ = row;
        colSel_ = col;
        if (!(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier)) {
            row_ = row;
            col_ = col;
        }
    });
}

void FlexGrid::SetRows(int rows)
{
    setRowCount(rows);
    row_ = std::min(row_, rows - 1);
    rowSel_ = std::min(rowSel_, rows - 1);
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(alignments_.at(static_cast<std::size_t>(col)));
        setItem(row, col, cell);
    }
    cell->setText(text);
}

void FlexGrid::SetSelection(int row, int col, int rowSel, int colSel)
{
    row_ = row;
    col_ = col;
    rowSel_ = rowSel;
    colSel_ = colSel;
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(std::min(row, rowSel), std::min(col, colSel), std::max(row, rowSel),
                                                std::max(col, colSel)),
                     true);
}

int FlexGrid::TopRow() const { return verticalScrollBar()->value(); }

bool FlexGrid::SetTopRow(int row)
{
    updateGeometries(); // rows added since the last layout count too
    if (row < 0 || row > verticalScrollBar()->maximum())
        return false;
    verticalScrollBar()->setValue(row);
    return true;
}

void FlexGrid::SetColWidthTwips(int col, int twips) { setColumnWidth(col, TwipsPx(twips)); }

void FlexGrid::SetColAlignment(int col, Qt::Alignment alignment)
{
    alignments_.at(static_cast<std::size_t>(col)) = alignment;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* cell = item(r, col))
            cell->setTextAlignment(alignment);
}

void FlexGrid::selectAll()
{
    QTableWidget::selectAll();
    row_ = col_ = 0;
    rowSel_ = rowCount() - 1;
    colSel_ = columnCount() - 1;
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    QTableWidget::mousePressEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid())
        return;
    rowSel_ = at.row();
    colSel_ = at.column();
    if (!(event->modifiers() & Qt::ShiftModifier)) { // Shift+click extends from the active cell
        row_ = at.row();
        col_ = at.column();
    }
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    QTableWidget::mouseMoveEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if ((event->buttons() & Qt::LeftButton) && at.isValid()) {
        rowSel_ = at.row();
        colSel_ = at.column();
    }
}

} // namespace platform
