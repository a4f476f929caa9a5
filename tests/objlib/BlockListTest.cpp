// The block list behind a string table's rows and a string list's lines: every way of putting
// items in and taking them out leaves the same items in the same order as a plain deque would,
// across block edges.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <random>

#include "objlib/BlockList.h"

namespace {

void ExpectSame(const BlockList<uint32_t>& rows, const std::deque<uint32_t>& expected) {
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(rows[i], expected[i]) << "row " << i;
}

TEST(BlockListTest, InsertsAndErasesAnywhereAsADequeDoes) {
    enum class Where { Front, Back, Middle, Random };
    struct Case {
        const char* name;
        Where insertAt;
        Where eraseAt;
        int eraseEvery;  // one erase after so many inserts; 0: inserts only
    } cases[] = {
        {"appends only", Where::Back, Where::Back, 0},
        {"inserts in front only", Where::Front, Where::Front, 0},
        {"in front, erased behind", Where::Front, Where::Back, 3},
        {"behind, erased in front", Where::Back, Where::Front, 3},
        {"in the middle, erased in the middle", Where::Middle, Where::Middle, 4},
        {"anywhere, erased anywhere", Where::Random, Where::Random, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 random(7);
        BlockList<uint32_t> rows;
        std::deque<uint32_t> expected;
        auto place = [&](Where where, size_t count) -> size_t {
            switch (where) {
                case Where::Front: return 0;
                case Where::Back: return count;
                case Where::Middle: return count / 2;
                case Where::Random: return count ? random() % (count + 1) : 0;
            }
            return 0;
        };
        for (uint32_t n = 1; n <= 5000; ++n) {
            const size_t at = place(c.insertAt, expected.size());
            rows.insert(at, n);
            expected.insert(expected.begin() + static_cast<long>(at), n);
            if (c.eraseEvery && n % c.eraseEvery == 0) {
                const size_t gone = std::min(place(c.eraseAt, expected.size()), expected.size() - 1);
                rows.erase(gone);
                expected.erase(expected.begin() + static_cast<long>(gone));
            }
        }
        ExpectSame(rows, expected);
        // Emptied row by row from alternate ends, the store stays whole down to no rows.
        for (size_t left = expected.size(); left > 0; --left) {
            const size_t gone = left % 2 ? 0 : left - 1;
            rows.erase(gone);
            expected.erase(expected.begin() + static_cast<long>(gone));
            if (left % 997 == 0) ExpectSame(rows, expected);
        }
        EXPECT_TRUE(rows.empty());
        rows.push_back(42);  // an emptied store takes rows again
        ExpectSame(rows, {42});
    }
}

TEST(BlockListTest, ClearLetsGoOfEveryRow) {
    BlockList<uint32_t> rows;
    for (uint32_t n = 0; n < 3000; ++n) rows.push_back(n);
    rows.clear();
    EXPECT_EQ(rows.size(), 0u);
    rows.insert(0, 5);
    rows.insert(0, 4);
    ExpectSame(rows, {4, 5});
}

// At and around the edges of the blocks (1024 items each): an insert or an erase keeps the
// order, and the list grows again right after an erase emptied its last block.
TEST(BlockListTest, InsertsAndErasesAtBlockEdges) {
    for (uint32_t count : {1u, 2u, 1023u, 1024u, 1025u, 2048u, 2049u, 3000u}) {
        for (uint32_t at : {0u, 1u, 511u, 1022u, 1023u, 1024u, 1025u, 2047u, 2048u, 2100u, count - 1, count}) {
            if (at > count) continue;
            SCOPED_TRACE(testing::Message() << count << " items, at " << at);
            auto filled = [count](BlockList<uint32_t>& list, std::deque<uint32_t>& model) {
                for (uint32_t i = 0; i < count; ++i) {
                    list.push_back(i);
                    model.push_back(i);
                }
            };
            BlockList<uint32_t> inserted;
            std::deque<uint32_t> insertedModel;
            filled(inserted, insertedModel);
            inserted.insert(at, 99999);
            insertedModel.insert(insertedModel.begin() + at, 99999);
            ExpectSame(inserted, insertedModel);
            if (at == count) continue;
            BlockList<uint32_t> erased;
            std::deque<uint32_t> erasedModel;
            filled(erased, erasedModel);
            erased.erase(at);
            erasedModel.erase(erasedModel.begin() + at);
            erased.push_back(77777);
            erasedModel.push_back(77777);
            ExpectSame(erased, erasedModel);
        }
    }
}

// A list moved into another (a string list compacted) hands over its items and is left empty,
// and both go on growing.
TEST(BlockListTest, AMovedListHandsOverItsItems) {
    BlockList<uint32_t> from;
    std::deque<uint32_t> expected;
    for (uint32_t n = 0; n < 1500; ++n) {
        from.push_back(n);
        expected.push_back(n);
    }
    BlockList<uint32_t> to;
    to.push_back(1);
    to = std::move(from);
    to.push_back(1500);
    expected.push_back(1500);
    ExpectSame(to, expected);
    EXPECT_TRUE(from.empty());
    from.push_back(7);
    ExpectSame(from, {7});
    BlockList<uint32_t> built(std::move(to));
    ExpectSame(built, expected);
}

}  // namespace
