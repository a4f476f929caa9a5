// LtxEdits: the sections and keys of an opened LTX file's main rows, found and changed the
// way the game reads them: section names compare without regard to ASCII case, keys exactly,
// and of a key given twice the last one counts.
#pragma once

#include <string_view>

#include "components/window/StringTableRows.h"

// The value of the key's last occurrence in the section; false when there is none.
bool FindValue(const TStringTableRows& rows, std::string_view section, std::string_view key, Bytes& value);

// Gives the key's last occurrence the value; a missing key is added after the section's last
// key row (or its header), a missing section at the end with that key.
void SetValue(TStringTableRows& rows, std::string_view section, std::string_view key, std::string_view value);

// Deletes every row of the key in the section; false when there is none.
bool DeleteKey(TStringTableRows& rows, std::string_view section, std::string_view key);

// Deletes the section: its header row and every row up to the next header; false when there
// is no such section.
bool DeleteSection(TStringTableRows& rows, std::string_view section);
