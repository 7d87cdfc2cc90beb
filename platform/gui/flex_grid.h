#pragma once
// A grid of text cells in the manner the converter's lists expect: a cell matrix, an
// active cell with a selection end that may lie above or left of it, a settable top
// row, and column widths in twips.
#include <QTableWidget>

namespace platform {

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    FlexGrid(int rows, int cols, QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void SetRows(int rows);
    int Cols() const { return columnCount(); }

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    // The cell where the selection started, and where it ends.
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void SetSelection(int row, int col, int rowSel, int colSel);

    int TopRow() const;
    // False when the grid cannot scroll that far.
    bool SetTopRow(int row);

    void SetColWidthTwips(int col, int twips);
    void SetColAlignment(int col, Qt::Alignment alignment);

    void selectAll() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    std::vector<Qt::Alignment> alignments_;
};

} // namespace platform
