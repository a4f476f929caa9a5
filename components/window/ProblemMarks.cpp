#include "components/window/ProblemMarks.h"

#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>
#include <algorithm>

#include "components/window/ThiStringTable.h"

// Draws the sign in the first cell of a marked row and shows its text there as a tooltip.
class ProblemMarkDelegate : public QStyledItemDelegate {
public:
    explicit ProblemMarkDelegate(const ProblemMarks& marks) : marks_(marks) {}

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        const ProblemMarks::RowMark* mark = index.column() == 0 ? marks_.MarkOf(index.row()) : nullptr;
        if (!mark || event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QToolTip::showText(event->globalPos(), marks_.TextOf(*mark), view->viewport(), option.rect);
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const ProblemMarks::RowMark* mark = index.column() == 0 ? marks_.MarkOf(index.row()) : nullptr;
        if (!mark) return;
        QStyle* style = option->widget ? option->widget->style() : QApplication::style();
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->icon = style->standardIcon(mark->error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning);
        const int side = std::max(option->rect.height() - 4, 8);
        option->decorationSize = QSize(side, side);
    }

private:
    const ProblemMarks& marks_;
};

ProblemMarks::ProblemMarks() : delegate_(std::make_unique<ProblemMarkDelegate>(*this)) {}

ProblemMarks::~ProblemMarks() {
    if (view_ && view_->itemDelegate() == delegate_.get()) view_->setItemDelegate(nullptr);
}

void ProblemMarks::Watch(ThiStringTable& table) {
    view_ = table.Control->As<QTableView>();
    view_->setItemDelegate(delegate_.get());
}

void ProblemMarks::SetMarks(std::vector<Mark> marks) {
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.row < b.row; });
    rows_.clear();
    problems_.clear();
    problems_.reserve(marks.size());
    for (const Mark& mark : marks) {
        if (rows_.empty() || rows_.back().row != mark.row)
            rows_.push_back({mark.row, false, static_cast<int>(problems_.size()), 0});
        rows_.back().error = rows_.back().error || mark.error;
        ++rows_.back().count;
        problems_.push_back(mark.problem);
    }
    if (view_) view_->viewport()->update();
}

const ProblemMarks::RowMark* ProblemMarks::MarkOf(int row) const {
    auto it = std::lower_bound(rows_.begin(), rows_.end(), row, [](const RowMark& m, int r) { return m.row < r; });
    return it != rows_.end() && it->row == row ? &*it : nullptr;
}

QString ProblemMarks::TextOf(const RowMark& mark) const {
    QString text;
    if (!source_.Text) return text;
    for (int i = mark.first; i < mark.first + mark.count; ++i) {
        if (i > mark.first) text += QLatin1Char('\n');
        text += source_.Text(source_.Target, problems_[i]);
    }
    return text;
}

void ProblemMarks::doNext(TData&, uint16_t) {
    if (rows_.empty()) return;
    const int selected = PullInteger(SelectedIndex);
    auto it = std::upper_bound(rows_.begin(), rows_.end(), selected, [](int r, const RowMark& m) { return r < m.row; });
    RaiseInteger(onSelect, (it != rows_.end() ? *it : rows_.front()).row);
}

void ProblemMarks::doPrevious(TData&, uint16_t) {
    if (rows_.empty()) return;
    const int selected = PullInteger(SelectedIndex);
    auto it = std::lower_bound(rows_.begin(), rows_.end(), selected, [](const RowMark& m, int r) { return m.row < r; });
    RaiseInteger(onSelect, (it != rows_.begin() ? *std::prev(it) : rows_.back()).row);
}
