// StringTableView: the table view of a string table, in the manner of a report-style list view:
// whole rows of one height, no row numbers, no editing through the view itself, horizontal
// scrolling by pixels and vertical scrolling by rows, so the vertical scroll bar's value is
// the index of the top row. The last column stretches to the view's right edge, every column
// can be resized by dragging its header's edge, and a cell too narrow for its text shows the
// whole text in a tooltip.
#pragma once

#include <QTableView>

class StringTableView : public QTableView {
public:
    StringTableView();

    // The lowest selected row, or -1 when no row is selected.
    int FirstSelectedRow() const;
    // The number of rows that fit completely in the viewport.
    int RowsPerPage() const;
    // The first row shown at the top of the viewport.
    int TopRow() const;
    // Scrolls vertically only as far as needed to show `row` completely (above the view it
    // becomes the top row, below it the bottom one); a row outside the table does nothing.
    void MakeRowVisible(int row);
    // Selects `row` alone and makes it current without scrolling; a row outside the table
    // only clears the selection.
    void SelectRowAlone(int row);
    // Makes every row as high as the current font needs.
    void FitRowHeightToFont();
    // Lays out and paints at once the rows whose change the viewport has not painted yet, so
    // that they are on screen before a long piece of work that follows; nothing when all is
    // painted or the view is hidden.
    void PaintPendingRows();

    void reset() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    bool rowsUnpainted_ = false;  // the rows changed since the viewport was last painted
};
