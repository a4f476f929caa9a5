// TableFileHeader: the first line of a table file, read without any window.
//
// Without ColorDelimiter the line is the column list. With it, its first four fields
// (ColorDelimiter between) are colours in decimal: TextColor, TextBkColor, BkColor and a
// fourth one with no use here; they count only when all four are given. The rest of the line
// is the column list. In the column list ColorDelimiter characters are dropped and Delimiter
// characters separate the captions.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/Bytes.h"

struct TableFileHeader {
    bool HasColors = false;  // all four colour fields given; the colours below are 0 otherwise
    uint32_t TextColor = 0;
    uint32_t TextBkColor = 0;
    uint32_t BkColor = 0;
    Bytes ColumnList;  // one caption per line
};

TableFileHeader ReadTableFileHeader(std::string_view line, char delimiter, char colorDelimiter);

// The captions of a column list: one per non-empty line, each up to its first '='.
std::vector<Bytes> ColumnCaptions(const Bytes& columnList);
