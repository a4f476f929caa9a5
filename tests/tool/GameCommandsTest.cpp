// morvane-ltx check, get --effective and tree as their users call them: the lines printed,
// the exit codes, folders, unreadable input, and what check says of the real files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/FixtureFiles.h"
#include "tests/objlib/ScratchDir.h"
#include "tests/support/Unprivileged.h"

namespace {

struct Result {
    int exitCode = -1;
    std::string out, err;
};

// Runs the tool (or a copy of it) with the arguments; `prepare` runs in the child first.
Result RunTool(const std::vector<std::string>& args, const std::function<void()>& prepare = {},
               const std::string& program = MORVANE_LTX_PATH) {
    ScratchDir streams;
    const std::string outPath = streams / "stdout", errPath = streams / "stderr";
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen(outPath.c_str(), "wb", stdout) || !std::freopen(errPath.c_str(), "wb", stderr)) ::_exit(126);
        if (prepare) prepare();
        std::vector<char*> argv{const_cast<char*>("morvane-ltx")};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ScratchDir::ReadFile(outPath), ScratchDir::ReadFile(errPath)};
}

class GameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.Ok()); }
    std::string Write(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
        ScratchDir::WriteFile(dir / name, text);
        return dir / name;
    }
    ScratchDir dir;
};

