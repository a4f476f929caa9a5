// The writer scheme: the line each kind of row becomes, and the saved bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "LtxTestSupport.h"

namespace {

class WriterSchemeTest : public LtxSchemeTest {
protected:
    // Saves a document whose main table holds `rows` (row strings with their prefix).
    std::string Save(const std::vector<std::string>& rows) {
        LtxDocument document;
        for (const auto& row : rows) document.MainRows.AddOrReplace(Bytes(row), -1, false);
        std::string path = dir.File("out.ltx");
        document.SaveTo(Bytes(path));
        return ReadFileBytes(path);
    }
};

TEST_F(WriterSchemeTest, EachKindHasItsLineForm) {
    struct Case {
        const char* row;
        const char* line;
    } cases[] = {
        {"0#0\tkey\ta\t1\t", "\ta = 1\t;\r\n"},
        {"0#0\tkey\ta\t1\tnote", "\ta = 1\t;note\r\n"},
        {"0#15466238\tcom\t\t\tx", ";x\r\n"},
        {"0#16707055\tsec\t[s]:base\t\tx", "\r[s]:base\t;x\r\n"},
        {"0#15532017\tnor\t#include \"x.ltx\"\t\t", "#include \"x.ltx\"\t;\r\n"},
        {"0#0\tSec\t[s]\t\t", "\t[s] = \t;\r\n"},  // kinds are compared exactly
        {"0#0\tkey\t%1\t%2\t%3", "\t%1 = %2\t;%3\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(Save({c.row}), c.line);
    }
}

TEST_F(WriterSchemeTest, AnEmptyTableWritesAnEmptyFileOverALongerOne) {
    WriteFileBytes(dir.File("out.ltx"), "old content that must go");
    EXPECT_EQ(Save({}), "");
}

TEST_F(WriterSchemeTest, NothingIsWrittenBeforeAPathIsKnown) {
    char oldDir[4096];
    ASSERT_NE(getcwd(oldDir, sizeof oldDir), nullptr);
    ASSERT_EQ(chdir(dir.File("").c_str()), 0);  // where an empty path would land
    LtxDocument document;
    document.MainRows.AddOrReplace("0#0\tkey\ta\t1\t", -1, false);
    document.Save();
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("")));
    ASSERT_EQ(chdir(oldDir), 0);
}

TEST_F(WriterSchemeTest, OpenedFileIsSavedOverItself) {
    std::string path = dir.File("in.ltx");
    WriteFileBytes(path, "[s]\nk = v ; c\n");
    LtxDocument document;
    document.Open(Bytes(path));
    document.Save();
    EXPECT_EQ(ReadFileBytes(path), "\r[s]\t;\r\n\tk = v\t; c\r\n");
}

}  // namespace
