#include "objlib/TStrList.h"

#include <cstring>
#include <istream>
#include <iterator>
#include <string>

#include "objlib/FileSystem.h"

namespace {

// The text up to its first NUL byte, sharing the block.
Bytes UpToNul(const Bytes& s) {
    const void* nul = std::memchr(s.data(), '\0', s.size());
    return nul ? s.substr(0, static_cast<const char*>(nul) - s.data()) : s;
}

// Calls visit(start, length) for every line of a NUL-free text. A line ends at CR, LF or
// CR LF; the end of the text ends the last line without adding an empty one.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
    size_t start = 0;
    const size_t size = text.size();
    while (start < size) {
        size_t end = start;
        while (end < size && text[end] != '\r' && text[end] != '\n') ++end;
        visit(start, end - start);
        if (end < size && text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
}

}  // namespace

int TStrList::Add(const Bytes& s) {
    int index = Count();
    Insert(index, s);
    return index;
}

void TStrList::Insert(int index, const Bytes& s) {
    if (index < 0 || index > Count()) return;
    lines_.insert(lines_.begin() + index, UpToNul(s));
    LinesInserted(index, 1);
}

Bytes TStrList::Get(int index) const {
    if (index < 0 || index >= Count()) return Bytes();
    return lines_[index];
}

void TStrList::Put(int index, const Bytes& s) {
    if (index < 0 || index >= Count()) return;
    lines_[index] = UpToNul(s);
}

void TStrList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    lines_.erase(lines_.begin() + index);
    LineDeleted(index);
}

void TStrList::Clear() {
    lines_.clear();
    lines_.shrink_to_fit();
    LinesCleared();
}

Bytes TStrList::Text() const {
    size_t total = 0;
    for (const Bytes& line : lines_) total += line.size() + 2;
    char* out = nullptr;
    Bytes text = Bytes::Uninitialized(total, out);
    for (const Bytes& line : lines_) {
        std::memcpy(out, line.data(), line.size());
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return text;
}

void TStrList::SetText(const Bytes& s, bool append) {
    if (!append) Clear();
    const Bytes text = UpToNul(s);
    if (text.empty()) return;

    size_t added = 0;
    ForEachLine(text.view(), [&](size_t, size_t) { ++added; });
    const int first = Count();
    lines_.reserve(lines_.size() + added);
    ForEachLine(text.view(), [&](size_t start, size_t length) { lines_.push_back(text.substr(start, length)); });
    LinesInserted(first, static_cast<int>(added));
}

void TStrList::LoadFromFile(const Bytes& path) {
    Bytes content;
    if (ReadWholeFile(path, content)) SetText(content, false);
}

void TStrList::LoadFromStream(std::istream& stream, bool append) {
    std::string content{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    SetText(Bytes(content), append);
}

void TStrList::SaveToFile(const Bytes& path) { WriteWholeLines(path, lines_, "\r\n"); }

int TStrList::IndexOf(std::string_view s) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].view() == s) return static_cast<int>(i);
    return -1;
}
