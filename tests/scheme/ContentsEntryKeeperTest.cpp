// The table of contents keeps pointing at its header rows while main-table rows are inserted
// and deleted above, between and below them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/window/ContentsEntryKeeper.h"

namespace {

class ContentsEntryKeeperTest : public ::testing::Test {
protected:
    ContentsEntryKeeperTest() {
        main.Delimiter = '\t';
        main.AddColumn("row");
        contents.Delimiter = '+';
        contents.AddColumn("index");
        contents.AddColumn("section");
    }
    // Ten main rows with headers at 2, 5 and 8.
    void Fill() {
        main.Clear();
        contents.Clear();
        for (int i = 0; i < 10; ++i) main.AddOrReplace(std::to_string(i), -1, false);
        for (const char* entry : {"2+a", "5+b", "8+c"}) contents.AddOrReplace(entry, -1, false);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> out;
        for (int i = 0; i < contents.Count(); ++i) out.push_back(contents.RowString(i).str());
        return out;
    }

    TStringTableRows main, contents;
    ContentsEntryKeeper keeper{main, contents};
};

TEST_F(ContentsEntryKeeperTest, EntriesMoveWithTheirHeaders) {
    struct Case {
        const char* name;
        void (*change)(TStringTableRows&);
        std::vector<std::string> entries;
    } cases[] = {
        {"insert above all", [](TStringTableRows& m) { m.AddOrReplace("new", 0, false); }, {"3+a", "6+b", "9+c"}},
        {"insert at a header", [](TStringTableRows& m) { m.AddOrReplace("new", 5, false); }, {"2+a", "6+b", "9+c"}},
        {"insert below all", [](TStringTableRows& m) { m.AddOrReplace("new", 9, false); }, {"2+a", "5+b", "8+c"}},
        {"append", [](TStringTableRows& m) { m.AddOrReplace("new", -1, false); }, {"2+a", "5+b", "8+c"}},
        {"delete above", [](TStringTableRows& m) { m.Delete(3); }, {"2+a", "4+b", "7+c"}},
        {"delete a header", [](TStringTableRows& m) { m.Delete(5); }, {"2+a", "7+c"}},
        {"delete below all", [](TStringTableRows& m) { m.Delete(9); }, {"2+a", "5+b", "8+c"}},
        {"rewrite a row", [](TStringTableRows& m) { m.AddOrReplace("other", 2, true); }, {"2+a", "5+b", "8+c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill();
        c.change(main);
        EXPECT_EQ(Entries(), c.entries);
    }
}

}  // namespace
