// The classic string operations of the text components, on byte strings with 1-based positions.
//
// Results that are a piece of the input share its block (Bytes::substr); an operation that
// changes nothing returns the input itself, so no bytes are copied in that case.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "runtime/Bytes.h"

// Position of the first occurrence of sub in s; 0 when there is none or sub is empty.
int32_t Pos(std::string_view sub, std::string_view s);

// Whether the bytes at `at` begin with sub, compared four bytes at a time: a short key, as a
// row's kind, takes one or two steps without a call.
inline bool StartsWith(const char* at, std::string_view sub) {
    size_t k = 0;
    for (; k + 4 <= sub.size(); k += 4) {
        uint32_t a, b;
        std::memcpy(&a, at + k, 4);
        std::memcpy(&b, sub.data() + k, 4);
        if (a != b) return false;
    }
    for (; k < sub.size(); ++k)
        if (at[k] != sub[k]) return false;
    return true;
}

// PosFrom's search from the 0-based start, which lies within s; sub is longer than one byte.
int32_t PosFromScan(std::string_view sub, std::string_view s, size_t start);

// Position of the first occurrence of sub in s that starts at or after from; 0 when there is
// none, sub is empty or from lies beyond the end. A from below 1 counts as 1, so
// PosFrom(sub, s, 1) is Pos(sub, s).
// Inline for a match right at the start, as a row's kind in front of its cells: a search of
// every row of a table mostly ends there. A single byte, as the "=" looked for in every line
// read or the first key typed into a search, goes to memchr straight, without the scan's call.
inline int32_t PosFrom(std::string_view sub, std::string_view s, int32_t from) {
    if (sub.empty()) return 0;
    const size_t start = from < 1 ? 0 : static_cast<size_t>(from) - 1;
    if (start >= s.size()) return 0;
    if (s.size() - start >= sub.size() && StartsWith(s.data() + start, sub)) return static_cast<int32_t>(start + 1);
    if (sub.size() == 1) {
        const void* found = std::memchr(s.data() + start + 1, sub[0], s.size() - start - 1);
        return found ? static_cast<int32_t>(static_cast<const char*>(found) - s.data() + 1) : 0;
    }
    return PosFromScan(sub, s, start);
}

// At most count bytes of s from index; an index below 1 counts as 1. Empty when index lies
// beyond the end or count is 0 or less. Shares the block of s.
// Inline: a search of every row of a table copies a piece of each.
inline Bytes CopyStr(const Bytes& s, int32_t index, int32_t count) {
    if (count <= 0) return Bytes();
    const size_t start = index < 1 ? 0 : static_cast<size_t>(index) - 1;
    return s.substr(start, static_cast<size_t>(count));
}

// s without at most count bytes from index; a count reaching past the end is cut to the end.
// s unchanged when index is 0 or less, index lies beyond the end or count is 0 or less.
Bytes DeleteStr(const Bytes& s, int32_t index, int32_t count);

// s with t put in before index; an index below 1 counts as 1 and one beyond the end appends.
Bytes InsertStr(std::string_view t, const Bytes& s, int32_t index);
