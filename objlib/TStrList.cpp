#include "objlib/TStrList.h"

#include <cstring>
#include <istream>
#include <iterator>
#include <new>
#include <string>

#include "objlib/FileSystem.h"
#include "runtime/ByteScan.h"

namespace {

// The text up to its first NUL byte. Inline: every line added goes through it.
inline std::string_view UpToNul(std::string_view s) {
    const void* nul = std::memchr(s.data(), '\0', s.size());
    return nul ? s.substr(0, static_cast<const char*>(nul) - s.data()) : s;
}

// The same, sharing the block.
Bytes UpToNul(const Bytes& s) {
    const size_t size = UpToNul(s.view()).size();
    return size == s.size() ? s : s.substr(0, size);
}

// Calls visit(start, length) for every line of a NUL-free text. A line ends at CR, LF or
// CR LF; the end of the text ends the last line without adding an empty one.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    // One search of the line's own bytes for either end: lines are short, and a text without
    // CR or without LF is still read only once.
    for (const char* start = begin; start < end;) {
        const char* lineEnd = FindEitherByte(start, end, '\r', '\n');
        visit(static_cast<size_t>(start - begin), static_cast<size_t>(lineEnd - start));
        start = lineEnd + (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n' ? 2 : 1);
    }
}

}  // namespace

int TStrList::Add(const Bytes& s) {
    // Appended at the back, the cheapest place; the writers add every line so.
    const int index = Count();
    const std::string_view text = UpToNul(s.view());
    // Most lines fit the fill block: they are copied here, without Store's call.
    if (store_.FitsFill(text.size() + 2)) {
        liveBytes_ += text.size();
        lines_.push_back(store_.Copy(text));
    } else {
        lines_.push_back(Store(text));
    }
    ++count_;
    LinesInserted(index, 1);
    return index;
}

LineStore::Line TStrList::Store(std::string_view s) {
    if (!store_.FitsFill(s.size() + 2) && !store_.HasRoom(s.size() + 2)) {
        Compact();
        if (!store_.HasRoom(s.size() + 2)) throw std::bad_alloc();
    }
    liveBytes_ += s.size();
    return store_.Copy(s);
}

void TStrList::Insert(int index, const Bytes& s) {
    if (index < 0 || index > Count()) return;
    const LineStore::Line line = Store(UpToNul(s.view()));  // may compact: lines_ is replaced
    lines_.insert(index, line);
    ++count_;
    LinesInserted(index, 1);
}

Bytes TStrList::Get(int index) const {
    if (index < 0 || index >= Count()) return Bytes();
    return GetInRange(index);
}

void TStrList::Put(int index, const Bytes& s) {
    if (index < 0 || index >= Count()) return;
    const LineStore::Line line = Store(UpToNul(s.view()));
    // Store may have compacted the lines; the old line's length is still its own.
    liveBytes_ -= lines_[index].length;
    deadBytes_ += lines_[index].length + 2;
    lines_[index] = line;
    CompactIfWasteful();
}

void TStrList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    liveBytes_ -= lines_[index].length;
    deadBytes_ += lines_[index].length + 2;
    lines_.erase(index);
    --count_;
    CompactIfWasteful();
    LineDeleted(index);
}

void TStrList::Clear() {
    lines_.clear();
    count_ = 0;
    store_.Clear();
    liveBytes_ = deadBytes_ = 0;
    LinesCleared();
}

void TStrList::Compact() {
    LineStore store;
    BlockList<LineStore::Line> lines;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineStore::Line line = lines_[i];
        if (!store.HasRoom(line.length + 2)) throw std::bad_alloc();
        lines.push_back(store.Copy(store_.View(line)));
    }
    store_ = std::move(store);
    lines_ = std::move(lines);
    deadBytes_ = 0;
}

void TStrList::CompactIfWasteful() {
    // Each compaction copies no more than the waste it gives back, so the copying stays in
    // proportion to the changes made.
    if (deadBytes_ > (1u << 16) && deadBytes_ > liveBytes_ + 2 * lines_.size()) Compact();
}

