// morvane-ltx where reading or writing fails for real: files that cannot be read whole, write
// protection as an ordinary user, a file-size limit and too little memory. Each time the tool
// exits 1 with one line on standard error, and the target is byte for byte what it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/objlib/ScratchDir.h"
#include "tests/support/Unprivileged.h"

namespace {

struct Result {
    int exitCode = -1;  // -1: ended by a signal
    std::string err;
};

// Runs the tool; `prepare` runs in the child just before the tool starts (limits, the user).
// `program` is the tool itself or a copy of it that the ordinary user can reach.
Result RunTool(const std::vector<std::string>& args, const std::function<void()>& prepare = {},
               const std::string& program = MORVANE_LTX_PATH) {
    ScratchDir streams;
    const std::string errPath = streams / "stderr";
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "wb", stdout) || !std::freopen(errPath.c_str(), "wb", stderr)) ::_exit(126);
        if (prepare) prepare();
        std::vector<char*> argv{const_cast<char*>("morvane-ltx")};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ScratchDir::ReadFile(errPath)};
}

void BecomeOrdinaryUser() {
    if (!GiveUpRootRights()) ::_exit(125);
}

bool OneLine(const std::string& text) { return !text.empty() && text.find('\n') == text.size() - 1; }

class ToolFailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.Ok());
        ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
        ScratchDir::WriteFile(target, kOld);
    }
    // The tool failed as it should: exit 1, one line naming `name` and `reason`, and the folder
    // holds what it held before with the target unchanged.
    void ExpectFailedCleanly(const Result& r, const std::string& name, const std::string& reason) {
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(OneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        const std::string now = ScratchDir::ReadFile(target);
        EXPECT_TRUE(now == kOld) << "the target changed: now " << now.size() << " bytes";
        EXPECT_EQ(dir.Entries(), entries);
    }

    static constexpr const char* kOld = "[old]\r\nkey = value\r\n";
    ScratchDir dir;
    const std::string target = dir / "target.ltx";
    std::vector<std::string> entries{"target.ltx"};
};

TEST_F(ToolFailureTest, InputThatCannotBeReadWholeWritesNothing) {
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0666), 0);
    ScratchDir::WriteFile(dir / "nul.ltx", std::string("[a]\r\nx = 1\0y = 2\r\n", 17));
    entries = {"fifo", "nul.ltx", "target.ltx"};
    struct Case {
        std::string input;
        const char* reason;
    } cases[] = {{"/dev/zero", "not a regular file"},
                 {dir / "fifo", "not a regular file"},
                 {dir / "missing.ltx", "no such file"},
                 {dir / "nul.ltx", "NUL byte at offset 10"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        ExpectFailedCleanly(RunTool({"save", c.input, "--to", target}), c.input, c.reason);
        ExpectFailedCleanly(RunTool({"rows", c.input}), c.input, c.reason);
    }
    // The file itself is not written over either.
    ExpectFailedCleanly(RunTool({"save", dir / "nul.ltx"}), "nul.ltx", "NUL byte");
    EXPECT_EQ(ScratchDir::ReadFile(dir / "nul.ltx").size(), 17u);
}

TEST_F(ToolFailureTest, PermissionsHoldForAnOrdinaryUser) {
    ScratchDir::WriteFile(dir / "closed.ltx", kOld);
    ASSERT_EQ(::chmod((dir / "closed.ltx").c_str(), 0200), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    ScratchDir::WriteFile(dir / "input.ltx", "[new]\r\n");
    entries = {"closed.ltx", "input.ltx", "target.ltx"};
    const ReachableCopy tool(MORVANE_LTX_PATH);
    ASSERT_FALSE(tool.Path().empty());
    ExpectFailedCleanly(RunTool({"rows", dir / "closed.ltx"}, BecomeOrdinaryUser, tool.Path()), "closed.ltx",
                        "permission denied");
    ExpectFailedCleanly(RunTool({"save", dir / "input.ltx", "--to", target}, BecomeOrdinaryUser, tool.Path()),
                        "target.ltx", "permission denied");
}

TEST_F(ToolFailureTest, ASizeLimitFailsTheSaveWithoutEndingTheTool) {
    ScratchDir::WriteFile(dir / "input.ltx", "[big]\r\n" + std::string(64 * 1024, 'v') + "\r\n");
    entries = {"input.ltx", "target.ltx"};
    const Result r = RunTool({"save", dir / "input.ltx", "--to", target}, [] {
        struct rlimit limit = {4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    ExpectFailedCleanly(r, "target.ltx", "beyond the file size limit");
}

TEST_F(ToolFailureTest, TooLittleMemoryFailsTheSaveCleanly) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
    std::string big;
    for (int i = 0; i < 1000000; ++i) big += "key_" + std::to_string(i) + " = value ; comment\r\n";
    ScratchDir::WriteFile(dir / "input.ltx", big);
    entries = {"input.ltx", "target.ltx"};
    const Result r = RunTool({"save", dir / "input.ltx", "--to", target}, [] {
        struct rlimit limit = {64 << 20, 64 << 20};  // enough to start, not to hold the file's rows
        ::setrlimit(RLIMIT_AS, &limit);
    });
    ExpectFailedCleanly(r, "", "out of memory");
#endif
}

}  // namespace
