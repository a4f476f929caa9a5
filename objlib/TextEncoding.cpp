#include "objlib/TextEncoding.h"

#include <cstring>

namespace {

// Where the first byte above 0x7F is, or the size when there is none; eight bytes at a time,
// since most of a configuration file is ASCII.
size_t FirstNonAscii(std::string_view text, size_t from) {
    size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (word & 0x8080808080808080ull) break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
    return i;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed sequence that starts at `i` with a byte above 0x7F, or 0.
size_t SequenceLength(std::string_view text, size_t i) {
    const auto at = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = at(0);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong below U+10000
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - i < length || at(1) < low || at(1) > high) return 0;
    for (size_t k = 2; k < length; ++k)
        if (!IsContinuation(at(k))) return 0;
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (size_t i = FirstNonAscii(text, 0); i < text.size(); i = FirstNonAscii(text, i)) {
        const size_t length = SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string_view ByteOrderMarkOf(std::string_view text) {
    return text.substr(0, 3) == kUtf8ByteOrderMark ? kUtf8ByteOrderMark : std::string_view();
}

TextEncoding DetectTextEncoding(std::string_view text) {
    if (!ByteOrderMarkOf(text).empty()) return TextEncoding::Utf8;
    if (FirstNonAscii(text, 0) == text.size()) return TextEncoding::Cp1251;
    return IsValidUtf8(text) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
}
