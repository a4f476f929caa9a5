// GameOverlayEntry: the table-of-contents name of an overlay header ("![name]" overrides a
// section, "@[name]" creates or overrides one, "!![name]" deletes one). The editor's parser
// reads such lines as other rows; the window and the command-line tool both list them with
// this, so the two tables of contents agree.
#pragma once

#include <string>
#include <string_view>

// The marked name of an overlay header held by a row string ("0#..\tnor\t![name]..."): the
// name after its operator ("!name", "@name", "!!name"), or empty when the row holds none
// (another kind, no operator, or no closing "]").
std::string OverlayEntryName(std::string_view rowString);
