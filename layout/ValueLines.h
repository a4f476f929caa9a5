// ValueLines: which lines of a file belong to a value written over several lines, so that
// they are never read as headers, keys or blank lines of their own.
//
// Two forms occur: "key = <<END" followed by raw lines up to a line "END" (any word after
// "<<"), and a value whose double quotes are unbalanced, continued on the following lines
// until they balance (a ";" outside quotes ends what is looked at of a line). The opening and
// closing lines belong to the value.
#pragma once

#include <string>
#include <string_view>

#include "runtime/ByteScan.h"

class ValueLines {
public:
    // Whether the line (without its TABs, as the parser sees it) belongs to a value of several
    // lines. Give it every line of the file in order, blank ones included.
    bool Take(std::string_view line);
    // Whether the line, with or without its TABs, can matter to Take: inside a value every
    // line does, outside one only a line holding '<' or '"' can open one. Take of any other
    // line answers false and changes nothing, so a caller may leave it out.
    bool Matters(std::string_view line) const {
        const char* end = line.data() + line.size();
        return state_ != State::Outside || FindEitherByte(line.data(), end, '"', '<') != end;
    }
    // Forgets a value left open: the next line starts a new file.
    void Reset() { state_ = State::Outside; }

private:
    enum class State { Outside, UpToWord, InQuotes };
    State state_ = State::Outside;
    std::string word_;  // the line that ends a "<<" value
};
