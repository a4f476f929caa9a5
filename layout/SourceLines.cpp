#include "layout/SourceLines.h"

#include <cstring>

#include "objlib/TextEncoding.h"

namespace {

std::string_view UpToNul(std::string_view text) {
    const void* nul = std::memchr(text.data(), '\0', text.size());
    return nul ? text.substr(0, static_cast<const char*>(nul) - text.data()) : text;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

SourceLineReader::SourceLineReader(std::string_view text)
    : text_(UpToNul(text)), mark_(ByteOrderMarkOf(text_)), position_(mark_.size()) {}

bool SourceLineReader::Next(SourceLine& line) {
    const size_t size = text_.size();
    const char* const bytes = text_.data();
    const size_t blanksStart = position_;
    while (position_ < size) {
        const size_t start = position_;
        // One pass finds the line end and whether the line holds a TAB: only then does the
        // value detector need a copy of the line without them.
        size_t end = start;
        bool tabs = false;
        for (; end < size; ++end) {
            const unsigned char c = static_cast<unsigned char>(bytes[end]);
            if (c > '\r') continue;
            if (c == '\r' || c == '\n') break;
            tabs = tabs || c == '\t';
        }
        size_t next = end;
        if (next < size) next += (bytes[next] == '\r' && next + 1 < size && bytes[next + 1] == '\n') ? 2 : 1;
        position_ = next;
        const std::string_view own = text_.substr(start, end - start);
        if (!values_.Take(tabs ? WithoutTabs(own) : own) && IsBlank(own)) continue;
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
    for (char c : line)
        if (c != '\t') withoutTabs_ += c;
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
