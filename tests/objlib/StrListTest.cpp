// The string list: its one-text form, guarded index operations, lookup and the list with values.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "objlib/TStrList.h"
#include "objlib/TStrListEx.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> LinesOf(const TStrList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i).str());
    return lines;
}

TEST(StrListTest, TextIsSplitIntoLines) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    const std::string longLine(300 * 1024, 'x');
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"LF only", "a\nb\n", {"a", "b"}},
        {"mixed ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"no final end", "abc", {"abc"}},
        {"final end adds no line", "a\r\n", {"a"}},
        {"lone end is one empty line", "\r\n", {""}},
        {"empty line kept", "a\r\n\r\n", {"a", ""}},
        {"empty lines between", "a\n\nb", {"a", "", "b"}},
        {"two CRs", "\r\r", {"", ""}},
        {"empty", "", {}},
        {"NUL ends the text", "a\r\nb\0c\r\nd"s, {"a", "b"}},
        {"NUL first", "\0abc"s, {}},
        {"cp1251 bytes", "\xCF\xF0\xE8\r\n\xE2\xE5\xF2\xFF", {"\xCF\xF0\xE8", "\xE2\xE5\xF2\xFF"}},
        {"300 KB line", longLine + "\r\n", {longLine}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStrList list;
        list.Add("old");
        list.SetText(c.text, false);
        EXPECT_EQ(LinesOf(list), c.lines);
        std::string expectedText;
        for (const std::string& line : c.lines) expectedText += line + "\r\n";
        EXPECT_EQ(list.Text().str(), expectedText);
    }
}

TEST(StrListTest, TextThenSetTextRestoresTheLines) {
    TStrList list;
    for (const char* line : {"[section]", "", "key = value ; c", "\xEA\xEB\xFE\xF7"}) list.Add(line);
    TStrList copy;
    copy.SetText(list.Text(), false);
    EXPECT_EQ(LinesOf(copy), LinesOf(list));
    EXPECT_EQ(copy.Text(), list.Text());
    TStrList empty;
    EXPECT_EQ(empty.Text(), "");
}

TEST(StrListTest, LinesShareTheTextBlock) {
    // A loaded file must not cost one allocation per line.
    const Bytes text("first\r\nsecond\r\n");
    TStrList list;
    list.SetText(text, false);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(1).data(), text.data() + 7);
}

TEST(StrListTest, AppendedTextKeepsEarlierLines) {
    TStrList list;
    list.SetText("a\r\nb", false);
    const Bytes heldLine = list.Get(0);
    list.Add("added");
    list.SetText("c\nd\r\n", true);
    list.SetText("", true);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "b", "added", "c", "d"}));
    EXPECT_EQ(heldLine, "a");

    list.Delete(0);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"b", "added", "c", "d"}));
    list.SetText("", false);
    EXPECT_EQ(list.Count(), 0);
}

TEST(StrListTest, StreamIsReadFromItsPositionToItsEnd) {
    struct Case {
        const char* name;
        bool append;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"replacing", false, {"a", "b"}},
        {"appending", true, {"old", "a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream stream("skip\r\na\r\nb\r\n");
        stream.seekg(6);
        TStrList list;
        list.Add("old");
        list.LoadFromStream(stream, c.append);
        EXPECT_EQ(LinesOf(list), c.lines);
    }
    std::istringstream empty;
    TStrList list;
    list.Add("old");
    list.LoadFromStream(empty, false);
    EXPECT_EQ(list.Count(), 0);
}

TEST(StrListTest, IndexOperationsOutOfRangeDoNothing) {
    TStrList list;
    EXPECT_EQ(list.Get(0), "");
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("d"), 1);
    list.Insert(0, "a");
    list.Insert(2, "c");
    list.Insert(list.Count(), "e");
    list.Insert(-1, "bad");
    list.Insert(list.Count() + 1, "bad");
    list.Put(-1, "bad");
    list.Put(list.Count(), "bad");
    list.Delete(-1);
    list.Delete(list.Count());
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(list.Get(-1), "");
    EXPECT_EQ(list.Get(list.Count()), "");

    list.Put(1, "B");
    list.Delete(4);
    list.Delete(0);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"B", "c", "d"}));
}

TEST(StrListTest, LineEndsAtItsFirstNul) {
    TStrList list;
    list.Add("ab\0cd"s);
    list.Insert(0, "\0x"s);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"", "ab"}));
    EXPECT_EQ(list.IndexOf("ab"), 1);
}

TEST(StrListTest, IndexOfIsExact) {
    TStrList list;
    list.SetText("Key\r\nkey\r\nkey x\r\nkey\r\n\r\n", false);
    struct Case {
        std::string wanted;
        int index;
    };
    const Case cases[] = {{"key", 1}, {"Key", 0}, {"KEY", -1}, {"ke", -1}, {"key x", 2}, {"", 4}, {"nothing", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        EXPECT_EQ(list.IndexOf(c.wanted), c.index);
    }
}

TEST(StrListExTest, ValuesStayBesideTheirLines) {
    TStrListEx list;
    EXPECT_EQ(list.AddObject("b", 20), 0);
    EXPECT_EQ(list.AddObject("c", 30), 1);
    list.Insert(0, "a");
    list.SetText("d\r\ne", true);
    list.Put(1, "B");
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"a", "B", "c", "d", "e"}));
    const uintptr_t expected[] = {0, 20, 30, 0, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(list.Objects(i), expected[i]) << i;

    list.Delete(1);
    EXPECT_EQ(list.Get(1), "c");
    EXPECT_EQ(list.Objects(1), 30u);
    list.PutObject(0, 7);
    EXPECT_EQ(list.Objects(0), 7u);
    EXPECT_EQ(list.Objects(-1), 0u);
    EXPECT_EQ(list.Objects(list.Count()), 0u);

    list.SetText("x", false);
    EXPECT_EQ(list.Objects(0), 0u);
    list.Clear();
    EXPECT_EQ(list.AddObject("y", 9), 0);
    EXPECT_EQ(list.Objects(0), 9u);
}

}  // namespace
