// Whole-file loading and saving: what a load leaves on failure, and that a save replaces the
// file in one step, keeps its mode and links, and on failure leaves it untouched.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "objlib/FileHandover.h"
#include "objlib/FileSystem.h"
#include "objlib/TStrList.h"
#include "tests/objlib/ScratchDir.h"

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.Ok()); }

    std::vector<std::string> Lines(const TStrList& list) {
        std::vector<std::string> lines;
        for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i).str());
        return lines;
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    ScratchDir dir;
};

TEST_F(FileSystemTest, LoadReadsTheWholeFile) {
    ScratchDir::WriteFile(dir / "lf.ltx", "[a]\nkey = 1\n\n; end\n");
    TStrList list;
    list.LoadFromFile(Bytes(dir / "lf.ltx"));
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"[a]", "key = 1", "", "; end"}));

    ScratchDir::WriteFile(dir / "empty.ltx", "");
    list.LoadFromFile(Bytes(dir / "empty.ltx"));
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(FileSystemTest, LoadThatCannotReadKeepsTheLines) {
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0777), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0666), 0);  // opening must not wait for a writer
    for (const char* name : {"missing.ltx", "folder", "fifo", ""}) {
        SCOPED_TRACE(name);
        TStrList list;
        list.Add("kept");
        list.LoadFromFile(Bytes(*name ? dir / name : ""));
        EXPECT_EQ(Lines(list), std::vector<std::string>{"kept"});
    }
}

TEST_F(FileSystemTest, PathTests) {
    ScratchDir::WriteFile(dir / "file", "x");
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0777), 0);
    ASSERT_EQ(::symlink("nowhere", (dir / "dangling").c_str()), 0);
    EXPECT_TRUE(PathExists(dir / "file"));
    EXPECT_FALSE(IsDirectory(dir / "file"));
    EXPECT_TRUE(PathExists(dir / "folder"));
    EXPECT_TRUE(IsDirectory(dir / "folder"));
    EXPECT_FALSE(PathExists(dir / "missing"));
    EXPECT_FALSE(PathExists(dir / "dangling"));
    EXPECT_FALSE(PathExists(""));
}

TEST_F(FileSystemTest, Cp1251PathsNameUtf8Files) {
    const std::string cp1251Name = "\xF1\xEF\xE8\xF1\xEE\xEA.ltx";  // "список.ltx"
    const std::string utf8Name = "список.ltx";
    EXPECT_EQ(NativePath(cp1251Name), utf8Name);

    TStrList list;
    list.Add("\xEA\xEB\xFE\xF7");
    list.SaveToFile(Bytes(dir / cp1251Name));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{utf8Name});
    EXPECT_EQ(ScratchDir::ReadFile(dir / utf8Name), "\xEA\xEB\xFE\xF7\r\n");
    EXPECT_TRUE(PathExists(dir / cp1251Name));

    TStrList loaded;
    loaded.LoadFromFile(Bytes(dir / cp1251Name));
    EXPECT_EQ(Lines(loaded), Lines(list));
}

TEST_F(FileSystemTest, SaveOverALongerFileLeavesNoOldBytes) {
    ScratchDir::WriteFile(dir / "list.ini", std::string(5000, 'o'));
    TStrList list;
    list.SetText("a\nb", false);
    list.SaveToFile(Bytes(dir / "list.ini"));
    EXPECT_EQ(ScratchDir::ReadFile(dir / "list.ini"), "a\r\nb\r\n");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"list.ini"});

    list.Clear();
    list.SaveToFile(Bytes(dir / "list.ini"));
    EXPECT_EQ(ScratchDir::ReadFile(dir / "list.ini"), "");
}

