#include "components/window/StringTableView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

StringTableView::StringTableView() {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

int StringTableView::FirstSelectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (first < 0 || range.top() < first) first = range.top();
    return first;
}

int StringTableView::RowsPerPage() const {
    return viewport()->height() / std::max(verticalHeader()->defaultSectionSize(), 1);
}

int StringTableView::TopRow() const { return verticalScrollBar()->value(); }

void StringTableView::MakeRowVisible(int row) {
    if (row < 0 || row >= model()->rowCount()) return;
    // Rows published just now change the scroll range only at the next layout.
    executeDelayedItemsLayout();
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->value();
    const int perPage = std::max(RowsPerPage(), 1);
    if (row < top)
        bar->setValue(row);
    else if (row >= top + perPage)
        bar->setValue(row - perPage + 1);
}

void StringTableView::SelectRowAlone(int row) {
    // Making a row current would scroll it into view; the callers scroll by their own rules.
    const bool autoScrolling = hasAutoScroll();
    setAutoScroll(false);
    if (row >= 0 && row < model()->rowCount()) {
        const int column = std::max(currentIndex().column(), 0);
        selectionModel()->setCurrentIndex(model()->index(row, column),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selectionModel()->clearSelection();
    }
    setAutoScroll(autoScrolling);
}

void StringTableView::FitRowHeightToFont() {
    const int height = fontMetrics().height() + 4;
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}
