// The table-of-contents follower: which entry a selected main-table row highlights, with the
// contents table's selection events off around the highlight.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/window/StringTableRows.h"
#include "runtime/MultiElement.h"
#include "scheme/TClassMultiElementEx_1B5D100.h"

namespace {

struct ContentsProbe {
    TStringTableRows entries;
    std::vector<std::string> log;
    ContentsProbe() {
        entries.Delimiter = '+';
        entries.AddColumn("index");
        entries.AddColumn("section");
    }
    void doSelect(TData& d, uint16_t) { log.push_back("select " + ToString(d).str()); }
    void doSelectEvents(TData& d, uint16_t) { log.push_back("events " + ToString(d).str()); }
    void Array(TData& d, uint16_t) { SetArray(d, entries.Array()); }
};

class FollowerSchemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ActivateHooks();
        box.SetFactory(&MakeScheme<TClassMultiElementEx_1B5D100>);
        box.SetEventCount(2);
        box.SetDataCount(1);
        box.EventPoints[0] = Point<&ContentsProbe::doSelect>(contents);
        box.EventPoints[1] = Point<&ContentsProbe::doSelectEvents>(contents);
        box.DataPoints[0] = Point<&ContentsProbe::Array>(contents);
    }
    void TearDown() override { DeactivateHooks(); }

    // The entries selected (with events off around each) when row r is selected.
    std::vector<std::string> Follow(int32_t r) {
        contents.log.clear();
        TData d;
        SetInteger(d, r);
        box.doWork(d, 0);
        return contents.log;
    }
    static std::vector<std::string> Selected(int j, int times) {
        std::vector<std::string> log;
        for (int i = 0; i < times; ++i)
            log.insert(log.end(), {"events 0", "select " + std::to_string(j), "events 1"});
        return log;
    }

    THIMultiElementEx box{nullptr};
    ContentsProbe contents;
};

TEST_F(FollowerSchemeTest, SelectsTheSectionThatHoldsTheRow) {
    for (const char* entry : {"2+one", "5+two", "9+three"}) contents.entries.AddOrReplace(entry, -1, false);
    struct Case {
        int32_t row;
        int entry;
        int times;  // a stopped scan selects again at its end
    } cases[] = {
        {0, -1, 2}, {1, -1, 2}, {2, 0, 2}, {4, 0, 2}, {5, 1, 2}, {8, 1, 2}, {9, 2, 1}, {50, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(Follow(c.row), Selected(c.entry, c.times));
    }
}

TEST_F(FollowerSchemeTest, NoEntriesClearTheSelection) {
    EXPECT_EQ(Follow(3), Selected(-1, 1));
}

}  // namespace