TEST_F(FileSystemTest, SaveKeepsThePermissionBits) {
    for (mode_t mode : {0600, 0640, 0755, 0444}) {
        SCOPED_TRACE(mode);
        const std::string path = dir / "kept.ltx";
        ScratchDir::WriteFile(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        if (mode == 0444 && ::geteuid() != 0) continue;  // refused: see the ordinary user's tests
        EXPECT_TRUE(WriteWholeFile(path, "new"));
        EXPECT_EQ(ModeOf(path), mode);
        EXPECT_EQ(ScratchDir::ReadFile(path), "new");
        ::unlink(path.c_str());
    }
}

TEST_F(FileSystemTest, NewFileGetsTheModeOfTheUmask) {
    const mode_t mask = ::umask(027);
    const bool written = WriteWholeFile(dir / "new.ltx", "x");
    ::umask(mask);
    EXPECT_TRUE(written);
    EXPECT_EQ(ModeOf(dir / "new.ltx"), 0640u);
}

TEST_F(FileSystemTest, SaveThroughASymbolicLinkKeepsTheLink) {
    ASSERT_EQ(::mkdir((dir / "real").c_str(), 0777), 0);
    ScratchDir::WriteFile(dir / "real/target.ltx", "old old old");
    struct Case {
        const char* link;
        std::string pointsTo;
        std::string file;
    };
    const Case cases[] = {
        {"absolute", dir / "real/target.ltx", dir / "real/target.ltx"},
        {"relative", "real/target.ltx", dir / "real/target.ltx"},
        {"chain", "relative", dir / "real/target.ltx"},
        {"dangling", "real/created.ltx", dir / "real/created.ltx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        ASSERT_EQ(::symlink(c.pointsTo.c_str(), (dir / c.link).c_str()), 0);
        const std::string text = std::string("via ") + c.link;
        EXPECT_TRUE(WriteWholeFile(dir / c.link, text));
        struct stat st;
        ASSERT_EQ(::lstat((dir / c.link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        EXPECT_EQ(ScratchDir::ReadFile(c.file), text);
    }
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"absolute", "chain", "dangling", "real", "relative"}));
}

TEST_F(FileSystemTest, SaveThatCannotStartChangesNothing) {
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0777), 0);
    ScratchDir::WriteFile(dir / "folder/inside", "x");
    ASSERT_EQ(::symlink("loop", (dir / "loop").c_str()), 0);
    for (const char* name : {"missing/list.ini", "folder", "loop"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(WriteWholeFile(dir / name, "text"));
    }
    EXPECT_FALSE(WriteWholeFile("", "text"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"folder", "loop"}));
    EXPECT_EQ(ScratchDir::ReadFile(dir / "folder/inside"), "x");
}

// Runs `save` in a child process whose files may not grow beyond `limit` bytes; the child's
// exit code is 0 when `save` answered false. The write must fail rather than the process die
// of SIGXFSZ, which the child leaves as it is.
int ExitCodeOfSaveUnderSizeLimit(rlim_t limit, const std::function<bool()>& save) {
    pid_t child = ::fork();
    if (child == 0) {
        struct rlimit rl = {limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) ::_exit(2);
        ::_exit(save() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST_F(FileSystemTest, SaveBeyondTheSizeLimitLeavesTheOldFile) {
    const std::string path = dir / "list.ini";
    const std::string old = "old line 1\r\nold line 2\r\n";
    const std::string big(64 * 1024, 'n');
    struct Case {
        const char* name;
        std::function<bool()> save;
    };
    const Case cases[] = {
        {"WriteWholeFile", [&] { return WriteWholeFile(path, big); }},
        {"SaveToFile",
         [&] {
             TStrList list;
             list.SetText(big, false);
             list.SaveToFile(Bytes(path));
             return false;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir::WriteFile(path, old);
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
        EXPECT_EQ(ExitCodeOfSaveUnderSizeLimit(4096, c.save), 0);
        EXPECT_EQ(ScratchDir::ReadFile(path), old);
        EXPECT_EQ(ModeOf(path), 0640u);
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"list.ini"});
    }
    // Within the limit the same save goes through.
    EXPECT_EQ(ExitCodeOfSaveUnderSizeLimit(1 << 20, [&] { return WriteWholeFile(path, big); }), 1);
    EXPECT_EQ(ScratchDir::ReadFile(path), big);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"list.ini"});
}

// An open checks a file and then its parser loads it: the load takes the checked bytes, once,
// even when the file changed in between, and every other read reads the disk.
TEST_F(FileSystemTest, AHandedOverFileIsTakenByItsNextReadOnly) {
    const std::string path = dir / "open.ltx";
    const std::string other = dir / "other.ltx";
    ScratchDir::WriteFile(path, "checked\r\n");
    ScratchDir::WriteFile(other, "other");
    Bytes checked;
    FileStamp stamp;
    ASSERT_TRUE(ReadWholeFile(path, checked, &stamp));
    {
        const FileHandover handover(path, checked, stamp);
        ScratchDir::WriteFile(path, "written since\r\n");
        Bytes content;
        ASSERT_TRUE(ReadWholeFile(other, content));
        EXPECT_EQ(content.str(), "other");
        TStrList list;
        list.LoadFromFile(Bytes(path));
        EXPECT_EQ(Lines(list), std::vector<std::string>{"checked"});
        FileStamp taken;
        ASSERT_TRUE(ReadWholeFile(path, content, &taken));
        EXPECT_EQ(content.str(), "written since\r\n");
        EXPECT_NE(taken, stamp);
    }
    {
        const FileHandover untaken(path, checked, stamp);
    }
    Bytes content;
    FileStamp now;
    ASSERT_TRUE(ReadWholeFile(path, content, &now));
    EXPECT_EQ(content.str(), "written since\r\n");
    {
        const FileHandover handover(path, checked, stamp);
        FileStamp taken;
        ASSERT_TRUE(ReadWholeFile(path, content, &taken));
        EXPECT_EQ(content.str(), "checked\r\n");
        EXPECT_EQ(taken, stamp);
    }
}

}  // namespace
