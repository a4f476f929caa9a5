// TStringTableRows: the rows of a string table as plain data, without any window.
//
// A row enters as a row string of cells separated by `Delimiter`; with `ColorPrefix` on, its
// first cell "t#b" becomes the row's 32-bit item value (t << 24) + b and is not kept as a
// cell. A row keeps exactly one cell per column, stored as its cells joined by `Delimiter`:
// that is also what `RowString` answers. The texts are kept back to back in shared blocks and a
// row names its text by position, so a row costs its bytes and 16 more; the text of rewritten
// and deleted rows is given back once it outweighs the rows' own.
//
// A window shows this store through a model. Rows appended one by one are not announced one
// by one: they stay pending until the observer publishes them in one batch. Every other
// change publishes what is pending first and is then announced on its own.
//
// Each row also knows where it came from: the rows appended after a Clear are the lines of a
// file in order, so row k of them has origin k, until SealOrigins says the file is all in;
// every row added later has origin -1. A row is marked changed once its text is rewritten to
// something else. Both live in the room a row has to spare, so they cost no memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "objlib/BlockList.h"
#include "objlib/LineStore.h"
#include "runtime/Data.h"

class TStringTableRows {
public:
    // What a view of the rows is told. Calls come in Begin/End pairs around each change.
    class Observer {
    public:
        virtual ~Observer() = default;
        // Rows were appended beyond the published count while none were pending.
        virtual void AppendsPending() = 0;
        // Publish the pending rows now (a change other than an append is about to happen).
        virtual void PublishPending() = 0;
        virtual void BeginInsertRow(int index) = 0;
        virtual void EndInsertRow() = 0;
        virtual void BeginRemoveRow(int index) = 0;
        virtual void EndRemoveRow() = 0;
        virtual void BeginReset() = 0;
        virtual void EndReset() = 0;
        virtual void RowChanged(int index) = 0;
    };

    // Told after a row was inserted before existing rows (delta 1) or deleted (delta -1) at
    // `index`: the rows that followed it moved by delta. A plain function and its target.
    struct ShiftWatcher {
        void (*RowsMoved)(void* target, int index, int delta) = nullptr;
        void* Target = nullptr;
    };

    // A row whole, as the store keeps it: enough to put a row back exactly as it was, its
    // origin and changed flag included.
    struct RowState {
        Bytes text;  // the cells joined by Delimiter
        uint32_t item = 0;
        int origin = -1;
        bool changed = false;
    };
    // What a change did to the rows, for an edit watcher.
    enum class Edit { Rewritten, Inserted, Deleted, Emptied };
    // Told after every change of one row (`before` is the row as it was; empty for an insert),
    // and after the rows were emptied or reshaped (Emptied, index -1). A delete is told before
    // the shift watcher hears of it. The rows appended while a file is read in (before
    // SealOrigins) are no edits and are not told. A plain function and its target.
    struct EditWatcher {
        void (*RowEdited)(void* target, Edit edit, int index, const RowState& before) = nullptr;
        void* Target = nullptr;
    };

    TStringTableRows();
    TStringTableRows(const TStringTableRows&) = delete;
    TStringTableRows& operator=(const TStringTableRows&) = delete;

    char Delimiter = ' ';
    char ColorDelimiter = '#';
    bool ColorPrefix = false;

    void SetObserver(Observer* observer) { observer_ = observer; }
    void SetShiftWatcher(ShiftWatcher watcher) { shiftWatcher_ = watcher; }
    void SetEditWatcher(EditWatcher watcher) { editWatcher_ = watcher; }

    // Counts the changes of the rows' content (columns, rows or cells); a rewrite that leaves a
    // row as it was counts nothing. Equal revisions mean equal content.
    uint64_t Revision() const { return revision_; }

    // ---- Columns -------------------------------------------------------------------------
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const Bytes& ColumnCaption(int column) const { return columns_[column]; }
    // Adding or removing columns reshapes every row: new cells are empty, removed ones gone.
    void AddColumn(const Bytes& caption);
    void ClearColumns();

    // ---- Rows ----------------------------------------------------------------------------
    int Count() const { return static_cast<int>(rows_.size()); }
    // Rows a view has been told about; the rest are pending.
    int PublishedCount() const { return published_; }
    void MarkPublished() { published_ = Count(); }

    // The one routine behind add, insert, set and load. Index -1 appends; otherwise the row
    // is inserted at index (0..Count), or with `replace` the existing row there is rewritten
    // (cells beyond those given keep their text). Answers the row's index, or -1 when the
    // index is out of range.
    int AddOrReplace(const Bytes& rowString, int index, bool replace);
    void Delete(int index);  // out of range: nothing
    // Empties the store; the rows appended next take their origins in order.
    void Clear();

