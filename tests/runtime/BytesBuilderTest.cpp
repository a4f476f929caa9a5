#include <gtest/gtest.h>

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

}  // namespace
