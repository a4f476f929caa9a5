// A line taken apart as the parser reads it, and put together again with other cells.
#include <gtest/gtest.h>

#include "layout/LineParts.h"
#include "runtime/Dispatch.h"
#include "../scheme/LtxTestSupport.h"

namespace {

class LinePartsTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }
};

// The cells of the one row the parser makes of the line, or none.
RowCells ParsedCells(const std::string& line) {
    Parsed parsed = ParseText(line);
    if (parsed.rows.empty()) return RowCells();
    EXPECT_EQ(parsed.rows.size(), 1u);
    const std::string& row = parsed.rows[0];
    return CellsOfRowString(std::string_view(row).substr(row.find('\t') + 1));
}

TEST_F(LinePartsTest, CellsAreThoseTheParserMakes) {
    const char* lines[] = {
        "",         "  \t ",          " ; hello \t",      ";;x",           ";",
        "[a]:b, c ; note",     "[broken",     "\t[s]\t;c\td",      "key=value",     "key =",
        "= 5",      "a = b = d",      "a = b d ; x",      "abc ; d=e",     "\t#include \"x.ltx\"",
        " lone ",   "key = 1 ; a\tb", "\t k\t=\t v ;; c ", "x;",           "[a] : b",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        EXPECT_EQ(LineParts(line).Cells(), ParsedCells(line));
    }
}

TEST_F(LinePartsTest, OnlyTheChangedCellsTextChanges) {
    struct Case {
        const char* name;
        const char* line;
        RowCells cells;
        const char* expected;
    } cases[] = {
        {"value in its spacing", "\tcost   =  100 \t; price", {"key", "cost", "250", " price"}, "\tcost   =  250 \t; price"},
        {"key", "  hit_power = 0.5", {"key", "hit", "0.5", ""}, "  hit = 0.5"},
        {"comment after the value", "a = 1 ;old", {"key", "a", "1", " new"}, "a = 1 ; new"},
        {"value edited back", "a = b d ; x", {"key", "a", "b d", " x"}, "a = b d ; x"},
        {"value with inner spaces", "a = b ; x", {"key", "a", "c, d", " x"}, "a = c, d ; x"},
        {"empty value filled", "a =   ; x", {"key", "a", "7", " x"}, "a = 7  ; x"},
        {"comment added to a key", "a = 1", {"key", "a", "1", " c"}, "a = 1 ; c"},
        {"comment added after trailing blanks", "a = 1\t", {"key", "a", "1", "c"}, "a = 1\t;c"},
        {"header with its comment", "[s]:base\t; note", {"sec", "[t]:base", "", " note"}, "[t]:base\t; note"},
        {"comment line keeps its indentation", "   ;  old  ", {"com", "", "", "  new"}, "   ;  new  "},
        {"other line keeps its TAB indentation", "\t#include \"a.ltx\" ;x", {"nor", "#include \"b.ltx\" ", "", "x"},
         "\t#include \"b.ltx\" ;x"},
        {"comment added to an other line", "path", {"nor", "path", "", "c"}, "path;c"},
        {"comment emptied", "a = 1 ; x", {"key", "a", "1", ""}, "a = 1 ;"},
        {"another kind has no layout here", "a = 1", {"com", "", "a", ""}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LineParts(c.line).WithCells(c.cells), c.expected);
    }
}

TEST_F(LinePartsTest, FreshLinesReadBackAsTheirRows) {
    const RowCells cases[] = {
        {"key", "a", "1", ""},   {"key", "a", "", " c"},      {"key", "", "5", ""},  {"sec", "[s]:b", "", " c"},
        {"com", "", " x", ""},   {"com", "", "", ""},          {"nor", "#include \"x\"", "", ""},
        {"nor", "p", "", " c"},  {"Sec", "a", "1", ""},
    };
    for (const RowCells& cells : cases) {
        SCOPED_TRACE(cells.kind + "|" + cells.name + "|" + cells.value + "|" + cells.comment);
        EXPECT_EQ(ParsedCells(FreshLine(cells)), CarriedCells(cells));
    }
}

TEST_F(LinePartsTest, NewKeysTakeTheLayoutOfTheirNeighbour) {
    struct Case {
        const char* neighbour;
        RowCells cells;
        const char* expected;
    } cases[] = {
        {"\tcost\t\t= 100\t; price", {"key", "weight", "2", ""}, "\tweight\t\t= 2"},
        {"\tcost\t\t= 100\t; price", {"key", "weight", "2", " kg"}, "\tweight\t\t= 2\t; kg"},
        {"a=1", {"key", "b", "2", "c"}, "b=2 ;c"},
        {"  cost      = 1", {"key", "weight", "2", ""}, "  weight    = 2"},
        {"  cost  = 1", {"key", "max_weight", "2", ""}, "  max_weight = 2"},
        {"; a comment", {"key", "b", "2", ""}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.neighbour);
        EXPECT_EQ(LineParts(c.neighbour).KeyLineLike(c.cells), c.expected);
    }
}

}  // namespace
