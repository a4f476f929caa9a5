// GameRowsText: the text of the editor's main rows as the game model reads it, one line per
// row, so that line N of the model's answers is row N-1 of the table.
#pragma once

#include <string>
#include <string_view>

#include "components/window/StringTableRows.h"

// The rows (the main table's store: cells kind, name, value, comment) as lines joined by LF:
// an unchanged row read from `original` gives its line as read (a byte-order mark included),
// a changed or new row the line it would be saved as. Blank lines of the original are left
// out, so the game's reading of a value that spans lines keeps its text but not its blanks.
std::string GameTextOfRows(std::string_view original, const TStringTableRows& rows);
