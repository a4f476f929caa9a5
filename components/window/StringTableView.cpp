#include "components/window/StringTableView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
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
    // The last column takes what the window gives beyond the others' widths.
    horizontalHeader()->setStretchLastSection(true);
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

void StringTableView::PaintPendingRows() {
    if (!rowsUnpainted_ || !viewport()->isVisible()) return;
    executeDelayedItemsLayout();
    viewport()->repaint();
}

void StringTableView::reset() {
    rowsUnpainted_ = true;
    QTableView::reset();
}

void StringTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    rowsUnpainted_ = true;
    QTableView::dataChanged(topLeft, bottomRight, roles);
}

void StringTableView::rowsInserted(const QModelIndex& parent, int start, int end) {
    rowsUnpainted_ = true;
    QTableView::rowsInserted(parent, start, end);
}

void StringTableView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    rowsUnpainted_ = true;
    QTableView::rowsAboutToBeRemoved(parent, start, end);
}

void StringTableView::paintEvent(QPaintEvent* event) {
    rowsUnpainted_ = false;
    QTableView::paintEvent(event);
}

bool StringTableView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    // The cell's text is drawn inside a margin on each side of the cell.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    if (index.isValid() && fontMetrics().horizontalAdvance(text) + margins > visualRect(index).width()) {
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
        return true;
    }
    QToolTip::hideText();
    return QTableView::viewportEvent(event);
}
