// LineList keeps its lines in order whatever the place of an insert or an erase, across the
// boundaries of its chunks (512 lines each) as well as inside them.
#include <gtest/gtest.h>

#include <vector>

#include "objlib/LineList.h"

namespace {

using Line = LineStore::Line;

// The list holding lines 0..count-1 (each line's start is its number), and the same as a vector.
struct Pair {
    LineList list;
    std::vector<uint32_t> model;
    explicit Pair(uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) {
            list.push_back(Line{i, 1});
            model.push_back(i);
        }
    }
    std::vector<uint32_t> Starts() const {
        std::vector<uint32_t> starts;
        for (size_t i = 0; i < list.size(); ++i) starts.push_back(list[i].start);
        return starts;
    }
};

TEST(LineListTest, InsertAndEraseKeepTheOrderAcrossChunks) {
    for (uint32_t count : {1u, 2u, 511u, 512u, 513u, 1024u, 1025u, 1600u}) {
        for (uint32_t at : {0u, 1u, 255u, 510u, 511u, 512u, 513u, 1023u, 1024u, 1100u, count - 1, count}) {
            if (at > count) continue;
            SCOPED_TRACE(testing::Message() << count << " lines, at " << at);
            Pair inserted(count);
            inserted.list.Insert(at, Line{99999, 2});
            inserted.model.insert(inserted.model.begin() + at, 99999);
            EXPECT_EQ(inserted.Starts(), inserted.model);
            if (at == count) continue;
            Pair erased(count);
            erased.list.Erase(at);
            erased.model.erase(erased.model.begin() + at);
            EXPECT_EQ(erased.Starts(), erased.model);
            // The list still grows right after an erase emptied its last chunk.
            erased.list.push_back(Line{77777, 3});
            erased.model.push_back(77777);
            EXPECT_EQ(erased.Starts(), erased.model);
        }
    }
}

TEST(LineListTest, EmptiedByErasesOrClearItGrowsAgain) {
    Pair pair(513);
    while (pair.list.size() > 0) pair.list.Erase(pair.list.size() / 2);
    pair.list.push_back(Line{5, 0});
    EXPECT_EQ(pair.Starts(), std::vector<uint32_t>{5});
    pair.list.Clear();
    EXPECT_EQ(pair.list.size(), 0u);
    pair.list.push_back(Line{6, 0});
    EXPECT_EQ(pair.Starts(), std::vector<uint32_t>{6});
}

}  // namespace
