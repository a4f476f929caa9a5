#include "objlib/Cp1251.h"

#include <cstdint>

#include "objlib/Cp1251Table.h"

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char ch : cp1251) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            uint16_t cp = CodePage1251::kUpperHalf[c - 0x80];
            AppendUtf8(out, cp ? cp : 0xFFFD);
        }
    }
    return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        uint32_t cp = 0;
        if (!CodePage1251::NextCodePoint(utf8, i, cp)) return false;
        const int byte = CodePage1251::ByteOf(cp);
        if (byte < 0) return false;
        out += static_cast<char>(byte);
    }
    return true;
}
