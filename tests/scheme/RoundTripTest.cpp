// Every fixture file is read and written: reading the saved text gives the same rows, and
// saving it again gives the same bytes. The repository's fixtures always run; the real files
// run where they lie beside the checkout.
#include <gtest/gtest.h>

#include "LtxTestSupport.h"
#include "runtime/Dispatch.h"
#include "tests/FixtureFiles.h"

namespace {

class RoundTripTest : public ::testing::TestWithParam<FixtureFile> {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }
};

TEST_P(RoundTripTest, SaveIsStable) {
    if (GetParam().Absent()) GTEST_SKIP() << GetParam().AbsenceNote();
    TempDir dir;
    std::string original = GetParam().Path();
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

INSTANTIATE_TEST_SUITE_P(Repository, RoundTripTest, ::testing::ValuesIn(RepositoryFixtures()), FixtureCaseName);
INSTANTIATE_TEST_SUITE_P(Real, RoundTripTest, ::testing::ValuesIn(RealFiles()), FixtureCaseName);

}  // namespace
