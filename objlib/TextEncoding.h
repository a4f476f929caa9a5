// Which encoding a text file's bytes are in: a fact about the bytes alone.
//
// Older configuration files are in code page 1251; newer mods write theirs in UTF-8, often
// behind a byte-order mark. The bytes themselves are never converted: they are read, kept and
// written as they are, and only shown and typed in the encoding found here.
#pragma once

#include <cstdint>
#include <string_view>

enum class TextEncoding : uint8_t { Cp1251, Utf8 };

// The byte-order mark UTF-8 files may start with.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 when the text starts with the UTF-8 byte-order mark, or when it is valid UTF-8 and
// holds a byte above 0x7F; otherwise code page 1251 (an ASCII text reads the same in both).
TextEncoding DetectTextEncoding(std::string_view text);

// The byte-order mark the text starts with, or the empty view when it has none.
std::string_view ByteOrderMarkOf(std::string_view text);

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view text);
