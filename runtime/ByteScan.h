// ByteScan: the first of one or two given bytes in a span that is usually short, as a line or a
// piece of one.
//
// The components look for a separator, a quote or a line end several times in every line, each
// time over a few dozen bytes, where a library memchr pays its call and set-up for little work.
// These finders read the first kShortSpan bytes of a span in line, sixteen (or, in a shorter
// span, eight or four) at a time and never past the span, and hand only the rest of a long span
// to memchr. They pay most where two bytes are looked for at once (a line end, either quote)
// and where the byte is found a few bytes on; a lone byte that is mostly absent, searched to the
// end of a line, costs less with memchr's wider reads, as measured on the parser's lines.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace byte_scan {

// How many bytes are read in line before the rest of a span goes to memchr: all but a few lines
// of a real file fit, and a line searched up to its end costs no call.
inline constexpr size_t kShortSpan = 128;
// The width of one read; a shorter span is read in narrower pieces.
inline constexpr size_t kChunk = 16;

// The first a (or b, when kEither) in [at, end) read byte by byte, or nullptr.
template <bool kEither>
inline const char* ScanBytes(const char* at, const char* end, char a, char b) {
    for (; at < end; ++at)
        if (*at == a || (kEither && *at == b)) return at;
    return nullptr;
}

#if defined(__SSE2__)
// Looks at [begin, end), at most kShortSpan bytes of it, and answers the first a (or b, when
// kEither) there, or nullptr with `begin` moved to the first byte not looked at. Reads never
// pass the span: where a read would, the last one is moved back to overlap bytes already read,
// which held no match, so what it finds is still the first.
template <bool kEither>
[[gnu::always_inline]] inline const char* ScanShort(const char*& begin, const char* end, char a, char b) {
    const __m128i vectorA = _mm_set1_epi8(a);
    const __m128i vectorB = _mm_set1_epi8(b);
    // A bit for every byte of the chunk that matches, bit i for byte i.
    auto matches = [&](__m128i chunk) {
        __m128i equal = _mm_cmpeq_epi8(chunk, vectorA);
        if constexpr (kEither) equal = _mm_or_si128(equal, _mm_cmpeq_epi8(chunk, vectorB));
        return static_cast<unsigned>(_mm_movemask_epi8(equal));
    };
    const char* at = begin;
    const size_t size = static_cast<size_t>(end - at);
    if (size < kChunk) {
        // Two narrow reads, the second ending at the span's end; the bits of the bytes a
        // narrow read leaves zero are dropped.
        begin = end;
        unsigned mask;
        if (size >= 8) {
            const unsigned first = matches(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(at))) & 0xFF;
            const unsigned last = matches(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(end - 8))) & 0xFF;
            mask = first | last << (size - 8);
        } else if (size >= 4) {
            int32_t firstBytes, lastBytes;
            std::memcpy(&firstBytes, at, 4);
            std::memcpy(&lastBytes, end - 4, 4);
            const unsigned first = matches(_mm_cvtsi32_si128(firstBytes)) & 0xF;
            const unsigned last = matches(_mm_cvtsi32_si128(lastBytes)) & 0xF;
            mask = first | last << (size - 4);
        } else {
            return ScanBytes<kEither>(at, end, a, b);
        }
        return mask ? at + std::countr_zero(mask) : nullptr;
    }
    const char* scanEnd = size > kShortSpan ? at + kShortSpan : end;
    begin = scanEnd;
    do {
        if (const unsigned mask = matches(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at))))
            return at + std::countr_zero(mask);
        at += kChunk;
    } while (scanEnd - at >= static_cast<ptrdiff_t>(kChunk));
    if (at < scanEnd) {
        const char* last = scanEnd - kChunk;
        if (const unsigned mask = matches(_mm_loadu_si128(reinterpret_cast<const __m128i*>(last))))
            return last + std::countr_zero(mask);
    }
    return nullptr;
}
#else
// Without SSE2 a short span is read byte by byte and a longer one goes to memchr whole.
template <bool kEither>
inline const char* ScanShort(const char*& begin, const char* end, char a, char b) {
    if (end - begin >= static_cast<ptrdiff_t>(kChunk)) return nullptr;
    const char* at = begin;
    begin = end;
    return ScanBytes<kEither>(at, end, a, b);
}
#endif

}  // namespace byte_scan

// The first byte equal to c in [begin, end), or end when there is none. Always in line, as the
// finders are there to spare a call.
[[gnu::always_inline]] inline const char* FindByte(const char* begin, const char* end, char c) {
    if (const char* found = byte_scan::ScanShort<false>(begin, end, c, c)) return found;
    if (begin == end) return end;
    const void* found = std::memchr(begin, c, static_cast<size_t>(end - begin));
    return found ? static_cast<const char*>(found) : end;
}

// The first byte equal to a or to b in [begin, end), or end when there is none; in line too.
[[gnu::always_inline]] inline const char* FindEitherByte(const char* begin, const char* end, char a, char b) {
    if (const char* found = byte_scan::ScanShort<true>(begin, end, a, b)) return found;
    // The rest of a long span, a window at a time, each twice as wide as the last: a byte that
    // never comes (the CR of a text whose lines end in LF alone) is looked for about as far as
    // the other lies, not to the end of a whole text again for every line.
    for (size_t window = byte_scan::kShortSpan; begin != end; window *= 2) {
        const char* windowEnd = static_cast<size_t>(end - begin) > window ? begin + window : end;
        const void* foundA = std::memchr(begin, a, static_cast<size_t>(windowEnd - begin));
        const char* bound = foundA ? static_cast<const char*>(foundA) : windowEnd;
        const void* foundB = std::memchr(begin, b, static_cast<size_t>(bound - begin));
        if (foundB) return static_cast<const char*>(foundB);
        if (foundA) return bound;
        begin = windowEnd;
    }
    return end;
}

// The offset of the first c in s at or after `from`, or s.size() when there is none.
[[gnu::always_inline]] inline size_t FindByte(std::string_view s, char c, size_t from = 0) {
    if (from >= s.size()) return s.size();
    return static_cast<size_t>(FindByte(s.data() + from, s.data() + s.size(), c) - s.data());
}
