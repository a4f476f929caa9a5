// ByteScan: the first of one or two given bytes in a span that is usually short, as a line or a
// piece of one.
//
// The components look for a separator, a quote or a line end some ten times in every line, each
// time over a few dozen bytes. A library memchr pays its entry and vector set-up on each of those
// calls, which costs more than the search itself; these finders read a short span byte by byte
// and the first bytes of a longer one sixteen at a time in line, never past the span, and hand
// only the rest of a long span to memchr.
#pragma once

#include <bit>
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace byte_scan {

// How many bytes are read in line before the rest of a span goes to memchr: most lines fit.
inline constexpr size_t kShortSpan = 64;
// Spans shorter than this are read byte by byte.
inline constexpr size_t kChunk = 16;

// The bytes looked for: one, or either of two.
struct Needles {
    explicit Needles(char a, char b) : a(a), b(b) {}
    char a, b;
};

// Looks at [begin, end), at most kShortSpan bytes of it, and answers the first needle there, or
// nullptr with `begin` moved to the first byte not looked at.
template <bool kEither>
inline const char* ScanShort(const char*& begin, const char* end, Needles needles) {
    const size_t size = static_cast<size_t>(end - begin);
    if (size < kChunk) {
        for (; begin < end; ++begin)
            if (*begin == needles.a || (kEither && *begin == needles.b)) return begin;
        return nullptr;
    }
#if defined(__SSE2__)
    const __m128i vectorA = _mm_set1_epi8(needles.a);
    const __m128i vectorB = _mm_set1_epi8(needles.b);
    // A bit for every byte of the 16 at `at` that is a needle, bit i for byte i.
    auto matches = [&](const char* at) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        __m128i equal = _mm_cmpeq_epi8(chunk, vectorA);
        if constexpr (kEither) equal = _mm_or_si128(equal, _mm_cmpeq_epi8(chunk, vectorB));
        return static_cast<unsigned>(_mm_movemask_epi8(equal));
    };
    const char* scanEnd = size > kShortSpan ? begin + kShortSpan : end;
    const char* at = begin;
    do {
        if (const unsigned mask = matches(at)) return at + std::countr_zero(mask);
        at += kChunk;
    } while (scanEnd - at >= static_cast<ptrdiff_t>(kChunk));
    begin = scanEnd;
    if (at < scanEnd) {
        // The last chunk overlaps bytes already read, which held no needle: a match is in the new ones.
        const char* last = scanEnd - kChunk;
        if (const unsigned mask = matches(last)) return last + std::countr_zero(mask);
    }
#endif
    // Without SSE2 every span of a chunk or more goes to memchr.
    return nullptr;
}

}  // namespace byte_scan

// The first byte equal to c in [begin, end), or end when there is none.
inline const char* FindByte(const char* begin, const char* end, char c) {
    const byte_scan::Needles needles(c, c);
    if (const char* found = byte_scan::ScanShort<false>(begin, end, needles)) return found;
    if (begin == end) return end;
    const void* found = std::memchr(begin, c, static_cast<size_t>(end - begin));
    return found ? static_cast<const char*>(found) : end;
}

// The first byte equal to a or to b in [begin, end), or end when there is none.
inline const char* FindEitherByte(const char* begin, const char* end, char a, char b) {
    const byte_scan::Needles needles(a, b);
    if (const char* found = byte_scan::ScanShort<true>(begin, end, needles)) return found;
    if (begin == end) return end;
    // A long span: the second search goes only as far as the first one's find.
    const void* foundA = std::memchr(begin, a, static_cast<size_t>(end - begin));
    const char* bound = foundA ? static_cast<const char*>(foundA) : end;
    const void* foundB = std::memchr(begin, b, static_cast<size_t>(bound - begin));
    return foundB ? static_cast<const char*>(foundB) : bound;
}

// The offset of the first c in s at or after `from`, or s.size() when there is none.
inline size_t FindByte(std::string_view s, char c, size_t from = 0) {
    if (from >= s.size()) return s.size();
    return static_cast<size_t>(FindByte(s.data() + from, s.data() + s.size(), c) - s.data());
}
