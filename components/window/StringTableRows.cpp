#include "components/window/StringTableRows.h"

#include <cstring>
#include <new>
#include <string>

TStringTableRows::TStringTableRows()
    : array_(CreateArray(this, &ArraySetItem, &ArrayGetItem, &ArrayCountItems, &ArrayAddItem)) {}

void TStringTableRows::AddColumn(const Bytes& caption) {
    columns_.push_back(caption);
    Reshape();
}

void TStringTableRows::ClearColumns() {
    columns_.clear();
    Reshape();
}

void TStringTableRows::Reshape() {
    ++revision_;
    if (rows_.empty()) return;
    PublishFirst();
    if (observer_) observer_->BeginReset();
    for (size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        const Bytes old = TextOf(row);  // keeps the cells' bytes while the store might move
        std::vector<std::string_view> cells = SplitCells(old);
        cells.resize(columns_.size());
        const LineStore::Line text = StoreText(JoinCells(cells).view());
        DropText(row.text);
        row.text = text;
        row.changed = true;
    }
    CompactTextsIfWasteful();
    if (observer_) observer_->EndReset();
    Tell(Edit::Emptied, -1, {});
}

std::vector<std::string_view> TStringTableRows::SplitCells(std::string_view text) const {
    std::vector<std::string_view> cells;
    size_t start = 0;
    while (cells.size() < columns_.size()) {
        size_t end = text.find(Delimiter, start);
        if (end == std::string_view::npos) {
            cells.push_back(text.substr(start));
            break;
        }
        cells.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return cells;
}

Bytes TStringTableRows::JoinCells(const std::vector<std::string_view>& cells) const {
    std::string joined;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) joined += Delimiter;
        joined.append(cells[i]);
    }
    return Bytes(joined);
}

namespace {

bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// The colour prefix at the start of [text, end) read into `item`; answers where it ends. The
// prefix runs up to the first `delimiter` (or the end); its first `colorDelimiter` splits t
// from b, each read as StrToInteger reads it, and b is 0 without one.
const char* ReadPrefix(const char* text, const char* end, char delimiter, char colorDelimiter, uint32_t& item) {
    // The usual prefix, digits colorDelimiter digits, in one pass. Digits stop at neither
    // delimiter only when no delimiter is a digit, and a colorDelimiter splits only when it is
    // not the delimiter too.
    if (!IsDigit(delimiter) && !IsDigit(colorDelimiter) && delimiter != colorDelimiter) {
        uint32_t t = 0;
        uint32_t b = 0;
        const char* p = text;
        for (; p < end && IsDigit(*p); ++p) t = t * 10u + static_cast<uint32_t>(*p - '0');
        if (p < end && *p == colorDelimiter) {
            for (++p; p < end && IsDigit(*p); ++p) b = b * 10u + static_cast<uint32_t>(*p - '0');
            if (p == end || *p == delimiter) {
                item = (t << 24) + b;
                return p;
            }
        }
    }
    const char* split = nullptr;
    const char* prefixEnd = text;
    for (; prefixEnd < end && *prefixEnd != delimiter; ++prefixEnd)
        if (!split && *prefixEnd == colorDelimiter) split = prefixEnd;
    const char* const tEnd = split ? split : prefixEnd;
    const auto t = static_cast<uint32_t>(StrToInteger(std::string_view(text, static_cast<size_t>(tEnd - text))));
    const auto b = split ? static_cast<uint32_t>(StrToInteger(std::string_view(split + 1, static_cast<size_t>(prefixEnd - split - 1)))) : 0u;
    item = (t << 24) + b;
    return prefixEnd;
}

}  // namespace

// The row string is read as if one Delimiter were appended, so the last cell is terminated:
// "a" holds one cell, "a\t" two, and with a colour prefix "0#0" holds none. In line: only
// AddOrReplace reads rows, once a row.
inline TStringTableRows::ReadRow TStringTableRows::Read(std::string_view rowString) const {
    ReadRow read;
    const char* cells = rowString.data();
    const char* const end = cells + rowString.size();
    if (ColorPrefix) {
        const char* prefixEnd = ReadPrefix(cells, end, Delimiter, ColorDelimiter, read.item);
        if (prefixEnd == end) {
            read.hasCells = false;
            return read;  // no cells at all: every cell empty, or none given for a rewrite
        }
        cells = prefixEnd + 1;
    }
    read.cells = std::string_view(cells, static_cast<size_t>(end - cells));
    const size_t columns = columns_.size();
    if (columns == 0) {
        read.whole = 0;
        return read;
    }
    // One look for each delimiter, straight at the bytes: every row read in passes here.
    const char* cell = cells;
    for (size_t found = 1;; ++found) {
        const void* delimiter = cell < end ? std::memchr(cell, Delimiter, static_cast<size_t>(end - cell)) : nullptr;
        if (!delimiter) {
            if (found == columns) read.whole = read.cells.size();
            return read;
        }
        if (found == columns) {
            read.whole = static_cast<size_t>(static_cast<const char*>(delimiter) - cells);
            return read;
        }
        cell = static_cast<const char*>(delimiter) + 1;
    }
}

