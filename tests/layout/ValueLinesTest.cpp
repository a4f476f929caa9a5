// Which lines belong to a value of several lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/ValueLines.h"

namespace {

TEST(ValueLinesTest, ValuesOfSeveralLinesAreFollowedToTheirEnd) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::string taken;  // one mark per line: "v" belongs to a value, "." does not
    } cases[] = {
        {"a value up to its word", {"a = 1", "data = <<END", "[s]", "k = v", "", "END", "[t]"}, ".vvvvv."},
        {"the word with spaces around it", {"data = << EOF ; c", "x", "  EOF  ", "b = 2"}, "vvv."},
        {"a word alone is no value", {"data = <<", "[s]"}, ".."},
        {"only a key line opens one", {"; x = <<END", "[s] = <<END", "<<END", "[t]"}, "...."},
        {"unbalanced quotes", {"text = \"first", "[not a header]", "last\" ; c", "[s]"}, "vvv."},
        {"balanced quotes", {"text = \"a;b\"", "[s]"}, ".."},
        {"a quote after the comment mark", {"text = 1 ; it\"s", "[s]"}, ".."},
        {"a value left open takes the rest", {"data = <<END", "[s]"}, "vv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ValueLines values;
        std::string taken;
        for (const std::string& line : c.lines) taken += values.Take(line) ? 'v' : '.';
        EXPECT_EQ(taken, c.taken);
    }
}

TEST(ValueLinesTest, AResetForgetsAValueLeftOpen) {
    ValueLines values;
    EXPECT_TRUE(values.Take("data = <<END"));
    values.Reset();
    EXPECT_FALSE(values.Take("[s]"));
}

}  // namespace
