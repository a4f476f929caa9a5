// KeepLinesWriter: writes the main table back over the text it was read from, line by line.
//
// A row that was not changed is written as the bytes of its line as read, with the blank lines
// before it and its own line end; a changed row in its line's layout, with only the changed
// cells' text replaced; a new row as one fresh line in the text's prevailing line end. The
// line of a deleted row goes; the blank lines around it, the blank lines at the end and the
// byte-order mark (before the first line) stay. So an untouched table gives back exactly the
// text it was read from.
#pragma once

#include <string>
#include <string_view>

#include "components/window/StringTableRows.h"

// The text of the rows (the main table's store: cells kind, name, value, comment) over the
// text their origins point into. The rows must have been read from that text: when the load
// ended (SealOrigins) the store held CountSourceLines(original) rows.
std::string KeepLinesText(std::string_view original, const TStringTableRows& rows);

// Writes that text to the path, as every save does (WriteWholeFile: LastFileError says why it
// failed). False when nothing was written.
bool SaveKeepingLines(std::string_view path, std::string_view original, const TStringTableRows& rows);
