#include "layout/SourceLines.h"

#include <cstring>

#include "objlib/TextEncoding.h"
#include "runtime/ByteScan.h"

namespace {

std::string_view UpToNul(std::string_view text) {
    const void* nul = std::memchr(text.data(), '\0', text.size());
    return nul ? text.substr(0, static_cast<const char*>(nul) - text.data()) : text;
}

bool IsBlank(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

}  // namespace

SourceLineReader::SourceLineReader(std::string_view text)
    : text_(UpToNul(text)), mark_(ByteOrderMarkOf(text_)), position_(mark_.size()) {}

bool SourceLineReader::Next(SourceLine& line) {
    const size_t size = text_.size();
    const size_t blanksStart = position_;
    while (position_ < size) {
        const size_t start = position_;
        // The line ends at the first CR or LF, both looked for in one pass over its bytes.
        const char* data = text_.data();
        const size_t end = static_cast<size_t>(FindEitherByte(data + start, data + size, '\r', '\n') - data);
        size_t next = end;
        if (next < size) next += (text_[next] == '\r' && next + 1 < size && text_[next + 1] == '\n') ? 2 : 1;
        position_ = next;
        const std::string_view own = text_.substr(start, end - start);
        // The value detector sees the line without its TABs, copied only when it looks at it.
        const bool valueLine = values_.Matters(own) && values_.Take(FindByte(own, '\t') < own.size() ? WithoutTabs(own) : own);
        if (!valueLine && IsBlank(own)) continue;
        line.blanks = text_.substr(blanksStart, start - blanksStart);
        line.text = own;
        line.end = text_.substr(end, next - end);
        return true;
    }
    tail_ = text_.substr(blanksStart);
    return false;
}

std::string_view SourceLineReader::WithoutTabs(std::string_view line) {
    withoutTabs_.clear();
    for (size_t from = 0; from < line.size();) {
        const size_t tab = FindByte(line, '\t', from);
        withoutTabs_.append(line.substr(from, tab - from));
        from = tab + 1;
    }
    return withoutTabs_;
}

size_t CountSourceLines(std::string_view text) {
    SourceLineReader reader(text);
    SourceLine line;
    size_t count = 0;
    while (reader.Next(line)) ++count;
    return count;
}

std::string_view PrevailingLineEnd(std::string_view text) {
    size_t crlf = 0, lf = 0, cr = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lf;
        } else if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        }
    }
    if (crlf >= lf && crlf >= cr) return "\r\n";
    return lf >= cr ? "\n" : "\r";
}