std::string_view TStringTableRows::Normalize(const ReadRow& read, const Bytes* previous, Bytes& spare) const {
    if (read.whole != std::string_view::npos) return read.cells.substr(0, read.whole);
    std::vector<std::string_view> cells = SplitCells(read.cells);
    if (previous) {
        std::vector<std::string_view> old = SplitCells(*previous);
        for (size_t i = cells.size(); i < old.size(); ++i) cells.push_back(old[i]);
    }
    cells.resize(columns_.size());
    spare = JoinCells(cells);
    return spare.view();
}

LineStore::Line TStringTableRows::StoreJoined(const ReadRow& read) {
    Bytes joined;
    return StoreText(Normalize(read, nullptr, joined));
}

int TStringTableRows::AddOrReplace(const Bytes& rowString, int index, bool replace) {
    if (replace && (index < 0 || index >= Count())) return -1;
    const ReadRow read = Read(rowString);  // rowString keeps its bytes while the row is made
    Row row;
    row.item = read.item;
    if (replace) {
        const Bytes existingText = TextOf(rows_[index]);
        const uint32_t existingItem = rows_[index].item;
        Bytes joined;
        std::string_view text = existingText;
        if (read.hasCells) {
            text = Normalize(read, &existingText, joined);
            if (text == existingText.view() && row.item == existingItem) return index;
        } else if (row.item == existingItem) {
            return index;
        }
        ++revision_;
        const RowState before = StateOf(index);
        Row& existing = rows_[index];
        row.origin = existing.origin;
        row.changed = existing.changed || text != existingText.view();
        if (text == existingText.view()) {
            row.text = existing.text;
        } else {
            row.text = StoreText(text);
            DropText(rows_[index].text);
        }
        rows_[index] = row;
        CompactTextsIfWasteful();
        if (observer_ && index < published_) observer_->RowChanged(index);
        Tell(Edit::Rewritten, index, before);
        return index;
    }
    // Only a row short of cells is joined again: every row read in has them all.
    row.text = read.whole != std::string_view::npos ? StoreText(read.cells.substr(0, read.whole)) : StoreJoined(read);
    ++revision_;

    if (index < 0 || index >= Count()) {
        const bool reading = takingOrigins_;
        if (reading) row.origin = Count();
        rows_.push_back(std::move(row));
        if (observer_ && Count() - 1 == published_) observer_->AppendsPending();
        if (!reading) Tell(Edit::Inserted, Count() - 1, {});
        return Count() - 1;
    }
    InsertRow(index, std::move(row));
    Tell(Edit::Inserted, index, {});
    return index;
}

void TStringTableRows::InsertRow(int index, Row row) {
    PublishFirst();
    if (observer_) observer_->BeginInsertRow(index);
    rows_.insert(static_cast<size_t>(index), row);
    published_ = Count();
    if (observer_) observer_->EndInsertRow();
    if (shiftWatcher_.RowsMoved) shiftWatcher_.RowsMoved(shiftWatcher_.Target, index, 1);
}

void TStringTableRows::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    const RowState before = StateOf(index);
    PublishFirst();
    if (observer_) observer_->BeginRemoveRow(index);
    DropText(rows_[index].text);
    rows_.erase(static_cast<size_t>(index));
    CompactTextsIfWasteful();
    published_ = Count();
    ++revision_;
    if (observer_) observer_->EndRemoveRow();
    Tell(Edit::Deleted, index, before);
    if (shiftWatcher_.RowsMoved) shiftWatcher_.RowsMoved(shiftWatcher_.Target, index, -1);
}

TStringTableRows::RowState TStringTableRows::StateOf(int row) const {
    if (row < 0 || row >= Count()) return RowState();
    const Row& kept = rows_[row];
    return RowState{TextOf(kept), kept.item, kept.origin, kept.changed};
}

