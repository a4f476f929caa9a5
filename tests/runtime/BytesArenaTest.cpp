#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/BytesArena.h"

namespace {

TEST(BytesArenaTest, CopiesStayValidAcrossBlocksAndRelease) {
    BytesArena arena;
    std::vector<Bytes> copies;
    for (int i = 0; i < 10000; ++i) copies.push_back(arena.Copy("text " + std::to_string(i)));
    Bytes large = arena.Copy(std::string(BytesArena::kBlockSize, 'x'));
    arena.Release();
    for (int i = 0; i < 10000; ++i) ASSERT_EQ(copies[i], "text " + std::to_string(i));
    EXPECT_EQ(large.size(), BytesArena::kBlockSize);
    EXPECT_TRUE(arena.Copy("").empty());
}

}  // namespace
