// The file list scheme: names shown for dropped paths, the list file, removing and opening
// the entry named by "FileIndex".
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "LtxTestSupport.h"
#include "runtime/THIGlobalVar.h"
#include "scheme/TClassMultiElementEx_12C4A68.h"

namespace {

struct Recorder {
    std::vector<std::string> log;
    void doShowName(TData& d, uint16_t) { log.push_back(ToString(d).str()); }
    void doClearNames(TData&, uint16_t) { log.push_back("<clear>"); }
    void doOpenFile(TData& d, uint16_t) { log.push_back("open " + ToString(d).str()); }
};

class FileListSchemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(getcwd(oldDir, sizeof oldDir), nullptr);
        ASSERT_EQ(chdir(dir.File("").c_str()), 0);
        ActivateHooks();
        box.SetFactory(&MakeScheme<TClassMultiElementEx_12C4A68>);
        box.SetEventCount(3);
        box.EventPoints[0] = Point<&Recorder::doShowName>(recorder);
        box.EventPoints[1] = Point<&Recorder::doClearNames>(recorder);
        box.EventPoints[2] = Point<&Recorder::doOpenFile>(recorder);
        SetFileIndex(TData{});
    }
    void TearDown() override {
        DeactivateHooks();
        ASSERT_EQ(chdir(oldDir), 0);
    }

    void Call(uint16_t point, const char* text = nullptr) {
        TData d;
        if (text) SetString(d, text);
        box.doWork(d, point);
    }
    void SetFileIndex(const TData& value) {
        THIGlobalVar fileIndex;  // any variable of that name shares the cell
        fileIndex.SetName("fileindex");
        TData d = value;
        fileIndex.doValue(d, 0);
    }
    void SetFileIndex(int32_t i) {
        TData d;
        SetInteger(d, i);
        SetFileIndex(d);
    }
    void Drop(std::initializer_list<const char*> paths) {
        for (const char* p : paths) Call(0, p);
        Call(1);
    }

    TempDir dir;
    char oldDir[4096];
    THIMultiElementEx box{nullptr};
    Recorder recorder;
};

TEST_F(FileListSchemeTest, DroppedPathsAreShownByName) {
    Drop({"C:\\game\\config\\weapons.ltx", "/home/u/mods/items.ltx"});
    Drop({"C:\\game\\config\\weapons.ltx"});
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"<clear>", "weapons", "items", "<clear>", "weapons", "items",
                                                      "weapons"}));
}

TEST_F(FileListSchemeTest, SaveAndLoadGiveTheSameList) {
    Drop({"C:\\a.b\\file", "/x/y.ltx"});
    Call(2);
    EXPECT_EQ(ReadFileBytes("filename.ini"), "C:\\a.b\\file\r\n/x/y.ltx\r\n");
    Call(5);  // clear
    recorder.log.clear();
    Call(3);  // load
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"<clear>", "file", "y"}));
}

TEST_F(FileListSchemeTest, ABlankLineOfTheListFileKeepsNamesAtTheirPaths) {
    WriteFileBytes("filename.ini", "/a.ltx\r\n\r\n/b.ltx\r\n");
    Call(3);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"<clear>", "a", "", "b"}));

    recorder.log.clear();
    SetFileIndex(2);  // the third name, b
    Call(6);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"open /b.ltx"}));
}

TEST_F(FileListSchemeTest, LoadingWithoutAListFileEmptiesTheList) {
    Drop({"/a.ltx"});
    recorder.log.clear();
    Call(3);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"<clear>"}));
}

TEST_F(FileListSchemeTest, RemoveAndOpenActOnFileIndex) {
    Drop({"/a.ltx", "/b.ltx"});
    recorder.log.clear();
    Call(6);  // FileIndex unset: nothing
    Call(4);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"<clear>", "a", "b"}));

    recorder.log.clear();
    SetFileIndex(3);
    Call(6);
    EXPECT_TRUE(recorder.log.empty());

    SetFileIndex(1);
    Call(6);
    SetFileIndex(0);
    Call(4);
    Call(6);  // index 0 now names the entry that followed the removed one
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"open /b.ltx", "<clear>", "b", "open /b.ltx"}));
}

}  // namespace
