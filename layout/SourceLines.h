// SourceLines: the lines of an LTX file's text that become rows, with the bytes around them.
//
// A line ends at CR, LF or CR LF, and the end of the text ends the last line, exactly as the
// string list splits a file. A byte-order mark at the start is no part of the first line, as
// the parser reads it. A line that holds nothing but spaces and TABs gives no row, unless it
// belongs to a value of several lines (ValueLines), as the parser reads it; it is kept with
// the next row line (or in the tail after the last one), so that the mark, the spans of the
// row lines and the tail put together are the whole text, byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "layout/ValueLines.h"

// One row line: the blank lines before it, its own bytes, and its line end (empty for a last
// line without one).
struct SourceLine {
    std::string_view blanks;
    std::string_view text;
    std::string_view end;
};

// Walks the row lines of a text from the first to the last.
class SourceLineReader {
public:
    // The text is read up to its first NUL byte, as the string list reads it.
    explicit SourceLineReader(std::string_view text);

    // The next row line; false when there is none left, Tail() then holds the rest.
    bool Next(SourceLine& line);
    // The blank lines after the last row line (valid once Next answered false).
    std::string_view Tail() const { return tail_; }
    // The byte-order mark the text starts with, or empty.
    std::string_view Mark() const { return mark_; }

private:
    // The line as the value detector sees it, in a buffer of the reader's own.
    std::string_view WithoutTabs(std::string_view line);

    std::string_view text_;
    std::string_view mark_;
    size_t position_ = 0;
    std::string_view tail_;
    ValueLines values_;
    std::string withoutTabs_;  // spares an allocation per line that holds a TAB
};

// How many rows the parser makes of the text.
size_t CountSourceLines(std::string_view text);

// The line end used most often in the text ("\r\n", "\n" or "\r"); CR LF when there is none,
// and on a tie the one that comes first in that order.
std::string_view PrevailingLineEnd(std::string_view text);
