// CompareValues: the comparison shared by THIIf_else and THICase.
#pragma once

#include <cstdint>

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
// A kind outside 0..5 is false.
bool CompareValues(const TData& a, const TData& b, uint8_t kind);
