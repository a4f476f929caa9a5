// The classic string operations of the text components, on byte strings with 1-based positions.
//
// Results that are a piece of the input share its block (Bytes::substr); an operation that
// changes nothing returns the input itself, so no bytes are copied in that case.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/Bytes.h"

// Position of the first occurrence of sub in s; 0 when there is none or sub is empty.
int32_t Pos(std::string_view sub, std::string_view s);

// Position of the first occurrence of sub in s that starts at or after from; 0 when there is
// none, sub is empty or from lies beyond the end. A from below 1 counts as 1, so
// PosFrom(sub, s, 1) is Pos(sub, s).
int32_t PosFrom(std::string_view sub, std::string_view s, int32_t from);

// At most count bytes of s from index; an index below 1 counts as 1. Empty when index lies
// beyond the end or count is 0 or less. Shares the block of s.
Bytes CopyStr(const Bytes& s, int32_t index, int32_t count);

// s without at most count bytes from index; a count reaching past the end is cut to the end.
// s unchanged when index is 0 or less, index lies beyond the end or count is 0 or less.
Bytes DeleteStr(const Bytes& s, int32_t index, int32_t count);

// s with t put in before index; an index below 1 counts as 1 and one beyond the end appends.
Bytes InsertStr(std::string_view t, const Bytes& s, int32_t index);
