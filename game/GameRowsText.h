// GameRowsText: the text of the editor's main rows as the game model reads it, one line per
// row, so that line N of the model's answers is row N-1 of the table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "components/window/StringTableRows.h"

// The rows (the main table's store: cells kind, name, value, comment) as lines joined by LF:
// an unchanged row read from `original` gives its line as read (a byte-order mark included),
// a changed or new row the line it would be saved as. Blank lines of the original are left
// out, so the game's reading of a value that spans lines keeps its text but not its blanks.
std::string GameTextOfRows(std::string_view original, const TStringTableRows& rows);

// The same text, built again and again while one file stays open: the original's lines are
// split once and kept, since reading them takes longer than putting the rows together.
class GameRowsText {
public:
    // The rows' text as GameTextOfRows makes it. `original` must stay alive and unchanged
    // until Forget, or until another original is given.
    std::string Of(std::string_view original, const TStringTableRows& rows);
    // Lets the original's lines go (another file is coming, or the original is gone).
    void Forget();

private:
    bool Holds(std::string_view original) const;
    void Split(std::string_view original);
    std::string_view Line(int origin) const;

    std::string_view original_;
    std::string head_, end_;  // the original's first and last bytes, to tell a new text at the same place
    std::string_view mark_;
    size_t read_ = 0;  // the bytes of the original the lines were read from: up to a NUL byte
    // By origin, each line's start and length packed in 8 bytes (half a view): they stay as
    // long as the file is open.
    std::vector<uint64_t> lines_;
    bool split_ = false;
};
