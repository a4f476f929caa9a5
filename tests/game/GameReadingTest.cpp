// How the game model reads the lines of one file: comments, quotes, trimming, keys and values,
// headers and their parents, long lines, byte-order marks and NUL bytes. Each case is a text
// held in memory, as the window hands over the open file.
#include <gtest/gtest.h>

#include "tests/game/GameFiles.h"

namespace {

using namespace std::string_literals;

struct ValueCase {
    const char* name;
    std::string text;
    std::string section, key;
    std::string expected;
};

void ExpectValues(const std::vector<ValueCase>& cases) {
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameModel model;
        BuildFromText(model, c.text);
        EXPECT_EQ(ValueOf(model, c.section, c.key), c.expected);
    }
}

TEST(GameReadingTest, CommentsStartAtTheFirstSemicolonOrDoubleSlashOutsideTheFirstQuotes) {
    ExpectValues({
        {"a semicolon", "[s]\nk = v ; note", "s", "k", "v"},
        {"a second semicolon stays in the comment", "[s]\nk = v ; a ; b", "s", "k", "v"},
        {"a double slash", "[s]\nk = v // note", "s", "k", "v"},
        {"a double slash after a semicolon", "[s]\nk = v ; a // b", "s", "k", "v"},
        {"the first slash is single: no comment", "[s]\nk = a/b // note", "s", "k", "a/b//note"},
        {"a semicolon inside the first quotes keeps the whole line", "[s]\nk = \"x;y\" ; note", "s", "k",
         "\"x;y\";note"},
        {"a semicolon after closed quotes", "[s]\nk = \"x y\" ; note", "s", "k", "\"x y\""},
        {"a semicolon before the quotes", "[s]\nk = a ; \"b;c\"", "s", "k", "a"},
        {"a comment line", "[s]\n; k = 1\nk2 = 2", "s", "k", "(no key)"},
        {"a commented header", "[s]\nk = 1\n;[t]\nk2 = 2", "s", "k2", "2"},
        {"the include line's quotes protect its name", "[s]\n#include \"a;b.ltx\" ; note\nk = 1", "s", "k", "1"},
    });
}

TEST(GameReadingTest, KeysAreTrimmedAndValuesLoseTheirWhitespaceOutsideQuotes) {
    ExpectValues({
        {"spaces and tabs around", "[s]\n \t k \t=\t v \t", "s", "k", "v"},
        {"inner spaces of a key stay", "[s]\nmy key = 1", "s", "my key", "1"},
        {"inner spaces of a value go", "[s]\nk = a, b,\tc d", "s", "k", "a,b,cd"},
        {"inside quotes they stay", "[s]\nk = \"a  b\" c d", "s", "k", "\"a  b\"cd"},
        {"the first = splits", "[s]\nk = a = b", "s", "k", "a=b"},
        {"a line without = is a key without value", "[s]\nk\n", "s", "k", ""},
        {"an empty value", "[s]\nk =", "s", "k", ""},
        {"a key without name", "[s]\n= 5", "s", "", "5"},
        {"keys compare exactly", "[s]\nKey = 1", "s", "key", "(no key)"},
        {"control bytes are trimmed from the line", "[s]\n\x01k = v\x1f", "s", "k", "v"},
        {"a repeated key: the last one", "[s]\nk = 1\nk = 2\nk = 3", "s", "k", "3"},
        {"keys before the first header belong nowhere", "k = 1\n[s]\nj = 2", "s", "k", "(no key)"},
        {"a NUL byte ends the line", "[s]\nk = ab\0cd\nj = 2"s, "s", "k", "ab"},
        {"after a NUL byte the next line reads on", "[s]\nk = ab\0cd\nj = 2"s, "s", "j", "2"},
    });
}

TEST(GameReadingTest, UnbalancedQuotesRunOnOverTheFollowingLines) {
    ExpectValues({
        {"closed on a later line", "[s]\nk = \"a\n b ; c\"  d\nj = 1", "s", "k", "\"a\r\n b ; c\"d"},
        {"the lines taken are no keys", "[s]\nk = \"a\nj = 1\n\"\n", "s", "j", "(no key)"},
        {"a key after the value", "[s]\nk = \"a\nj = 1\n\"\nm = 2", "s", "m", "2"},
        {"to the end of the file", "[s]\nk = \"a\n[t]\nj = 1", "t", "j", "(no section)"},
        {"a quote after the comment does not count", "[s]\nk = a ; \"\nj = 1", "s", "j", "1"},
    });
    GameModel model;
    BuildFromText(model, "[s]\nk = \"a\nb\"\nj = \"c\n");
    ASSERT_EQ(ProblemWords(model), (std::vector<std::string>{"UnbalancedQuotes@2", "UnbalancedQuotes@4"}));
    EXPECT_EQ(model.Problems()[0].number, 3);
    EXPECT_EQ(model.Problems()[1].number, 0);  // the file's end
}

