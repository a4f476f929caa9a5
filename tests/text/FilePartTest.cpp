// Splitting file paths into folder, name and extension.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/text/THIFilePart.h"

namespace {

// Records each raised part in order.
struct PartLog {
    std::vector<std::string> parts;
    void doPath(TData& d, uint16_t) { parts.push_back("path:" + ToString(d).str()); }
    void doName(TData& d, uint16_t) { parts.push_back("name:" + ToString(d).str()); }
    void doExt(TData& d, uint16_t) { parts.push_back("ext:" + ToString(d).str()); }
};

class FilePartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ActivateHooks();
        part.onPath = Point<&PartLog::doPath>(log);
        part.onName = Point<&PartLog::doName>(log);
        part.onExt = Point<&PartLog::doExt>(log);
    }
    void TearDown() override { DeactivateHooks(); }

    std::vector<std::string> Split(const char* path) {
        log.parts.clear();
        TData d;
        SetString(d, path);
        CallEvent(Point<&THIFilePart::doPart>(part), d);
        return log.parts;
    }

    THIFilePart part;
    PartLog log;
};

TEST_F(FilePartTest, SplitsPathsAsTheFileListNeedsThem) {
    struct Case {
        const char* path;
        uint8_t withExt, dropDot;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"C:\\data\\list.ini", 0, 1, {"path:C:\\data\\", "name:list", "ext:ini"}},
        {"C:\\data\\list.ini", 1, 0, {"path:C:\\data\\", "name:list.ini", "ext:.ini"}},
        {"readme", 0, 1, {"path:", "name:readme", "ext:"}},
        {"C:\\a.b\\file", 0, 1, {"path:C:\\a.b\\", "name:file", "ext:b\\file"}},
        {"/home/u/x.ltx", 0, 1, {"path:/home/u/", "name:x", "ext:ltx"}},
        {"/home/u.d/file", 0, 1, {"path:/home/u.d/", "name:file", "ext:d/file"}},
        {"C:file.tar.gz", 0, 0, {"path:C:", "name:file.tar", "ext:.gz"}},
        {"/home/u/\xF1\xEF\xE8\xF1\xEE\xEA.ltx", 0, 1, {"path:/home/u/", "name:\xF1\xEF\xE8\xF1\xEE\xEA", "ext:ltx"}},
        {"dir/", 0, 1, {"path:dir/", "name:", "ext:"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        part.WithExt = c.withExt;
        part.DropDot = c.dropDot;
        EXPECT_EQ(Split(c.path), c.parts);
    }
}

TEST_F(FilePartTest, EmptyPathRaisesNothing) { EXPECT_TRUE(Split("").empty()); }

// What follows the name in the record's chain.
struct ChainLog {
    std::vector<std::string> behind;
    void doName(TData& d, uint16_t) { behind.push_back(d.Next ? ToString(*d.Next).str() : "-"); }
};

TEST_F(FilePartTest, PathBehindNameChainsTheWholePathBehindTheName) {
    ChainLog chain;
    part.onName = Point<&ChainLog::doName>(chain);
    part.WithExt = 0;
    Split("/home/u/x.ltx");
    part.PathBehindName = 1;
    Split("/home/u/x.ltx");
    EXPECT_EQ(chain.behind, (std::vector<std::string>{"-", "/home/u/x.ltx"}));
}

}  // namespace
