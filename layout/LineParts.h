// LineParts: one LTX line taken apart the way the line parser classifies it, keeping where
// each cell's text stands in the line, so that a cell can be replaced and the rest of the line
// (indentation, the spacing around "=" and before ";", the comment) stays as it was.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The four cells of a main-table row: kind ("key", "sec", "com", "nor", or "val" for a line of
// a value of several lines), name, value, comment.
struct RowCells {
    std::string kind, name, value, comment;
    bool operator==(const RowCells&) const = default;
};

// The cells of a row string "kind\tname\tvalue\tcomment" (missing cells are empty).
RowCells CellsOfRowString(std::string_view row);

// The cells a line can carry: only a key has a value, a comment line has no name, the line of
// a value of several lines ("val") is its name alone, and any other kind is written as a key.
RowCells CarriedCells(RowCells cells);

class LineParts {
public:
    // Takes a line apart (its bytes without the line end). A blank line is of no kind.
    explicit LineParts(std::string_view line);

    bool IsRow() const { return !cells_.kind.empty(); }
    // The cells the parser makes of the line.
    const RowCells& Cells() const { return cells_; }

    // The line with the given cells in place of its own: a cell equal to the line's own keeps
    // its bytes, any other replaces the text of that cell (cells the kind does not carry are
    // left out). Empty when the kind differs, since a line of another kind has a layout of
    // its own.
    std::string WithCells(const RowCells& cells) const;

    // For a key line: a key line of these cells laid out like this one (its indentation and
    // spacing around "=" and before ";"; when spaces align its "=", the new one stands in the
    // same column). Empty for a line of another kind.
    std::string KeyLineLike(const RowCells& cells) const;

private:
    // Where the text of a cell stands: [begin, end) of the line; `present` is false for the
    // comment of a line without ";".
    struct Span {
        size_t begin = 0, end = 0;
        bool present = true;
    };

    std::string_view line_;
    RowCells cells_;
    Span name_, value_, comment_;
    size_t equals_ = 0;  // of a key line
};

// A line that reads back as a row of these cells, for a row that has no line of its own to
// keep the layout of. Cells that no line can carry (a value holding ";", a key holding "=",
// spaces at the ends of a key or value) come back as the parser reads them.
std::string FreshLine(const RowCells& cells);

// Whether the line reads back as the fresh line of these cells does: a layout kept from
// another line must not change what the parser makes of the cells.
bool ReadsLikeFreshLine(std::string_view line, const RowCells& cells);
