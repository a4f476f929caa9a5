// CompareValues: the comparison shared by THIIf_else and THICase.
#pragma once

#include <cstdint>
#include <cstring>

#include "runtime/Data.h"

// Comparison kinds.
namespace Compare {
constexpr uint8_t Equal = 0;
constexpr uint8_t Less = 1;
constexpr uint8_t Greater = 2;
constexpr uint8_t LessOrEqual = 3;
constexpr uint8_t GreaterOrEqual = 4;
constexpr uint8_t NotEqual = 5;
}  // namespace Compare

// Compares a with b by the tag of a; b is converted to that tag first:
//   Integer: signed 32-bit numbers;  Real: doubles;
//   String:  Equal/NotEqual compare the bytes exactly, the four order kinds compare the
//            LENGTHS of the two strings, not their text;
//   any other tag of a (NULL included): false for every kind, NotEqual too.
// A kind outside 0..5 is false. Inline for the two most frequent questions, whether two strings
// are equal (a scheme choosing a line's kind asks it several times for every line) and whether
// two integers are (a search asks a check box's state for every row it walks).
inline bool CompareValues(const TData& a, const TData& b, uint8_t kind);
// Every other case, out of line.
bool CompareOtherValues(const TData& a, const TData& b, uint8_t kind);

inline bool CompareValues(const TData& a, const TData& b, uint8_t kind) {
    const uint8_t tag = a.Tag();
    if (kind != Compare::Equal || tag != b.Tag()) return CompareOtherValues(a, b, kind);
    if (tag == Tag::Integer) return a.IntValue == b.IntValue;
    if (tag != Tag::String) return CompareOtherValues(a, b, kind);
    const size_t size = a.StrValue.size();
    if (size != b.StrValue.size()) return false;
    if (size == 0) return true;
    // Most unequal strings of one length already differ in their first byte.
    const char* x = a.StrValue.data();
    const char* y = b.StrValue.data();
    return x[0] == y[0] && std::memcmp(x, y, size) == 0;
}