void TStringTableRows::Restore(int index, const RowState& state, bool replace) {
    if (index < 0 || index > Count() || (replace && index == Count())) return;
    Row row;
    row.text = StoreText(state.text.view());
    row.item = state.item;
    row.origin = state.origin;
    row.changed = state.changed;
    ++revision_;
    if (!replace) {
        InsertRow(index, std::move(row));
        Tell(Edit::Inserted, index, {});
        return;
    }
    const RowState before = StateOf(index);
    DropText(rows_[index].text);
    rows_[index] = std::move(row);
    CompactTextsIfWasteful();
    if (observer_ && index < published_) observer_->RowChanged(index);
    Tell(Edit::Rewritten, index, before);
}

void TStringTableRows::Clear() {
    ++revision_;
    if (observer_) observer_->BeginReset();
    rows_.clear();
    texts_.Clear();
    liveTextBytes_ = deadTextBytes_ = 0;
    published_ = 0;
    takingOrigins_ = true;
    if (observer_) observer_->EndReset();
    Tell(Edit::Emptied, -1, {});
}

void TStringTableRows::PublishFirst() {
    if (observer_ && published_ < Count()) observer_->PublishPending();
    published_ = Count();
}

Bytes TStringTableRows::RowString(int index) const {
    if (index < 0 || index >= Count()) return Bytes();
    return TextOf(rows_[index]);
}

Bytes TStringTableRows::Cell(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0 || column >= ColumnCount()) return Bytes();
    const Bytes text = TextOf(rows_[row]);
    size_t start = 0;
    for (int c = 0; c < column; ++c) {
        size_t next = text.view().find(Delimiter, start);
        if (next == std::string_view::npos) return Bytes();
        start = next + 1;
    }
    size_t end = text.view().find(Delimiter, start);
    return text.substr(start, end == std::string_view::npos ? Bytes::npos : end - start);
}

void TStringTableRows::SetCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= Count() || column < 0 || column >= ColumnCount()) return;
    const Bytes old = TextOf(rows_[row]);  // keeps the cells' bytes alive while they are joined again
    std::vector<std::string_view> cells = SplitCells(old);
    cells.resize(columns_.size());
    if (cells[column] == text) return;
    const RowState before = StateOf(row);
    cells[column] = text;
    const LineStore::Line joined = StoreText(JoinCells(cells).view());
    DropText(rows_[row].text);
    rows_[row].text = joined;
    rows_[row].changed = true;
    CompactTextsIfWasteful();
    ++revision_;
    if (observer_ && row < published_) observer_->RowChanged(row);
    Tell(Edit::Rewritten, row, before);
}

LineStore::Line TStringTableRows::StoreTextAfterCompacting(std::string_view text) {
    CompactTexts();
    if (!texts_.HasRoom(text.size())) throw std::bad_alloc();
    liveTextBytes_ += text.size();
    return texts_.Append(text);
}

void TStringTableRows::CompactTexts() {
    // The rows change only once every text found room, so a failure leaves them as they were.
    LineStore texts;
    std::vector<LineStore::Line> moved;
    moved.reserve(rows_.size());
    for (size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        if (!texts.HasRoom(row.text.length)) throw std::bad_alloc();
        moved.push_back(texts.Append(texts_.View(row.text)));
    }
    for (size_t i = 0; i < moved.size(); ++i) rows_[i].text = moved[i];
    texts_ = std::move(texts);
    deadTextBytes_ = 0;
}

void TStringTableRows::CompactTextsIfWasteful() {
    // Each compaction copies no more than the waste it gives back.
    if (deadTextBytes_ > (1u << 16) && deadTextBytes_ > liveTextBytes_) CompactTexts();
}

bool TStringTableRows::ArrayGetItem(void* self, TData& index, TData& item) {
    auto* rows = static_cast<TStringTableRows*>(self);
    const int i = index.Tag() == Tag::Integer ? index.IntValue : ToIndex(index);  // a walk's index, without a call
    if (static_cast<uint32_t>(i) >= rows->rows_.size()) return false;  // a negative index too
    // The string the record held is let go last, when nothing is left to keep across the
    // release: a walk asks for every row.
    const Bytes previous = std::move(item.StrValue);
    SetString(item, rows->TextOf(rows->rows_[static_cast<uint32_t>(i)]));
    return true;
}

void TStringTableRows::ArraySetItem(void* self, TData& index, TData& item) {
    auto* rows = static_cast<TStringTableRows*>(self);
    rows->AddOrReplace(ToString(item), ToIndex(index), true);
}

int32_t TStringTableRows::ArrayCountItems(void* self) { return static_cast<TStringTableRows*>(self)->Count(); }

void TStringTableRows::ArrayAddItem(void* self, TData& item) {
    static_cast<TStringTableRows*>(self)->AddOrReplace(ToString(item), -1, false);
}
