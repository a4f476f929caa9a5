// Every real LTX file is read and written: reading the saved text gives the same rows, and
// saving it again gives the same bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "LtxTestSupport.h"
#include "runtime/Dispatch.h"

namespace {

class RealFilesTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }
};

std::vector<std::string> RealFiles() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(MORVANE_FIXTURES_DIR, error))
        if (entry.path().extension() == ".ltx") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_P(RealFilesTest, SaveIsStable) {
    TempDir dir;
    std::string original = std::string(MORVANE_FIXTURES_DIR) + "/" + GetParam();
    std::string first = dir.File("first.ltx"), second = dir.File("second.ltx");

    LtxDocument document;
    ParsedCollector collector;
    document.SetListener(&collector);
    document.Open(Bytes(original));
    ASSERT_FALSE(collector.parsed.rows.empty());
    document.SaveTo(Bytes(first));

    Parsed reread = ParseFile(first);
    EXPECT_EQ(reread.rows, collector.parsed.rows);
    EXPECT_EQ(reread.contents, collector.parsed.contents);

    LtxDocument again;
    again.Open(Bytes(first));
    again.SaveTo(Bytes(second));
    EXPECT_EQ(ReadFileBytes(second), ReadFileBytes(first));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealFilesTest, ::testing::ValuesIn(RealFiles()),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::string out;
                             bool upper = true;
                             for (char c : name) {
                                 if (c == '_') { upper = true; continue; }
                                 out += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
                                 upper = false;
                             }
                             return out;
                         });

}  // namespace