    // The rows appended from now on are new rows (origin -1), until the next Clear.
    void SealOrigins() { takingOrigins_ = false; }
    // The row's place among the rows first appended after the last Clear, or -1 for a row
    // added afterwards (also when out of range).
    int Origin(int row) const { return row >= 0 && row < Count() ? rows_[row].origin : -1; }
    // Whether the row's text was rewritten since it was added (false when out of range).
    bool Changed(int row) const { return row >= 0 && row < Count() && rows_[row].changed; }

    // The row as kept (out of range: an empty row), and a kept row put back: inserted at index
    // (0..Count), or with `replace` over the row there. Announced and told as any insert or
    // rewrite.
    RowState StateOf(int row) const;
    void Restore(int index, const RowState& state, bool replace);

    // The row's cells joined by Delimiter, without colour prefix; empty when out of range.
    Bytes RowString(int index) const;
    Bytes Cell(int row, int column) const;
    void SetCell(int row, int column, std::string_view text);
    uint32_t ItemValue(int row) const { return rows_[row].item; }

    // The rows as an array interface (get/set/count/add); the same object on every request.
    // Inline: a walk over the table asks for it once per row.
    TArrayIntf* Array() { return array_.get(); }

private:
    struct Row {
        LineStore::Line text;  // exactly ColumnCount() cells joined by Delimiter, in texts_
        uint32_t item = 0;
        int32_t origin : 31 = -1;
        bool changed : 1 = false;
    };
    static_assert(sizeof(Row) == 4 * sizeof(uint32_t), "origin and changed share one word");

    Bytes TextOf(const Row& row) const { return texts_.Slice(row.text); }
    std::string_view ViewOf(const Row& row) const { return texts_.View(row.text); }
    // Copies a row's text into the store (compacted first should it have no room left).
    // Inline when it fits the fill block: every row read in is stored this way.
    LineStore::Line StoreText(std::string_view text) {
        if (!texts_.FitsFill(text.size()) && !texts_.HasRoom(text.size())) return StoreTextAfterCompacting(text);
        liveTextBytes_ += text.size();
        return texts_.Append(text);
    }
    LineStore::Line StoreTextAfterCompacting(std::string_view text);
    // A row's text is no longer any row's.
    void DropText(LineStore::Line text) {
        liveTextBytes_ -= text.length;
        deadTextBytes_ += text.length;
    }
    // Copies the rows' texts into a new store of their bytes alone.
    void CompactTexts();
    void CompactTextsIfWasteful();

    // A row string read in one pass: its colour prefix's item value and the cells given.
    struct ReadRow {
        std::string_view cells;
        // With at least one cell per column, the length of `cells` that holds exactly one
        // each; else npos.
        size_t whole = std::string_view::npos;
        uint32_t item = 0;
        bool hasCells = true;  // false for a prefix without cells
    };
    ReadRow Read(std::string_view rowString) const;
    // Splits text at Delimiter into at most ColumnCount() cells, after dropping extra ones.
    std::vector<std::string_view> SplitCells(std::string_view text) const;
    Bytes JoinCells(const std::vector<std::string_view>& cells) const;
    // The row text with exactly one cell per column: the cells given, a slice of them when
    // there are enough, else joined again into `spare` with the missing ones taken from
    // `previous` (when a row is rewritten) or empty.
    std::string_view Normalize(const ReadRow& read, const Bytes* previous, Bytes& spare) const;
    // Stores a new row's text that is short of cells, the missing ones empty.
    LineStore::Line StoreJoined(const ReadRow& read);
    void Reshape();
    void PublishFirst();
    void InsertRow(int index, Row row);
    void Tell(Edit edit, int index, const RowState& before) const {
        if (editWatcher_.RowEdited) editWatcher_.RowEdited(editWatcher_.Target, edit, index, before);
    }

    static bool ArrayGetItem(void* self, TData& index, TData& item);
    static void ArraySetItem(void* self, TData& index, TData& item);
    static int32_t ArrayCountItems(void* self);
    static void ArrayAddItem(void* self, TData& item);

    std::vector<Bytes> columns_;
    BlockList<Row> rows_;
    LineStore texts_;  // the rows' texts, back to back
    uint64_t liveTextBytes_ = 0;
    uint64_t deadTextBytes_ = 0;  // of rewritten and deleted rows, still in texts_
    int published_ = 0;
    bool takingOrigins_ = true;
    uint64_t revision_ = 0;
    Observer* observer_ = nullptr;
    ShiftWatcher shiftWatcher_;
    EditWatcher editWatcher_;
    std::unique_ptr<TArrayIntf> array_;
};
