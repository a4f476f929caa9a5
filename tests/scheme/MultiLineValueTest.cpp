// Values written over several lines: their lines are rows of their own kind, never headers
// or keys, and a save in either mode writes them back as they were read.
#include <gtest/gtest.h>

#include <filesystem>

#include "LtxTestSupport.h"
#include "runtime/Dispatch.h"

namespace {

class MultiLineValueTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }
    TempDir dir;
};

const std::string kVal = "0#15790320\tval\t";

// Every "<<END" value of a text, each from its opening line to its "END" line.
std::vector<std::string> HereValues(const std::string& text) {
    std::vector<std::string> values;
    for (size_t at = 0; (at = text.find("<<END", at)) != std::string::npos;) {
        const size_t begin = text.rfind('\n', at) + 1;
        const size_t end = text.find("\nEND", at);
        values.push_back(text.substr(begin, end == std::string::npos ? std::string::npos : end + 4 - begin));
        at = end == std::string::npos ? text.size() : end;
    }
    return values;
}

TEST_F(MultiLineValueTest, TheLinesOfAValueAreRowsOfTheirOwn) {
    Parsed parsed = ParseText("[a]\r\ndata = <<END\r\n[inner]\r\n\r\nk = v\r\nEND\r\n[b]\r\n");
    EXPECT_EQ(parsed.rows, (std::vector<std::string>{"0#16707055\tsec\t[a]\t\t", kVal + "data = <<END\t\t", kVal + "[inner]\t\t",
                                                     kVal + "\t\t", kVal + "k = v\t\t", kVal + "END\t\t",
                                                     "0#16707055\tsec\t[b]\t\t"}));
    EXPECT_EQ(parsed.contents, (std::vector<std::string>{"0+a", "6+b"}));
}

TEST_F(MultiLineValueTest, BothSavesWriteTheValueAsItWasRead) {
    const std::string text = "[a]\r\n  data = <<END\r\n[inner]\r\n\r\n   k = v ; x\r\nEND\r\nafter = 1\r\n";
    const std::string path = dir.File("v.ltx"), tables = dir.File("tables.ltx"), kept = dir.File("kept.ltx");
    WriteFileBytes(path, text);
    LtxDocument document;
    ASSERT_TRUE(document.Open(Bytes(path)));
    ASSERT_TRUE(document.SaveTo(Bytes(tables)));
    EXPECT_EQ(ReadFileBytes(tables), "\r[a]\t;\r\n  data = <<END\r\n[inner]\r\n\r\n   k = v ; x\r\nEND\r\n\tafter = 1\t;\r\n");
    ASSERT_TRUE(document.KeepsLines());
    ASSERT_TRUE(document.SaveKeepingLinesTo(Bytes(kept)));
    EXPECT_EQ(ReadFileBytes(kept), text);
}

TEST_F(MultiLineValueTest, TheLargeSpawnDumpKeepsItsSectionsAndValues) {
    const std::string original = std::string(MORVANE_REAL_FIXTURES_DIR) + "/spawn_dump_large.ltx";
    if (!std::filesystem::exists(original)) GTEST_SKIP() << "no real fixtures in " << MORVANE_REAL_FIXTURES_DIR;
    LtxDocument document;
    ParsedCollector collector;
    document.SetListener(&collector);
    ASSERT_TRUE(document.Open(Bytes(original)));
    EXPECT_EQ(collector.parsed.contents.size(), 926u);

    const std::vector<std::string> values = HereValues(ReadFileBytes(original));
    ASSERT_EQ(values.size(), 419u);
    const std::string tables = dir.File("tables.ltx"), kept = dir.File("kept.ltx");
    ASSERT_TRUE(document.SaveTo(Bytes(tables)));
    EXPECT_TRUE(HereValues(ReadFileBytes(tables)) == values);
    ASSERT_TRUE(document.SaveKeepingLinesTo(Bytes(kept)));
    EXPECT_TRUE(ReadFileBytes(kept) == ReadFileBytes(original));
}

}  // namespace
