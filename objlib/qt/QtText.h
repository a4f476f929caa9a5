// The one boundary between the system's text (code page 1251 bytes) and Qt's strings.
//
// Every caption, hint, item and cell shown on screen becomes a QString here, and everything
// the user types or the platform hands over (file paths from a drop) comes back here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Every cp1251 byte has a character (0x98, unassigned, shows as U+FFFD).
QString ToQString(std::string_view cp1251);

// False when `text` holds a character that code page 1251 cannot write; `cp1251` is then
// unspecified and the caller decides what to leave out.
bool FromQString(const QString& text, std::string& cp1251);

// Whether code page 1251 has a byte for `character`.
bool CanWriteCp1251(char32_t character);
