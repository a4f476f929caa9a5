// TStrList: a list of text lines that can be read and written as one CR LF text and as a file.
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "objlib/BlockList.h"
#include "objlib/LineStore.h"
#include "objlib/TObj.h"
#include "runtime/Bytes.h"

// Lines are cp1251 byte strings and end at their first NUL byte: a line given with a NUL inside
// is kept up to it. Lines set as one text (SetText, LoadFromFile) stay in that text's block,
// or, for a text larger than a block, in copies of it in blocks of whole lines, so loading a
// file costs its bytes plus 8 bytes per line; lines added one by one are copied back to back
// (LineStore). The text of lines replaced or deleted is given back once it
// outweighs the lines kept. Every index operation is guarded: out of range, Insert, Put and
// Delete do nothing and Get answers the empty string. Get answers a slice that stays valid
// whatever happens to the list afterwards.
//
// The one-text form: a line ends at CR, at LF, or at CR LF (one end); a final line end adds no
// empty line; the text ends at its first NUL byte. Text() writes CR LF after every line, the
// last one too, so Text() then SetText() restores the lines (as long as none holds CR or LF).
class TStrList : public TObj {
public:
    int Count() const { return count_; }
    // Appends; returns the new line's index.
    int Add(const Bytes& s);
    // Inserts at index 0..Count.
    void Insert(int index, const Bytes& s);
    // The line, or the empty string when the index is out of range.
    Bytes Get(int index) const;
    // The line at an index the caller has found in range: Get without checking it again.
    Bytes GetInRange(int index) const { return store_.Slice(lines_[index]); }
    // Replaces the line at an index in range.
    void Put(int index, const Bytes& s);
    void Delete(int index);
    void Clear();

    // Every line followed by CR LF; the empty string for an empty list.
    Bytes Text() const;
    // Replaces the lines by the text's lines, or appends them when `append` is true. An empty
    // text with append false empties the list.
    void SetText(const Bytes& s, bool append);

    // Replaces the lines by the file's lines; a file that cannot be read (missing, a folder,
    // no access) leaves the list as it was. The path is cp1251 text.
    void LoadFromFile(const Bytes& path);
    // Reads the stream from its current position to its end and sets that text (replacing
    // the lines, or appending them when `append` is true).
    void LoadFromStream(std::istream& stream, bool append);
    // Saves Text() over the file in one step (see WriteWholeFile), written from the lines as
    // they lie, without building the text: on any failure the old file stays as it was.
    // Nothing is reported.
    void SaveToFile(const Bytes& path);

    // The index of the first line equal to s byte for byte, or -1.
    int IndexOf(std::string_view s) const;

protected:
    // Told after `count` lines were inserted at `index`, after the line at `index` went, and
    // after the list was emptied; a derived list keeps parallel data in step with them.
    virtual void LinesInserted(int /*index*/, int /*count*/) {}
    virtual void LineDeleted(int /*index*/) {}
    virtual void LinesCleared() {}

private:
    // Calls piece(text) for the bytes of Text() in order, in as few pieces as the lines lie.
    template <class Piece>
    bool ForEachPiece(Piece piece) const;
    // The line stored, after giving the store room for it.
    LineStore::Line Store(std::string_view s);
    // Copies the lines into a new store of their bytes alone.
    void Compact();
    void CompactIfWasteful();

    // Grows chunk by chunk: no second array while a long list grows.
    BlockList<LineStore::Line> lines_;
    // lines_.size() as an int, kept for the index checks of every line added or read.
    int count_ = 0;
    LineStore store_;
    uint64_t liveBytes_ = 0;  // the lines' bytes
    uint64_t deadBytes_ = 0;  // bytes of replaced and deleted lines still in the store
};