TEST(GameReadingTest, HeadersNameTheTextUpToTheFirstBracketAndTakeParentsAfterBracketColon) {
    struct Case {
        const char* name;
        std::string header;
        std::string section;                // as asked for
        std::vector<std::string> parents;   // as read
    } cases[] = {
        {"a plain header", "[wpn]", "wpn", {}},
        {"names compare without regard to case", "[WPN_Ak]", "wpn_aK", {}},
        {"parents, each trimmed", "[a]:b, c ,\td", "a", {"b", "c", "d"}},
        {"a comment after the parents", "[a]:b,c ; d", "a", {"b", "c"}},
        {"empty items are none", "[a]:b,,c,", "a", {"b", "c"}},
        {"spaces before the colon: no parents", "[a] : b", "a", {}},
        {"colons in the name", "[00:30:00]", "00:30:00", {}},
        {"at signs", "[a@b]:a@c", "a@b", {"a@c"}},
        {"the name ends at the first bracket, parents after the first ]:", "[a]x]:b", "a", {"b"}},
        {"a name keeps its inner spaces", "[a b]:c", "a b", {"c"}},
        {"a header without a closing bracket", "[broken", "broken", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameModel model;
        BuildFromText(model, "[b]\n[c]\n[d]\n[a@c]\n" + c.header + "\nk = 1\n");
        const int section = model.FindSection(c.section, 0);
        ASSERT_GE(section, 0);
        std::vector<std::string> parents;
        for (const GameParent& parent : model.Sections()[section].parents) parents.emplace_back(parent.name);
        EXPECT_EQ(parents, c.parents);
        EXPECT_EQ(ValueOf(model, c.section, "k"), "1");
    }
}

TEST(GameReadingTest, LinesOf4095BytesOrMoreStopTheGame) {
    GameModel model;
    const std::string fits(4094 - 4, 'x'), tooLong(4095 - 4, 'x');
    BuildFromText(model, "[s]\r\nk = " + fits + "\r\nj = " + tooLong + "\r\n; " + std::string(5000, ';') + "\n");
    EXPECT_EQ(ProblemWords(model), (std::vector<std::string>{"LongLine@3", "LongLine@4"}));
    EXPECT_EQ(model.Problems()[0].number, 4095);
    EXPECT_EQ(model.Problems()[1].number, 5002);
    EXPECT_EQ(ValueOf(model, "s", "k"), fits);
}

TEST(GameReadingTest, AByteOrderMarkGluedToTheFirstHeaderDropsThatSection) {
    struct Case {
        const char* name;
        std::string text;
        std::string dropped;         // the warning's section; empty when only the file's start
        std::vector<std::string> sections;  // those that are read
    } cases[] = {
        {"glued to the header", "\xEF\xBB\xBF[first]\nk = 1\n[second]\nk = 2", "first", {"second"}},
        {"before a comment line", "\xEF\xBB\xBF; note\n[first]\nk = 1", "", {"first"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameModel model;
        BuildFromText(model, c.text);
        ASSERT_EQ(ProblemWords(model), std::vector<std::string>{"ByteOrderMark@1"});
        EXPECT_EQ(model.Problems()[0].subject, c.dropped);
        std::vector<std::string> sections;
        for (const GameSection& section : model.Sections()) sections.emplace_back(section.name);
        EXPECT_EQ(sections, c.sections);
    }
    GameModel plain;
    BuildFromText(plain, "\xEF\xBB\xBF; no header at all\n");
    EXPECT_TRUE(plain.Problems().empty());
}

TEST(GameReadingTest, LinesEndAtCrLfOrBothAndAreCountedAsAnEditorCountsThem) {
    GameModel model;
    BuildFromText(model, "[a]\r\nk = 1\r[b]\nk = 2\n\r[c]\r\n\r\n[a]");
    ASSERT_EQ(ProblemWords(model), std::vector<std::string>{"RepeatedSection@8"});
    const std::vector<GameHeader> headers = model.HeadersIn(0);
    ASSERT_EQ(headers.size(), 4u);
    EXPECT_EQ(headers[1].at.line, 3);
    EXPECT_EQ(headers[2].at.line, 6);
}

// Each file keeps the encoding its own text is in, for the names shown from it.
TEST(GameReadingTest, EachFileTellsTheEncodingOfItsOwnText) {
    GameFiles files{{"a.ltx", "#include \"b.ltx\"\n#include \"c.ltx\"\n[\xD0\xBB]\n"},  // UTF-8 "л"
                    {"b.ltx", "[\xEB]\n"},                                             // cp1251 "л"
                    {"c.ltx", "[plain]\n"}};
    const GameModel& model = files.Build({"a.ltx"});
    ASSERT_EQ(model.Files().size(), 3u);
    EXPECT_EQ(model.Files()[0].encoding, TextEncoding::Utf8);
    EXPECT_EQ(model.Files()[1].encoding, TextEncoding::Cp1251);
    EXPECT_EQ(model.Files()[2].encoding, DetectTextEncoding("[plain]\n"));
}

}  // namespace
