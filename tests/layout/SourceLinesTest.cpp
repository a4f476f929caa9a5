// The row lines of a text: which lines make rows, the bytes kept around them, the line end
// that prevails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/SourceLines.h"

namespace {

// Each row line as blanks|text|end, then the tail after "#".
std::string Spans(std::string_view text) {
    SourceLineReader reader(text);
    SourceLine line;
    std::string out;
    while (reader.Next(line)) out += std::string(line.blanks) + "|" + std::string(line.text) + "|" + std::string(line.end) + "/";
    return out + "#" + std::string(reader.Tail());
}

TEST(SourceLinesTest, RowLinesKeepEveryByteAroundThem) {
    struct Case {
        const char* name;
        std::string text;
        std::string spans;
        size_t count;
    } cases[] = {
        {"empty", "", "#", 0},
        {"one line without an end", "a", "|a|/#", 1},
        {"every kind of line end", "a\r\nb\nc\rd", "|a|\r\n/|b|\n/|c|\r/|d|/#", 4},
        {"LF CR is two ends", "a\n\rb", "|a|\n/\r|b|/#", 2},
        {"blank lines go with the next row line", "a\n\n \t\nb\n", "|a|\n/\n \t\n|b|\n/#", 2},
        {"blank lines at the end stay in the tail", "a\r\n\r\n  \r\n", "|a|\r\n/#\r\n  \r\n", 1},
        {"only blanks", " \t\n\n", "# \t\n\n", 0},
        {"a NUL byte ends the text", std::string("a\nb\0c\n", 6), "|a|\n/|b|/#", 2},
        {"lines ending in CR alone between LF lines", "a\nb\rc\rd\ne", "|a|\n/|b|\r/|c|\r/|d|\n/|e|/#", 5},
        {"a blank line inside open quotes is a row", "k = \"x\n \t\n\"\n", "|k = \"x|\n/| \t|\n/|\"|\n/#", 3},
        {"a value opened by \"<<\" split by a TAB", "k = <\t<END\n\t\nEND\n", "|k = <\t<END|\n/|\t|\n/|END|\n/#", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Spans(c.text), c.spans);
        EXPECT_EQ(CountSourceLines(c.text), c.count);
    }
}

TEST(SourceLinesTest, TheLineEndUsedMostPrevails) {
    struct Case {
        const char* text;
        const char* end;
    } cases[] = {
        {"", "\r\n"}, {"a", "\r\n"}, {"a\nb\nc\r\n", "\n"}, {"a\rb\r\n", "\r\n"}, {"a\rb\rc\n", "\r"}, {"a\n\rb\r", "\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PrevailingLineEnd(c.text), c.end);
    }
}

}  // namespace
