// The line parser scheme: how each kind of line becomes a row string, and the order of the
// section names, rows and the loaded path.
#include <gtest/gtest.h>

#include "LtxTestSupport.h"
#include "runtime/MultiElement.h"
#include "scheme/TClassMultiElementEx_12D3344.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using ParserSchemeTest = LtxSchemeTest;

const std::string kKey = "0#0\tkey\t";
const std::string kSec = "0#16707055\tsec\t";
const std::string kCom = "0#15466238\tcom\t\t\t";
const std::string kNor = "0#15532017\tnor\t";

TEST_F(ParserSchemeTest, EachLineBecomesItsRow) {
    struct Case {
        const char* line;
        std::vector<std::string> rows;
        std::vector<std::string> contents;
    } cases[] = {
        {"", {}, {}},
        {"   \t", {}, {}},
        {" ; hello", {kCom + " hello"}, {}},
        {";;x", {kCom + ";x"}, {}},
        {";", {kCom}, {}},
        {"[wpn_base]:base1, base2 ; note", {kSec + "[wpn_base]:base1,base2\t\t note"}, {"0+wpn_base"}},
        {"[name];comment", {kSec + "[name]\t\tcomment"}, {"0+name"}},
        {"[broken", {kSec + "[broken\t\t"}, {}},
        {"[a][b]", {kSec + "[a][b]\t\t"}, {"0+a", "0+b"}},
        {"key=value", {kKey + "key\tvalue\t"}, {}},
        {"key =", {kKey + "key\t\t"}, {}},
        {"= 5", {kKey + "\t5\t"}, {}},
        // Keys and values keep their inner spaces; only the ends are trimmed.
        {"a = b = d", {kKey + "a\tb = d\t"}, {}},
        {"a = b d ; x", {kKey + "a\tb d\t x"}, {}},
        {"$spawn = \"physics\\hanging lamp\"", {kKey + "$spawn\t\"physics\\hanging lamp\"\t"}, {}},
        {"on_info = {+info} walker %=f(x)% ; a;b", {kKey + "on_info\t{+info} walker %=f(x)%\t a;b"}, {}},
        {"key = [x]", {kKey + "key\t[x]\t"}, {}},
        {"key = 1 ; a\tb", {kKey + "key\t1\t ab"}, {}},
        {"\t\tindented\t= 3;", {kKey + "indented\t3\t"}, {}},
        {"abc ; d=e", {kNor + "abc \t\t d=e"}, {}},
        {"#include \"x.ltx\"", {kNor + "#include \"x.ltx\"\t\t"}, {}},
        {"  list_item  ", {kNor + "  list_item  \t\t"}, {}},
        {"%1 = %2", {kKey + "%1\t%2\t"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Parsed parsed = ParseText(std::string(c.line) + "\r\n");
        EXPECT_EQ(parsed.rows, c.rows);
        EXPECT_EQ(parsed.contents, c.contents);
    }
}

TEST_F(ParserSchemeTest, AnOtherLineWithoutCommentDoesNotInheritThePreviousOne) {
    Parsed parsed = ParseText("#include \"a.ltx\" ; first\r\n#include \"b.ltx\"\r\n");
    EXPECT_EQ(parsed.rows, (std::vector<std::string>{kNor + "#include \"a.ltx\" \t\t first",
                                                     kNor + "#include \"b.ltx\"\t\t"}));
}

TEST_F(ParserSchemeTest, ContentsEntriesCarryTheHeaderRowIndex) {
    Parsed parsed = ParseText("; top\n\n[one]\nk = v\n[two]:one\r\n;c\r[three]");
    EXPECT_EQ(parsed.contents, (std::vector<std::string>{"1+one", "3+two", "5+three"}));
    EXPECT_EQ(parsed.rows.size(), 6u);
}

TEST_F(ParserSchemeTest, LineEndsOfEveryKindSplitLines) {
    const char* texts[] = {"a=1\r\nb=2\r\n", "a=1\nb=2\n", "a=1\rb=2\r", "a=1\n\rb=2", "a=1\r\n\nb=2"};
    for (const char* text : texts) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        EXPECT_EQ(ParseText(text).rows, (std::vector<std::string>{kKey + "a\t1\t", kKey + "b\t2\t"}));
    }
}

TEST_F(ParserSchemeTest, OddFilesGiveRowsAsTheRulesSay) {
    EXPECT_TRUE(ParseText("").rows.empty());
    EXPECT_EQ(ParseText("x=1\r\n").rows.size(), 1u);  // no extra row for the final line end
    // Text ends at a NUL byte, so such a file is refused rather than opened cut short.
    EXPECT_TRUE(ParseText(std::string("a=1\0b=2", 7)).rows.empty());

    std::string longLine = "long = " + std::string(300000, 'v');
    Parsed parsed = ParseText(longLine);
    ASSERT_EQ(parsed.rows.size(), 1u);
    EXPECT_EQ(parsed.rows[0].size(), kKey.size() + 5 + 300000 + 1);

    std::string cyrillic = "\xEF\xE0\xF0\xE0\xEC = \xE7\xED\xE0\xF7 ; \xEA\xEE\xEC";
    EXPECT_EQ(ParseText(cyrillic).rows[0], kKey + "\xEF\xE0\xF0\xE0\xEC\t\xE7\xED\xE0\xF7\t \xEA\xEE\xEC");
}

TEST_F(ParserSchemeTest, AMissingFileGivesNoRows) {
    EXPECT_TRUE(ParseFile(dir.File("missing.ltx")).rows.empty());
    EXPECT_TRUE(ParseFile(dir.File("")).rows.empty());  // a directory
}

TEST_F(ParserSchemeTest, TheLoadedPathComesOnceBeforeTheFirstRowAlsoForAMissingFile) {
    Journal journal;
    RecordingProbe section{&journal, "section"}, row{&journal, "row"}, loaded{&journal, "loaded"};
    THIMultiElementEx parser{nullptr};
    parser.SetFactory(&MakeScheme<TClassMultiElementEx_12D3344>);
    parser.SetEventCount(3);
    parser.EventPoints[0] = Point<&RecordingProbe::doEvent>(section);
    parser.EventPoints[1] = Point<&RecordingProbe::doEvent>(row);
    parser.EventPoints[2] = Point<&RecordingProbe::doEvent>(loaded);
    auto parse = [&](const std::string& path) {
        TData d;
        SetString(d, Bytes(path));
        parser.doWork(d, 0);
    };

    const std::string file = dir.File("one.ltx");
    WriteFileBytes(file, "[s]\r\nk=v\r\n");
    parse(file);
    EXPECT_EQ(journal, (Journal{"loaded:'" + file + "'", "section:'s'", "row:'" + kSec + "[s]\t\t'",
                                "row:'" + kKey + "k\tv\t'"}));

    journal.clear();
    const std::string missing = dir.File("missing.ltx");
    parse(missing);
    EXPECT_EQ(journal, Journal{"loaded:'" + missing + "'"});
}

}  // namespace
