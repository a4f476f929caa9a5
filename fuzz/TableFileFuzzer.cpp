// Loads the input as a table file the way the string table does (the first line is the
// header with the colours and the column list, every further line a row) into a row store
// of each configuration the program uses, and holds the store to its contract: every row
// keeps exactly one cell per column, the cells given first, and its row string reads back
// unchanged.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "components/window/StringTableRows.h"
#include "components/window/TableFileHeader.h"
#include "fuzz/FuzzCheck.h"
#include "objlib/TStrList.h"

namespace {

struct Configuration {
    char delimiter;
    char colorDelimiter;
    bool colorPrefix;
};

// The main table, the table of contents, and a table with the defaults.
constexpr Configuration Configurations[] = {{'\t', '#', true}, {'+', '#', false}, {' ', '#', false}};

void Configure(TStringTableRows& rows, const Configuration& c) {
    rows.Delimiter = c.delimiter;
    rows.ColorDelimiter = c.colorDelimiter;
    rows.ColorPrefix = c.colorPrefix;
}

std::vector<std::string_view> Split(std::string_view text, char delimiter) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(delimiter, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// The cells a row string gives: none when a colour prefix stands alone.
std::vector<std::string_view> GivenCells(std::string_view rowString, const Configuration& c) {
    if (!c.colorPrefix) return Split(rowString, c.delimiter);
    const size_t prefixEnd = rowString.find(c.delimiter);
    if (prefixEnd == std::string_view::npos) return {};
    return Split(rowString.substr(prefixEnd + 1), c.delimiter);
}

void CheckHeader(std::string_view line, const TableFileHeader& header, const Configuration& c,
                 const std::vector<Bytes>& captions) {
    FUZZ_CHECK(!header.HasColors || std::count(line.begin(), line.end(), c.colorDelimiter) >= 3);
    for (const Bytes& caption : captions) {
        const std::string_view text = caption;
        for (char forbidden : {c.delimiter, c.colorDelimiter, '=', '\r', '\n'})
            FUZZ_CHECK(text.find(forbidden) == std::string_view::npos);
    }
}

void CheckRow(TStringTableRows& rows, int row, std::string_view given, const Configuration& c) {
    const int columns = rows.ColumnCount();
    const Bytes text = rows.RowString(row);
    if (columns == 0) {
        FUZZ_CHECK(text.empty());
        return;
    }
    const std::vector<std::string_view> cells = Split(text, c.delimiter);
    FUZZ_CHECK(static_cast<int>(cells.size()) == columns);
    const std::vector<std::string_view> expected = GivenCells(given, c);
    for (int column = 0; column < columns; ++column) {
        const std::string_view cell = column < static_cast<int>(expected.size()) ? expected[column] : "";
        FUZZ_CHECK(cells[column] == cell);
        FUZZ_CHECK(rows.Cell(row, column) == cell);
    }

    // The row string, with a colour prefix where the store takes one, reads back unchanged,
    // both appended and written over the row itself.
    const Bytes again = c.colorPrefix ? Bytes::Concat({"0#0", std::string_view(&c.delimiter, 1), text}) : text;
    FUZZ_CHECK(rows.AddOrReplace(again, row, true) == row);
    FUZZ_CHECK(rows.RowString(row) == text);
    const int appended = rows.AddOrReplace(again, -1, false);
    FUZZ_CHECK(rows.RowString(appended) == text);
    rows.Delete(appended);
}

void Load(const TStrList& lines, const Configuration& c) {
    TStringTableRows rows;
    Configure(rows, c);
    const Bytes headerLine = lines.Count() > 0 ? lines.Get(0) : Bytes();
    const TableFileHeader header = ReadTableFileHeader(headerLine, c.delimiter, c.colorDelimiter);
    const std::vector<Bytes> captions = ColumnCaptions(header.ColumnList);
    CheckHeader(headerLine, header, c, captions);
    for (const Bytes& caption : captions) rows.AddColumn(caption);
    FUZZ_CHECK(rows.ColumnCount() == static_cast<int>(captions.size()));

    for (int i = 1; i < lines.Count(); ++i) FUZZ_CHECK(rows.AddOrReplace(lines.Get(i), -1, false) == i - 1);
    FUZZ_CHECK(rows.Count() == std::max(lines.Count() - 1, 0));
    FUZZ_CHECK(ArrayCount(*rows.Array()) == rows.Count());
    for (int row = 0; row < rows.Count(); ++row) CheckRow(rows, row, lines.Get(row + 1), c);
    FUZZ_CHECK(rows.Count() == std::max(lines.Count() - 1, 0));

    // A new column reshapes every row: its cells stay, the new one is empty.
    std::vector<Bytes> before;
    for (int row = 0; row < rows.Count(); ++row) before.push_back(rows.RowString(row));
    rows.AddColumn("extra");
    for (int row = 0; row < rows.Count(); ++row) {
        const std::string expected =
            rows.ColumnCount() == 1 ? std::string() : before[row].str() + std::string(1, c.delimiter);
        FUZZ_CHECK(rows.RowString(row) == expected);
    }
    rows.ClearColumns();
    for (int row = 0; row < rows.Count(); ++row) FUZZ_CHECK(rows.RowString(row).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TStrList lines;
    lines.SetText(Bytes(std::string_view(reinterpret_cast<const char*>(data), size)), false);
    for (const Configuration& c : Configurations) Load(lines, c);
    return 0;
}
