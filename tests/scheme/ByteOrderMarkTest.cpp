// A UTF-8 file's byte-order mark: no text of the first row, and back in front of the first line
// whichever way the file is saved.
#include <gtest/gtest.h>

#include <functional>

#include "LtxTestSupport.h"

namespace {

using Rows = std::vector<std::string>;

class ByteOrderMarkTest : public LtxSchemeTest {};

TEST_F(ByteOrderMarkTest, TheMarkIsNoTextOfTheFirstLine) {
    struct Case {
        const char* name;
        std::string text;
        Rows rows;
        Rows contents;
    } cases[] = {
        {"a comment", "\xEF\xBB\xBF; привет\r\n", {"0#15466238\tcom\t\t\t привет"}, {}},
        {"a header", "\xEF\xBB\xBF[a]:b\r\nk = 1", {"0#16707055\tsec\t[a]:b\t\t", "0#0\tkey\tk\t1\t"}, {"0+a"}},
        {"a key", "\xEF\xBB\xBFk=1", {"0#0\tkey\tk\t1\t"}, {}},
        {"the mark alone on its line", "\xEF\xBB\xBF\r\n[a]", {"0#16707055\tsec\t[a]\t\t"}, {"0+a"}},
        {"the same bytes further on are text", "x\r\n\xEF\xBB\xBF;y",
         {"0#15532017\tnor\tx\t\t", "0#15532017\tnor\t\xEF\xBB\xBF\t\ty"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Parsed parsed = ParseText(c.text);
        EXPECT_EQ(parsed.rows, c.rows);
        EXPECT_EQ(parsed.contents, c.contents);
    }
}

TEST_F(ByteOrderMarkTest, BothSavesPutTheMarkBackBeforeTheFirstLine) {
    const std::string text = "\xEF\xBB\xBF; x\r\n[a]\r\nk = 1\r\n";
    struct Case {
        const char* name;
        std::string text;
        std::function<void(TStringTableRows&)> edit;
        std::string written;    // by the tables' writer
        std::string keptLines;  // by the save that keeps the lines
    } cases[] = {
        {"untouched", text, [](TStringTableRows&) {}, "\xEF\xBB\xBF; x\r\n\r[a]\t;\r\n\tk = 1\t;\r\n", text},
        {"the first row edited", text, [](TStringTableRows& r) { r.SetCell(0, 3, " y"); },
         "\xEF\xBB\xBF; y\r\n\r[a]\t;\r\n\tk = 1\t;\r\n", "\xEF\xBB\xBF; y\r\n[a]\r\nk = 1\r\n"},
        {"a row before the first", text, [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tn\t2\t", 0, false); },
         "\xEF\xBB\xBF\tn = 2\t;\r\n; x\r\n\r[a]\t;\r\n\tk = 1\t;\r\n", "\xEF\xBB\xBFn = 2\r\n; x\r\n[a]\r\nk = 1\r\n"},
        {"the first row deleted", text, [](TStringTableRows& r) { r.Delete(0); },
         "\xEF\xBB\xBF\r[a]\t;\r\n\tk = 1\t;\r\n", "\xEF\xBB\xBF[a]\r\nk = 1\r\n"},
        {"no mark, none written", "; x\r\n", [](TStringTableRows&) {}, "; x\r\n", "; x\r\n"},
        {"the mark's bytes further on in a file without one", "\r\n\t\xEF\xBB\xBF;x", [](TStringTableRows&) {},
         "\t\xEF\xBB\xBF\t;x\r\n", "\r\n\t\xEF\xBB\xBF;x"},
        // No line to put it before: an empty table is an empty file, as it always was.
        {"every row deleted", "\xEF\xBB\xBF; x\r\n", [](TStringTableRows& r) { r.Delete(0); }, "", "\xEF\xBB\xBF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("in.ltx"), written = dir.File("written.ltx"), kept = dir.File("kept.ltx");
        WriteFileBytes(path, c.text);
        LtxDocument document;
        ASSERT_TRUE(document.Open(Bytes(path)));
        c.edit(document.MainRows);
        ASSERT_TRUE(document.SaveTo(Bytes(written)));
        ASSERT_TRUE(document.SaveKeepingLinesTo(Bytes(kept)));
        EXPECT_EQ(ReadFileBytes(written), c.written);
        EXPECT_EQ(ReadFileBytes(kept), c.keptLines);
        EXPECT_EQ(ParseFile(written).rows, ParseFile(kept).rows);
    }
}

}  // namespace
