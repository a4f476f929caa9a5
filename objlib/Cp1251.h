// Conversion between the system's text (code page 1251 bytes) and UTF-8, the platform's form
// for display and for file-system paths.
#pragma once

#include <string>
#include <string_view>

// Every cp1251 byte has a character except 0x98, which becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

// False when the text holds a character that code page 1251 cannot write (or is not valid
// UTF-8); `out` is then unspecified.
bool Utf8ToCp1251(std::string_view utf8, std::string& out);