template <class Piece>
bool TStrList::ForEachPiece(Piece piece) const {
    // A run of lines lying one after another, each followed by CR LF, is one piece.
    const char* runStart = nullptr;
    const char* runEnd = nullptr;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineStore::Line line = lines_[i];
        const char* data = store_.Data(line);
        if (data != runEnd) {
            if (runStart != runEnd && !piece(std::string_view(runStart, runEnd - runStart))) return false;
            runStart = data;
        }
        runEnd = data + line.length;
        if (store_.FollowedByLineEnd(line)) {
            runEnd += 2;
        } else {
            if (!piece(std::string_view(runStart, runEnd - runStart)) || !piece("\r\n")) return false;
            runStart = runEnd = nullptr;
        }
    }
    return runStart == runEnd || piece(std::string_view(runStart, runEnd - runStart));
}

Bytes TStrList::Text() const {
    char* out = nullptr;
    Bytes text = Bytes::Uninitialized(liveBytes_ + 2 * lines_.size(), out);
    ForEachPiece([&](std::string_view piece) {
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
        return true;
    });
    return text;
}

void TStrList::SetText(const Bytes& s, bool append) {
    if (!append) Clear();
    const Bytes text = UpToNul(s);
    if (text.empty()) return;

    // A large text is copied in blocks of whole lines: a line kept elsewhere then holds on to
    // its block alone, not to the whole text. Blocks and the lines they hold pair up beyond a
    // block's size, so they take at most three slots per block's size of text, plus one.
    const bool whole = text.size() <= LineStore::kBlockSize;
    const uint64_t room = whole ? text.size() : 3 * uint64_t{text.size()} + LineStore::kBlockSize;
    if (!store_.HasRoom(room)) Compact();
    if (!store_.HasRoom(room)) throw std::bad_alloc();
    const int first = Count();
    const uint64_t liveBytesBefore = liveBytes_;
    size_t blockStart = 0;
    size_t blockFirstLine = lines_.size();
    // Lines are counted from their block's start until the block is stored.
    auto storeBlock = [&](size_t end) {
        const uint32_t base = store_.Take(whole ? text : Bytes(text.view().substr(blockStart, end - blockStart)));
        for (size_t i = blockFirstLine; i < lines_.size(); ++i) lines_[i].start += base;
        blockStart = end;
        blockFirstLine = lines_.size();
    };
    ForEachLine(text.view(), [&](size_t start, size_t length) {
        if (!whole && start + length + 2 - blockStart > LineStore::kBlockSize && lines_.size() > blockFirstLine)
            storeBlock(start);
        lines_.push_back(LineStore::Line{static_cast<uint32_t>(start - blockStart), static_cast<uint32_t>(length)});
        liveBytes_ += length;
    });
    storeBlock(text.size());
    count_ = static_cast<int>(lines_.size());
    // The line ends between the lines are no line's bytes.
    deadBytes_ += text.size() - (liveBytes_ - liveBytesBefore);
    LinesInserted(first, static_cast<int>(lines_.size() - first));
}

void TStrList::LoadFromFile(const Bytes& path) {
    Bytes content;
    if (ReadWholeFile(path, content)) SetText(content, false);
}

void TStrList::LoadFromStream(std::istream& stream, bool append) {
    std::string content{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    SetText(Bytes(content), append);
}

void TStrList::SaveToFile(const Bytes& path) {
    struct Pieces final : PiecewiseText {
        const TStrList& list;
        explicit Pieces(const TStrList& l) : list(l) {}
        uint64_t Size() const override { return list.liveBytes_ + 2 * list.lines_.size(); }
        bool WriteTo(TextSink& sink) const override {
            return list.ForEachPiece([&](std::string_view piece) { return sink.Put(piece); });
        }
    };
    WriteWholeText(path, Pieces(*this));
}

int TStrList::IndexOf(std::string_view s) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (store_.View(lines_[i]) == s) return static_cast<int>(i);
    return -1;
}