TEST_F(GameCommandsTest, CheckPrintsOneLinePerProblemAndExitsOneOnAnError) {
    struct Case {
        const char* name;
        std::string text;
        int exitCode;
        std::vector<std::string> lines;  // after "PATH:"
    } cases[] = {
        {"nothing to tell", "[base]\nk = 1\n[child]:base\n", 0, {}},
        {"warnings only", "[a]\nk = 1\nk = 2\n[b] : a\n", 0,
         {"3: warning: key 'k' is given again in section 'a' (first at line 2); the last one counts",
          "4: warning: space between ']' and ':': the game reads no parents of section 'b' ('a' is ignored)"}},
        {"errors", "[a]:b, c\n[b]\n[A]\n", 1,
         {"1: error: section 'a' inherits from 'c', which is not defined",
          "1: error: section 'a' inherits from 'b', which is defined below it (line 2); the game takes parents only "
          "from above",
          "3: error: section 'A' is defined again (first at line 1); the game stops at load"}},
        {"a cycle and overlays", "[a]:b\n[b]:a\n![gone]\n!![gone]\n", 1,
         {"2: error: section 'b' inherits from itself: a -> b -> a",
          "3: warning: '![gone]' changes a section that does not exist",
          "4: warning: '!![gone]' deletes a section that does not exist"}},
        {"lines, quotes and marks", "\xEF\xBB\xBF[a]\n[b]\nk = " + std::string(4095, 'x') + "\nq = \"open\n", 1,
         {"1: warning: UTF-8 byte-order mark before the header: the game drops section 'a'",
          "3: error: line of 4099 bytes; the game stops at lines of 4095 bytes or more",
          "4: warning: the double quotes of 'q' do not balance: its value runs on to the end of the file"}},
        {"cp1251 names are shown in UTF-8", "[\xEE\xF0\xF3\xE6\xE8\xE5]:\xED\xE5\xF2\n", 1,
         {"1: error: section '\xD0\xBE\xD1\x80\xD1\x83\xD0\xB6\xD0\xB8\xD0\xB5' inherits from "
          "'\xD0\xBD\xD0\xB5\xD1\x82', which is not defined"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Write("a.ltx", c.text);
        const Result result = RunTool({"check", path});
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        std::string expected;
        for (const std::string& line : c.lines) expected += path + ":" + line + "\n";
        EXPECT_EQ(result.out, expected);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(GameCommandsTest, CheckFollowsIncludesAndReadsFoldersWhole) {
    Write("cfg/system.ltx", "#include \"items\\items.ltx\"\n#include \"gone.ltx\"\n[wpn]:item\n");
    Write("cfg/items/items.ltx", "[item]\ncost = 1\ncost = 2\n");
    Write("cfg/items/UNUSED.LTX", "[alone]:nowhere\n");
    Write("cfg/readme.txt", "[not]:read\n");
    const std::string cfg = dir / "cfg";
    const Result result = RunTool({"check", cfg});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out,
              cfg + "/items/items.ltx:3: warning: key 'cost' is given again in section 'item' (first at line 2); "
                    "the last one counts\n" +
                  cfg + "/items/UNUSED.LTX:1: error: section 'alone' inherits from 'nowhere', which is not defined\n" +
                  cfg + "/system.ltx:2: error: #include \"gone.ltx\": no file '" + cfg + "/gone.ltx'\n");

    // The same files given one by one, the included one first: it is still read in its place.
    const Result files = RunTool({"check", cfg + "/items/items.ltx", cfg + "/system.ltx"});
    EXPECT_EQ(files.exitCode, 1);
    EXPECT_EQ(files.out, cfg + "/items/items.ltx:3: warning: key 'cost' is given again in section 'item' (first at "
                               "line 2); the last one counts\n" +
                             cfg + "/system.ltx:2: error: #include \"gone.ltx\": no file '" + cfg + "/gone.ltx'\n");
}

TEST_F(GameCommandsTest, GetEffectiveAndTreeResolveThroughIncludesAndParents) {
    const std::string main = Write("main.ltx", "#include \"base.ltx\"\n[wpn]:weapon, sounds\nammo = 5\n");
    Write("base.ltx", "[item]\ncost = 10\n[weapon]:item\nammo = 1\nsnd = none\n[sounds]\nsnd = click, bang\n");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"get", "--effective", main, "wpn", "ammo"}, 0, "5\n", main + ":3: from section 'wpn'\n"},
        {{"get", "--effective", main, "WPN", "snd"}, 0, "click,bang\n", dir / "base.ltx:7: from section 'sounds'\n"},
        {{"get", "--effective", main, "wpn", "cost"}, 0, "10\n", dir / "base.ltx:2: from section 'item'\n"},
        {{"get", "--effective", main, "wpn", "none"}, 3, "",
         "morvane-ltx: '" + main + "': no key 'none' in section 'wpn' or its parents\n"},
        {{"get", "--effective", main, "gun", "ammo"}, 3, "", "morvane-ltx: '" + main + "': no section 'gun'\n"},
        {{"tree", main, "wpn"}, 0,
         "wpn  " + main + ":2\n  weapon  " + (dir / "base.ltx:3\n") + "    item  " + (dir / "base.ltx:1\n") +
             "  sounds  " + (dir / "base.ltx:6\n"),
         ""},
        {{"tree", main, "gun"}, 3, "", "morvane-ltx: '" + main + "': no section 'gun'\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result result = RunTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST_F(GameCommandsTest, TreeMarksMissingParentsAndCycles) {
    const std::string path = Write("a.ltx", "[a]:b, gone\n[b]:a\n@[a]\n");
    const Result result = RunTool({"tree", path, "a"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "a  " + path + ":1\n  b  " + path + ":2\n    a  " + path + ":1 (a cycle: not followed)\n" +
                              "  gone  (not defined)\n");
}

TEST_F(GameCommandsTest, UsageErrorsExitTwo) {
    const std::string path = Write("a.ltx", "[a]\nk = 1\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"check"}, {"tree", path}, {"tree", path, "a", "b"}, {"get", "--effective", path, "a"},
             {"set", "--effective", path, "a", "k", "2"}, {"check", "--effective", path}}) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Result result = RunTool(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
    const Result help = RunTool({"--help"});
    EXPECT_NE(help.out.find("morvane-ltx check PATH..."), std::string::npos);
    EXPECT_NE(help.out.find("morvane-ltx get --effective FILE SECTION KEY"), std::string::npos);
    EXPECT_NE(help.out.find("morvane-ltx tree FILE SECTION"), std::string::npos);
}

TEST_F(GameCommandsTest, UnreadableInputExitsOneWithOneLineAndPrintsNoProblem) {
    const std::string good = Write("good.ltx", "[a]:gone\n");
    const std::string locked = Write("locked.ltx", "[a]\n");
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0200), 0);
    const ReachableCopy tool(MORVANE_LTX_PATH);
    ASSERT_FALSE(tool.Path().empty());
    struct Case {
        std::vector<std::string> args;
        std::string reason;
        bool ordinaryUser;
    } cases[] = {
        {{"check", good, dir / "missing.ltx"}, "missing.ltx': cannot be read: ", false},
        {{"tree", dir / "missing.ltx", "a"}, "missing.ltx': cannot be read: ", false},
        {{"get", "--effective", dir / "missing.ltx", "a", "k"}, "missing.ltx': cannot be read: ", false},
        {{"check", good, locked}, "locked.ltx': cannot be read: permission denied", true},
        {{"check", "\xE6\x97\xA5.ltx"}, "the name cannot be written in code page 1251", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Result result = c.ordinaryUser ? RunTool(c.args, [] { if (!GiveUpRootRights()) ::_exit(125); }, tool.Path())
                                             : RunTool(c.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

// What check tells of each real file, by kind of problem; every error is one the game meets
// reading that file as its configuration (see the comments).
TEST(GameCommandsRealFilesTest, CheckTellsOnlyWhatTheGameMeets) {
    if (RealFile("weapons_includes.ltx").Absent()) GTEST_SKIP() << RealFile("weapons_includes.ltx").AbsenceNote();
    const std::map<std::string, std::map<std::string, int>> expected = {
        // Parents defined in the mod's other files, which the game reads first; read alone,
        // the game stops at each of these headers.
        {"anim_utf8_bom.ltx", {{"error: section X inherits from X, which is not defined", 11}, {"warning: BOM", 1}}},
        {"creature_lf_cp1251.ltx", {{"error: section X inherits from X, which is not defined", 1}, {"warning: key", 1}}},
        {"damages_parents.ltx", {{"warning: key", 1}}},
        {"dialog_manager_lf.ltx", {}},
        {"fsgame_cr_only.ltx", {}},
        {"gulag_mixed_ends.ltx", {}},
        // A patch over sections of files that are not beside it.
        {"patch_syntax.ltx", {{"warning: overlay", 20}}},
        {"scene_logic_lf.ltx", {}},
        {"smart_mixed_ends.ltx", {}},
        // The game knows no "<<END" values: the headers inside them are headers to it.
        {"spawn_dump_large.ltx", {{"error: section X is defined again (first at line N); the game stops at load", 713},
                                  {"warning: key", 1}}},
        // The included files are not beside these.
        {"system_cp1251.ltx", {{"error: #include Y: no file X", 47}}},
        {"upgrade_info_long_lines.ltx", {{"warning: key", 19}}},
        {"weapons_includes.ltx", {{"error: #include Y: no file X", 72}, {"warning: key", 3}}},
        // The weapons these inherit from are defined in the game's weapon files.
        {"weapons_mp_indented.ltx", {{"error: section X inherits from X, which is not defined", 43}}},
        {"weather_clear.ltx", {}},
    };
    // Each line reduced to its severity and the shape of its message.
    auto shape = [](std::string line) {
        line = std::regex_replace(line, std::regex("^[^:]*:[0-9]+: "), "");
        if (line.starts_with("warning: key")) return std::string("warning: key");
        if (line.starts_with("warning: the file starts with")) return std::string("warning: BOM");
        if (line.starts_with("warning: '![")) return std::string("warning: overlay");
        line = std::regex_replace(line, std::regex("'[^']*'"), "X");
        line = std::regex_replace(line, std::regex("\"[^\"]*\""), "Y");
        return std::regex_replace(line, std::regex("line [0-9]+"), "line N");
    };
    for (const auto& [name, kinds] : expected) {
        SCOPED_TRACE(name);
        const Result result = RunTool({"check", RealFile(name).Path()});
        std::map<std::string, int> found;
        std::istringstream lines(result.out);
        for (std::string line; std::getline(lines, line);) ++found[shape(line)];
        EXPECT_EQ(found, kinds);
        const bool errors = std::any_of(kinds.begin(), kinds.end(), [](const auto& k) { return k.first.starts_with("error"); });
        EXPECT_EQ(result.exitCode, errors ? 1 : 0) << result.err;
    }
}

}  // namespace
