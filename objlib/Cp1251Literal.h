// "Текст"_cp1251: a UTF-8 string literal turned into code page 1251 bytes at compile time, so
// the Russian texts of the schemes can be written readably. A character that code page 1251
// cannot hold, or malformed UTF-8, fails the build.
#pragma once

#include <cstddef>
#include <string_view>

#include "objlib/Cp1251Table.h"

namespace CodePage1251 {

// A UTF-8 literal as a template argument.
template <size_t N>
struct Utf8Literal {
    char text[N];
    consteval Utf8Literal(const char (&literal)[N]) {
        for (size_t i = 0; i < N; ++i) text[i] = literal[i];
    }
};

// Not constexpr: reaching it while converting a literal stops the compilation here.
void TheLiteralHoldsACharacterThatCodePage1251CannotWrite();

template <size_t N>
struct Converted {
    char bytes[N] = {};
    size_t size = 0;
};

template <size_t N>
consteval Converted<N> Convert(const Utf8Literal<N>& utf8) {
    const std::string_view text(utf8.text, N - 1);  // without the literal's terminating zero
    Converted<N> out;
    size_t i = 0;
    while (i < text.size()) {
        uint32_t cp = 0;
        if (!NextCodePoint(text, i, cp)) TheLiteralHoldsACharacterThatCodePage1251CannotWrite();
        const int byte = ByteOf(cp);
        if (byte < 0) TheLiteralHoldsACharacterThatCodePage1251CannotWrite();
        out.bytes[out.size++] = static_cast<char>(byte);
    }
    return out;
}

template <Utf8Literal S>
inline constexpr Converted<sizeof S.text> kConverted = Convert(S);

}  // namespace CodePage1251

template <CodePage1251::Utf8Literal S>
consteval std::string_view operator""_cp1251() {
    return {CodePage1251::kConverted<S>.bytes, CodePage1251::kConverted<S>.size};
}
