#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/BytesBuilder.h"

namespace {

TEST(BytesBuilderTest, TextsBuiltOneAfterAnotherStayWholeAcrossBlocks) {
    BytesBuilder builder;
    std::vector<Bytes> texts;
    std::vector<std::string> expected;
    for (int i = 0; i < 5000; ++i) {
        builder.Start();
        const std::string number = std::to_string(i);
        builder.Append("text ");
        builder.Append(number);
        builder.Append(i % 7 == 0 ? std::string(BytesBuilder::kBlockSize / 3, 'x') : "");
        texts.push_back(builder.Finish());
        expected.push_back("text " + number + (i % 7 == 0 ? std::string(BytesBuilder::kBlockSize / 3, 'x') : ""));
    }
    builder.Start();
    builder.Append(std::string(3 * BytesBuilder::kBlockSize, 'y'));  // larger than a block
    const Bytes large = builder.Finish();
    for (size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(texts[i], expected[i]) << i;
    EXPECT_EQ(large, std::string(3 * BytesBuilder::kBlockSize, 'y'));
    builder.Start();
    EXPECT_TRUE(builder.Finish().empty());
}

TEST(BytesBuilderTest, StartDropsAnUnfinishedText) {
    BytesBuilder builder;
    builder.Start();
    builder.Append("dropped");
    builder.Start();
    builder.Append("kept");
    EXPECT_EQ(builder.Finish(), "kept");
}

TEST(BytesBuilderTest, PiecesOfEveryShortLengthKeepEachByte) {
    // Short pieces are copied by their ends: every length up to past the word-wide copies,
    // each behind a piece that leaves the tail at an odd place.
    BytesBuilder builder;
    for (size_t length = 0; length <= 40; ++length) {
        std::string piece;
        for (size_t i = 0; i < length; ++i) piece += static_cast<char>('a' + i % 26);
        builder.Start();
        builder.Append("<");
        builder.Append(piece);
        builder.Append(">");
        EXPECT_EQ(builder.Finish(), "<" + piece + ">") << length;
    }
}

TEST(BytesBuilderTest, AppendDecimalWritesAnIntegerAsItsText) {
    const int32_t cases[] = {0, 7, -7, 10, 1234567, INT32_MIN, INT32_MAX};
    BytesBuilder builder;
    for (int32_t i : cases) {
        builder.Start();
        builder.Append("#");
        builder.AppendDecimal(i);
        EXPECT_EQ(builder.Finish(), "#" + std::to_string(i));
    }
}

}  // namespace
