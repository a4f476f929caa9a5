#include "components/window/StringTableModel.h"

#include <QBrush>
#include <QTimer>

#include "objlib/qt/FileText.h"
#include "objlib/qt/QtColor.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

// The text colours a row's colour index t (1..15) selects, as 0x00BBGGRR.
constexpr uint32_t kTextPalette[16] = {
    0,        0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

}  // namespace

StringTableModel::StringTableModel(TStringTableRows& rows) : rows_(rows) { rows_.SetObserver(this); }

StringTableModel::~StringTableModel() { rows_.SetObserver(nullptr); }

void StringTableModel::Publish() {
    if (rows_.PublishedCount() < rows_.Count()) PublishPending();
}

void StringTableModel::SetColumns(const std::vector<Bytes>& captions) {
    Publish();
    beginResetModel();
    // The reset covers the reshaping of the rows; the store need not announce it as well.
    rows_.SetObserver(nullptr);
    rows_.ClearColumns();
    for (const Bytes& caption : captions) rows_.AddColumn(caption);
    rows_.MarkPublished();
    rows_.SetObserver(this);
    endResetModel();
}

void StringTableModel::SetColumnAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

void StringTableModel::SetDefaultBackground(const QColor& color) { defaultBackground_ = color; }

void StringTableModel::SetCheckBoxes(bool on, std::function<void(int, bool)> changed) {
    checkBoxes_ = on;
    checkChanged_ = std::move(changed);
    checked_.assign(on ? rows_.PublishedCount() : 0, false);
}

int StringTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.PublishedCount();
}

int StringTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.ColumnCount();
}

QVariant StringTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.PublishedCount()) return {};
    switch (role) {
    case Qt::DisplayRole: return FileTextToQString(rows_.Cell(index.row(), index.column()));
    case Qt::BackgroundRole: return RowBackground(index.row());
    case Qt::ForegroundRole: return RowForeground(index.row());
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignment_ | Qt::AlignVCenter);
    case Qt::CheckStateRole:
        if (!checkBoxes_ || index.column() != 0) return {};
        return checked_[index.row()] ? Qt::Checked : Qt::Unchecked;
    default: return {};
    }
}

QVariant StringTableModel::RowBackground(int row) const {
    const uint32_t background = rows_.ColorPrefix ? rows_.ItemValue(row) & 0xFFFFFF : 0;
    if (background != 0) return QBrush(ToQColor(background));
    if (defaultBackground_.isValid()) return QBrush(defaultBackground_);
    return {};
}

QVariant StringTableModel::RowForeground(int row) const {
    const uint32_t text = rows_.ColorPrefix ? (rows_.ItemValue(row) >> 24) & 0xF : 0;
    if (text == 0) return {};
    return QBrush(ToQColor(kTextPalette[text]));
}

QVariant StringTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= rows_.ColumnCount()) return {};
    if (role == Qt::DisplayRole) return InterfaceText(rows_.ColumnCaption(section));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignment_ | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags StringTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (checkBoxes_ && index.column() == 0) result |= Qt::ItemIsUserCheckable;
    return result;
}

bool StringTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !checkBoxes_ || !index.isValid() || index.column() != 0) return false;
    const int row = index.row();
    const bool checked = value.toInt() == Qt::Checked;
    if (row >= static_cast<int>(checked_.size()) || checked_[row] == checked) return false;
    checked_[row] = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    if (checkChanged_) checkChanged_(row, checked);
    return true;
}

// ---- The store's announcements -------------------------------------------------------------

void StringTableModel::AppendsPending() {
    if (publishPosted_) return;
    publishPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        publishPosted_ = false;
        Publish();
    });
}

void StringTableModel::PublishPending() {
    const int first = rows_.PublishedCount();
    const int last = rows_.Count() - 1;
    beginInsertRows(QModelIndex(), first, last);
    rows_.MarkPublished();
    if (checkBoxes_) checked_.resize(rows_.Count(), false);
    endInsertRows();
}

void StringTableModel::BeginInsertRow(int index) {
    beginInsertRows(QModelIndex(), index, index);
    if (checkBoxes_) checked_.insert(checked_.begin() + index, false);
}

void StringTableModel::EndInsertRow() { endInsertRows(); }

void StringTableModel::BeginRemoveRow(int index) {
    beginRemoveRows(QModelIndex(), index, index);
    if (checkBoxes_) checked_.erase(checked_.begin() + index);
}

void StringTableModel::EndRemoveRow() { endRemoveRows(); }

void StringTableModel::BeginReset() { beginResetModel(); }

void StringTableModel::EndReset() {
    if (checkBoxes_) checked_.resize(rows_.PublishedCount(), false);
    endResetModel();
}

void StringTableModel::RowChanged(int index) {
    if (rows_.ColumnCount() == 0) return;
    emit dataChanged(this->index(index, 0), this->index(index, rows_.ColumnCount() - 1));
}
