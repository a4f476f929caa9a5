// A header's parents, as the game reads them (only after the exact bytes "]:"), are the same
// after a save as before it.
#include <gtest/gtest.h>

#include "LtxTestSupport.h"
#include "runtime/Dispatch.h"

namespace {

class HeaderParentsTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }
};

// The parents the game reads from a header line: what follows its first "]:" up to ";",
// without spaces and TABs; "-" when it has none.
std::string GameParents(const std::string& line) {
    const size_t mark = line.find("]:");
    if (mark == std::string::npos) return "-";
    std::string parents;
    for (char c : line.substr(mark + 2, line.find(';', mark) - mark - 2))
        if (c != ' ' && c != '\t' && c != '\r') parents += c;
    return parents;
}

TEST_F(HeaderParentsTest, ASaveNeverGivesOrTakesParents) {
    struct Case {
        const char* line;
        const char* name;  // the header as the row shows it
    } cases[] = {
        {"[a] : b", "[a] :b"},        {"[a]   :b ; c", "[a] :b"}, {"[a]\t :\tb", "[a] :b"}, {"[a]: b, c", "[a]:b,c"},
        {"[a]:b", "[a]:b"},           {"[ a b ] ; c", "[ab]"},    {"[a] ;x", "[a]"},        {"[a] x", "[a]x"},
        {"[a] x : y", "[a]x:y"},      {"[a] :b] :c", "[a] :b] :c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TempDir dir;
        const std::string path = dir.File("h.ltx"), saved = dir.File("saved.ltx");
        WriteFileBytes(path, std::string(c.line) + "\r\n");
        LtxDocument document;
        ParsedCollector collector;
        document.SetListener(&collector);
        ASSERT_TRUE(document.Open(Bytes(path)));
        ASSERT_EQ(collector.parsed.rows.size(), 1u);
        EXPECT_EQ(document.MainRows.Cell(0, 1).str(), c.name);
        ASSERT_TRUE(document.SaveTo(Bytes(saved)));
        const std::string written = ReadFileBytes(saved);
        EXPECT_EQ(GameParents(written), GameParents(c.line)) << written;
        EXPECT_EQ(ParseFile(saved).rows, collector.parsed.rows);  // and it reads back the same
    }
}

}  // namespace
