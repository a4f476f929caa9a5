// Reading and saving where it can go wrong: files that cannot be read, write protection,
// owners, hard links, read-only folders and a full disk. Permissions are checked as an
// ordinary user (see AsOrdinaryUser), as root would pass most of them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "objlib/FileSystem.h"
#include "tests/objlib/ScratchDir.h"
#include "tests/support/Unprivileged.h"

namespace {

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.Ok());
        ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);  // the ordinary user works in it too
    }
    // As the ordinary user: the save fails for `reason` and leaves the file and folder as they were.
    static bool RefusedAndUntouched(const std::string& path, FileError reason, const ScratchDir& in) {
        const std::vector<std::string> before = in.Entries();
        const std::string old = ScratchDir::ReadFile(path);
        return !WriteWholeFile(path, "new text") && LastFileError() == reason && ScratchDir::ReadFile(path) == old &&
               in.Entries() == before;
    }

    ScratchDir dir;
};

TEST_F(SafeSaveTest, AFileThatCannotBeReadSaysWhy) {
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0777), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0666), 0);
    struct Case {
        std::string path;
        FileError error;
    } cases[] = {{dir / "missing.ltx", FileError::NotFound}, {dir / "missing/a.ltx", FileError::NotFound},
                 {dir / "folder", FileError::IsFolder},      {dir / "fifo", FileError::NotRegular},
                 {"/dev/zero", FileError::NotRegular},       {"", FileError::NoPath}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Bytes content("kept");
        EXPECT_FALSE(ReadWholeFile(c.path, content));
        EXPECT_EQ(LastFileError(), c.error);
        EXPECT_EQ(content.str(), "kept");
    }
    ScratchDir::WriteFile(dir / "a.ltx", "x");
    Bytes content;
    FileStamp stamp, now;
    EXPECT_TRUE(ReadWholeFile(dir / "a.ltx", content, &stamp));
    EXPECT_EQ(LastFileError(), FileError::None);
    ASSERT_TRUE(StampOfFile(dir / "a.ltx", now));
    EXPECT_EQ(stamp, now);
    EXPECT_EQ(stamp.size, 1u);
}

TEST_F(SafeSaveTest, AnOrdinaryUserCannotReadAFileWithoutReadPermission) {
    for (mode_t mode : {0000, 0200}) {
        SCOPED_TRACE(mode);
        const std::string path = dir / "closed.ltx";
        ScratchDir::WriteFile(path, "secret");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        EXPECT_TRUE(AsOrdinaryUser([&] {
            Bytes content;
            return !ReadWholeFile(path, content) && LastFileError() == FileError::NoAccess;
        }));
    }
}

TEST_F(SafeSaveTest, AWriteProtectedFileIsNotReplaced) {
    const std::string path = dir / "protected.ltx";
    ScratchDir::WriteFile(path, "old text");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobodyUser, kNobodyGroup), 0);
    }
    EXPECT_TRUE(AsOrdinaryUser([&] { return RefusedAndUntouched(path, FileError::NoAccess, dir); }));
    EXPECT_EQ(ScratchDir::ReadFile(path), "old text");
}

TEST_F(SafeSaveTest, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    const std::string folder = dir / "locked";
    const std::string path = folder + "/file.ltx";
    ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
    ScratchDir::WriteFile(path, "old text that is longer");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const ino_t inode = StatOf(path).st_ino;
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return WriteWholeFile(path, "new") && LastFileError() == FileError::None &&
               !WriteWholeFile(folder + "/other.ltx", "x") && LastFileError() == FileError::NoAccess;
    }));
    EXPECT_EQ(ScratchDir::ReadFile(path), "new");
    EXPECT_EQ(StatOf(path).st_ino, inode);
    EXPECT_EQ(ScratchDir::Entries(folder), std::vector<std::string>{"file.ltx"});
    ::chmod(folder.c_str(), 0777);
}

TEST_F(SafeSaveTest, ASaveNeverChangesTheOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of another owner can only be set up as root";
    // Root's save of an ordinary user's file hands the new file back to that user.
    const std::string theirs = dir / "theirs.ltx";
    ScratchDir::WriteFile(theirs, "old");
    ASSERT_EQ(::chown(theirs.c_str(), kNobodyUser, kNobodyGroup), 0);
    EXPECT_TRUE(WriteWholeFile(theirs, "new by root"));
    EXPECT_EQ(StatOf(theirs).st_uid, kNobodyUser);
    EXPECT_EQ(StatOf(theirs).st_gid, kNobodyGroup);
    EXPECT_EQ(ScratchDir::ReadFile(theirs), "new by root");

    // An ordinary user's save of root's file, writable by all in a folder writable by all, is
    // written in place: the file stays root's.
    const std::string roots = dir / "roots.ltx";
    ScratchDir::WriteFile(roots, "old");
    ASSERT_EQ(::chmod(roots.c_str(), 0666), 0);
    const ino_t inode = StatOf(roots).st_ino;
    EXPECT_TRUE(AsOrdinaryUser([&] { return WriteWholeFile(roots, "new by nobody"); }));
    EXPECT_EQ(StatOf(roots).st_uid, 0u);
    EXPECT_EQ(StatOf(roots).st_ino, inode);
    EXPECT_EQ(ScratchDir::ReadFile(roots), "new by nobody");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"roots.ltx", "theirs.ltx"}));
}

TEST_F(SafeSaveTest, AFileWithSeveralNamesStaysOneFile) {
    const std::string first = dir / "first.ltx", second = dir / "second.ltx";
    ScratchDir::WriteFile(first, "old text, longer than the new one");
    ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
    EXPECT_TRUE(WriteWholeLines(first, {Bytes("a"), Bytes("b")}, "\r\n"));
    EXPECT_EQ(ScratchDir::ReadFile(second), "a\r\nb\r\n");
    EXPECT_EQ(StatOf(first).st_ino, StatOf(second).st_ino);
    EXPECT_EQ(StatOf(first).st_nlink, 2u);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"first.ltx", "second.ltx"}));
}

TEST_F(SafeSaveTest, AFullDiskLeavesTheOldFile) {
    const std::string volume = dir / "volume";
    ASSERT_EQ(::mkdir(volume.c_str(), 0777), 0);
    SmallFileSystem small(volume, 64);
    if (!small.Mounted()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const std::string path = volume + "/file.ltx", link = volume + "/link.ltx";
    const std::string old(40 * 1024, 'o');
    ScratchDir::WriteFile(path, old);
    struct Case {
        const char* name;
        size_t size;  // the new text: no room for it beside the old one, or none at all
    } cases[] = {{"replacement", 30 * 1024}, {"in place", 70 * 1024}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) == "in place") {
            ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
        }
        const std::vector<std::string> before = ScratchDir::Entries(volume);
        EXPECT_FALSE(WriteWholeFile(path, std::string(c.size, 'n')));
        EXPECT_EQ(LastFileError(), FileError::NoSpace);
        EXPECT_EQ(ScratchDir::ReadFile(path), old);
        EXPECT_EQ(ScratchDir::Entries(volume), before);
    }
}

}  // namespace
