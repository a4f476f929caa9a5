// Saving an opened file line by line: untouched files come back byte for byte, and each kind
// of edit changes only its own line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "runtime/Dispatch.h"
#include "../scheme/LtxTestSupport.h"

namespace {

namespace fs = std::filesystem;

// Every LTX file of the repository's fixtures and seeds, and the real files when present.
std::vector<std::string> FixtureFiles() {
    std::vector<std::string> files;
    const std::string roots[] = {MORVANE_REPO_FIXTURES_DIR,
                                 std::string(MORVANE_SOURCE_DIR) + "/fuzz/corpus/ltx_round_trip", MORVANE_REAL_FIXTURES_DIR};
    for (const std::string& root : roots) {
        std::error_code error;
        for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error))
            if (it->path().extension() == ".ltx") files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class KeepLinesSaveTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }

    // Opens the text, applies the edit to the main rows and saves them line by line.
    std::string SavedAfter(const std::string& text, const std::function<void(TStringTableRows&)>& edit) {
        const std::string path = dir.File("edited.ltx");
        WriteFileBytes(path, text);
        LtxDocument document;
        EXPECT_TRUE(document.Open(Bytes(path)));
        EXPECT_TRUE(document.KeepsLines());
        edit(document.MainRows);
        EXPECT_TRUE(document.SaveKeepingLines());
        return ReadFileBytes(path);
    }

    TempDir dir;
};

TEST_F(KeepLinesSaveTest, UntouchedFilesComeBackByteForByte) {
    const std::vector<std::string> files = FixtureFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        LtxDocument document;
        if (!document.Open(Bytes(file))) continue;  // a file with a NUL byte is never saved
        ASSERT_TRUE(document.KeepsLines());
        const std::string out = dir.File("out.ltx");
        ASSERT_TRUE(document.SaveKeepingLinesTo(Bytes(out)));
        EXPECT_TRUE(ReadFileBytes(out) == ReadFileBytes(file));
    }
}

TEST_F(KeepLinesSaveTest, EachEditChangesOnlyItsOwnLine) {
    const std::string crlf = "; head\r\n\r\n[s]:base ; note\r\n\tcost\t= 100\t; price\r\n  \r\nname = x\r\n\r\n[t]\r\nlast=1";
    struct Case {
        const char* name;
        std::string text;
        std::function<void(TStringTableRows&)> edit;
        std::string expected;
    } cases[] = {
        {"a value", crlf, [](TStringTableRows& r) { r.SetCell(2, 2, "250"); },
         "; head\r\n\r\n[s]:base ; note\r\n\tcost\t= 250\t; price\r\n  \r\nname = x\r\n\r\n[t]\r\nlast=1"},
        {"a value edited back", crlf,
         [](TStringTableRows& r) {
             r.SetCell(2, 2, "250");
             r.SetCell(2, 2, "100");
         },
         crlf},
        {"a new key after a key", crlf, [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tweight\t2\t", 3, false); },
         "; head\r\n\r\n[s]:base ; note\r\n\tcost\t= 100\t; price\r\n\tweight\t= 2\r\n  \r\nname = x\r\n\r\n[t]\r\nlast=1"},
        {"a row appended after a last line without an end", crlf,
         [](TStringTableRows& r) { r.AddOrReplace("0#15466238\tcom\t\t\t end", -1, false); },
         crlf + "\r\n; end\r\n"},
        {"a deleted row", crlf, [](TStringTableRows& r) { r.Delete(3); },
         "; head\r\n\r\n[s]:base ; note\r\n\tcost\t= 100\t; price\r\n  \r\n\r\n[t]\r\nlast=1"},
        {"the last row deleted", crlf, [](TStringTableRows& r) { r.Delete(5); },
         "; head\r\n\r\n[s]:base ; note\r\n\tcost\t= 100\t; price\r\n  \r\nname = x\r\n\r\n[t]\r\n"},
        {"a header renamed", crlf, [](TStringTableRows& r) { r.SetCell(1, 1, "[s]:other"); },
         "; head\r\n\r\n[s]:other ; note\r\n\tcost\t= 100\t; price\r\n  \r\nname = x\r\n\r\n[t]\r\nlast=1"},
        {"a row of another kind", crlf, [](TStringTableRows& r) { r.AddOrReplace("0#15466238\tcom\t\t\tcost", 2, true); },
         "; head\r\n\r\n[s]:base ; note\r\n;cost\r\n  \r\nname = x\r\n\r\n[t]\r\nlast=1"},
        {"LF ends for new rows of an LF file", "a=1\n", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tb\t2\t", -1, false); },
         "a=1\nb=2\n"},
        {"the byte-order mark before an edited first line", "\xEF\xBB\xBF; x\r\na = 1\r\n",
         [](TStringTableRows& r) { r.SetCell(1, 2, "2"); }, "\xEF\xBB\xBF; x\r\na = 2\r\n"},
        {"a lone CR line end kept", "a = 1\rb = 2\r", [](TStringTableRows& r) { r.SetCell(0, 2, "3"); }, "a = 3\rb = 2\r"},
        {"every row deleted", "\r\na\r\n\r\n", [](TStringTableRows& r) { r.Delete(0); }, "\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SavedAfter(c.text, c.edit), c.expected);
    }
}

TEST_F(KeepLinesSaveTest, LinesAreMatchedAgainstTheRowsAsReadEvenWhenFirstAskedAfterEdits) {
    const std::string path = dir.File("late.ltx");
    WriteFileBytes(path, "a = 1\r\n\r\nb = 2\r\nc = 3\r\n");
    LtxDocument document;
    ASSERT_TRUE(document.Open(Bytes(path)));
    document.MainRows.Delete(1);  // two rows now, over three lines
    EXPECT_TRUE(document.SaveKeepingLines());
    EXPECT_EQ(ReadFileBytes(path), "a = 1\r\n\r\nc = 3\r\n");
    // A later open that fails leaves nothing to keep, whatever was answered before.
    EXPECT_TRUE(document.KeepsLines());
    EXPECT_FALSE(document.Open(Bytes(dir.File("missing.ltx"))));
    EXPECT_FALSE(document.KeepsLines());
    EXPECT_FALSE(document.SaveKeepingLines());
}

TEST_F(KeepLinesSaveTest, NothingOpenIsNotSaved) {
    LtxDocument document;
    EXPECT_FALSE(document.Open(Bytes(dir.File("missing.ltx"))));
    EXPECT_FALSE(document.KeepsLines());
    EXPECT_FALSE(document.SaveKeepingLines());
}

}  // namespace
