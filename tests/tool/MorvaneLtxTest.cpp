// morvane-ltx as its users call it: output bytes, exit codes, --to, refusing bad files, and
// its outputs for every repository fixture against the golden files beside it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/FixtureFiles.h"

namespace {

struct Result {
    int exitCode = -1;
    std::string out, err;
};

class MorvaneLtxTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/morvane-tool-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string File(const std::string& name) const { return dir + "/" + name; }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    Result Run(const std::vector<std::string>& args) {
        std::string outPath = File(".stdout"), errPath = File(".stderr");
        pid_t pid = fork();
        if (pid == 0) {
            freopen(outPath.c_str(), "wb", stdout);
            freopen(errPath.c_str(), "wb", stderr);
            std::vector<char*> argv{const_cast<char*>("morvane-ltx")};
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(MORVANE_LTX_PATH, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        Result result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = Read(outPath);
        result.err = Read(errPath);
        std::filesystem::remove(outPath);
        std::filesystem::remove(errPath);
        return result;
    }

    std::string dir;
};

const std::string kSample = "; head\r\n[one]:base ; c\r\nkey = some value\r\n\r\n#include \"x.ltx\"\r\n";

TEST_F(MorvaneLtxTest, RowsAndContentsPrintWhatTheTablesReceive) {
    Write(File("a.ltx"), kSample);
    Result rows = Run({"rows", File("a.ltx")});
    EXPECT_EQ(rows.exitCode, 0);
    EXPECT_EQ(rows.out,
              "0#15466238\tcom\t\t\t head\n"
              "0#16707055\tsec\t[one]:base\t\t c\n"
              "0#0\tkey\tkey\tsome value\t\n"
              "0#15532017\tnor\t#include \"x.ltx\"\t\t\n");
    Result contents = Run({"contents", File("a.ltx")});
    EXPECT_EQ(contents.exitCode, 0);
    EXPECT_EQ(contents.out, "1+one\n");
}

// The same entries as the window's table of contents, overlay headers marked by their operator.
TEST_F(MorvaneLtxTest, ContentsListOverlayHeadersAsTheWindowDoes) {
    Write(File("mod.ltx"), "[raft]\nk = 1\n  ![raft] ; c\n!![ raft ]\n@[yacht]:raft\n![no end\n!k\n");
    Result contents = Run({"contents", File("mod.ltx")});
    EXPECT_EQ(contents.exitCode, 0);
    EXPECT_EQ(contents.out, "0+raft\n2+!raft\n3+!!raft\n4+@yacht\n");
}

TEST_F(MorvaneLtxTest, SaveWritesOverTheFileOrToAnother) {
    const std::string saved = "; head\r\n\r[one]:base\t; c\r\n\tkey = some value\t;\r\n#include \"x.ltx\"\t;\r\n";
    Write(File("a.ltx"), kSample);
    Result to = Run({"save", File("a.ltx"), "--to", File("b.ltx")});
    EXPECT_EQ(to.exitCode, 0) << to.err;
    EXPECT_EQ(Read(File("b.ltx")), saved);
    EXPECT_EQ(Read(File("a.ltx")), kSample);

    Result over = Run({"save", File("a.ltx")});
    EXPECT_EQ(over.exitCode, 0) << over.err;
    EXPECT_EQ(Read(File("a.ltx")), saved);
}

TEST_F(MorvaneLtxTest, CyrillicFileNamesWork) {
    std::string name = File("\xD0\xBE\xD1\x80\xD1\x83\xD0\xB6\xD0\xB8\xD0\xB5.ltx");  // "оружие" in UTF-8
    Write(name, "k = v\n");
    Result rows = Run({"rows", name});
    EXPECT_EQ(rows.exitCode, 0) << rows.err;
    EXPECT_EQ(rows.out, "0#0\tkey\tk\tv\t\n");
}

TEST_F(MorvaneLtxTest, UsageErrorsExitTwo) {
    std::vector<std::vector<std::string>> calls = {
        {}, {"print", "x"}, {"rows"}, {"save", "x", "--to"}, {"rows", "a", "b"}, {"rows", "--to", "x", "y"},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(testing::PrintToString(call));
        Result result = Run(call);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
    Result help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("morvane-ltx save FILE [--to OUT]"), std::string::npos);
}

TEST_F(MorvaneLtxTest, BadFilesExitOneAndWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    } cases[] = {
        {{"rows", File("missing.ltx")}, "missing.ltx"},
        {{"save", File("missing.ltx"), "--to", File("out.ltx")}, "missing.ltx"},
        {{"contents", dir}, dir},
        {{"save", File("\xE6\x97\xA5.ltx")}, "\xE6\x97\xA5.ltx"},  // not writable in cp1251
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        Result result = Run(c.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(File("out.ltx")));

    Write(File("a.ltx"), kSample);
    Result unwritable = Run({"save", File("a.ltx"), "--to", File("no-such-dir/out.ltx")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("cannot be written"), std::string::npos);
}

// NAME.rows, NAME.contents and NAME.saved hold what rows, contents and save give for NAME.ltx;
// after a deliberate change of the output, make them again with the tool and read the diff.
class MorvaneLtxGoldenTest : public MorvaneLtxTest, public ::testing::WithParamInterface<FixtureFile> {};

TEST_P(MorvaneLtxGoldenTest, OutputsMatchTheGoldenFiles) {
    const std::string input = GetParam().Path(), saved = File("saved.ltx");
    struct Case {
        std::vector<std::string> args;
        std::string written;  // the output file, or empty for standard output
        std::string golden;
    } cases[] = {
        {{"rows", input}, "", GetParam().Stem() + ".rows"},
        {{"contents", input}, "", GetParam().Stem() + ".contents"},
        {{"save", input, "--to", saved}, saved, GetParam().Stem() + ".saved"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        ASSERT_TRUE(std::filesystem::exists(c.golden));
        Result result = Run(c.args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(c.written.empty() ? result.out : Read(c.written), Read(c.golden));
    }
}

INSTANTIATE_TEST_SUITE_P(Repository, MorvaneLtxGoldenTest, ::testing::ValuesIn(RepositoryFixtures()),
                         FixtureCaseName);

// Exactly one line of a file: the lines of the text split at LF.
int LinesThatDiffer(const std::string& a, const std::string& b) {
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            out.push_back(text.substr(start, end - start));
        out.push_back(text.substr(start));
        return out;
    };
    std::vector<std::string> x = lines(a), y = lines(b);
    size_t front = 0;
    while (front < x.size() && front < y.size() && x[front] == y[front]) ++front;
    size_t back = 0;
    while (back + front < x.size() && back + front < y.size() && x[x.size() - 1 - back] == y[y.size() - 1 - back]) ++back;
    return static_cast<int>(std::max(x.size(), y.size()) - front - back);
}

TEST_F(MorvaneLtxTest, GetSetAndDelWorkLineByLine) {
    const std::string text = "; head\r\n[One]:base ; c\r\n  key   = some value ; note\r\n  key   = last\r\n\r\n#include \"x.ltx\"\r\n"
                             "[two]\r\n\tk = 1\r\n";
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        std::string out;
        std::string file;
    } cases[] = {
        {"the last occurrence, the section in any case", {"get", "one", "key"}, 0, "last\n", text},
        {"keys compare exactly", {"get", "one", "KEY"}, 3, "", text},
        {"a missing section", {"get", "three", "k"}, 3, "", text},
        {"a value changed in place", {"set", "ONE", "key", "new, value"}, 0, "",
         "; head\r\n[One]:base ; c\r\n  key   = some value ; note\r\n  key   = new, value\r\n\r\n#include \"x.ltx\"\r\n"
         "[two]\r\n\tk = 1\r\n"},
        {"a key added after the section's last key", {"set", "one", "id", "5"}, 0, "",
         "; head\r\n[One]:base ; c\r\n  key   = some value ; note\r\n  key   = last\r\n  id    = 5\r\n\r\n"
         "#include \"x.ltx\"\r\n[two]\r\n\tk = 1\r\n"},
        {"a section added at the end", {"set", "three", "n", "v"}, 0, "", text + "[three]\r\n\tn = v\r\n"},
        {"a key deleted", {"del", "two", "k"}, 0, "", "; head\r\n[One]:base ; c\r\n  key   = some value ; note\r\n"
                                                       "  key   = last\r\n\r\n#include \"x.ltx\"\r\n[two]\r\n"},
        {"a section deleted", {"del", "one"}, 0, "", "; head\r\n\r\n[two]\r\n\tk = 1\r\n"},
        {"a missing key not deleted", {"del", "two", "x"}, 3, "", text},
        {"a missing section not deleted", {"del", "three"}, 3, "", text},
        {"too few words", {"set", "one", "key"}, 2, "", text},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(File("a.ltx"), text);
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, File("a.ltx"));
        Result result = Run(args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(Read(File("a.ltx")), c.file);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), c.exitCode ? 1 : 0) << result.err;
    }
}

TEST_F(MorvaneLtxTest, WordsAreTakenInTheFilesOwnEncoding) {
    // "[оружие]" and "цена = 1" in UTF-8 and in cp1251.
    const std::string utf8 = "[\xD0\xBE\xD1\x80\xD1\x83\xD0\xB6\xD0\xB8\xD0\xB5]\n\xD1\x86\xD0\xB5\xD0\xBD\xD0\xB0 = 1\n";
    const std::string cp1251 = "[\xEE\xF0\xF3\xE6\xE8\xE5]\n\xF6\xE5\xED\xE0 = 1\n";
    const std::string section = "\xD0\xBE\xD1\x80\xD1\x83\xD0\xB6\xD0\xB8\xD0\xB5", key = "\xD1\x86\xD0\xB5\xD0\xBD\xD0\xB0";
    const std::string two = "\xD0\xB4\xD0\xB2\xD0\xB0", check = "\xE2\x9C\x93";  // "два", a check mark
    struct Case {
        const char* name;
        std::string text;
        std::string value;
        int exitCode;
        std::string file;
    } cases[] = {
        {"UTF-8: as given", utf8, two, 0, utf8.substr(0, utf8.size() - 2) + two + "\n"},
        {"UTF-8: any character", utf8, check, 0, utf8.substr(0, utf8.size() - 2) + check + "\n"},
        {"cp1251: converted", cp1251, two, 0, cp1251.substr(0, cp1251.size() - 2) + "\xE4\xE2\xE0\n"},
        {"cp1251: a character it cannot hold", cp1251, check, 2, cp1251},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(File("a.ltx"), c.text);
        Result set = Run({"set", File("a.ltx"), section, key, c.value});
        EXPECT_EQ(set.exitCode, c.exitCode) << set.err;
        EXPECT_EQ(Read(File("a.ltx")), c.file);
        if (c.exitCode == 0) {
            EXPECT_EQ(Run({"get", File("a.ltx"), section, key}).out, c.file.substr(c.file.find("= ") + 2));
        }
    }
}

TEST_F(MorvaneLtxTest, DoubleDashEndsTheOptions) {
    Write(File("-x.ltx"), "a = 1\n");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir);  // a relative name is what starts with "-"
    EXPECT_EQ(Run({"get", "-x.ltx", "s", "a"}).exitCode, 2);
    Result set = Run({"set", "--", "-x.ltx", "s", "a", "-2"});
    EXPECT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(Read(File("-x.ltx")), "a = 1\n[s]\na = -2\n");
    Result save = Run({"save", "--keep-lines", "--to", "out.ltx", "--", "-x.ltx"});
    EXPECT_EQ(save.exitCode, 0) << save.err;
    EXPECT_EQ(Read(File("out.ltx")), Read(File("-x.ltx")));
    std::filesystem::current_path(before);
}

TEST_F(MorvaneLtxTest, EditsOfUnreadableFilesExitOneAndWriteNothing) {
    Write(File("nul.ltx"), std::string("[s]\na = 1\0\n", 11));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"set", File("missing.ltx"), "s", "a", "2"}, {"del", File("nul.ltx"), "s"},
          {"get", File("nul.ltx"), "s", "a"}}) {
        SCOPED_TRACE(args[0]);
        Result result = Run(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(File("missing.ltx")));
    EXPECT_EQ(Read(File("nul.ltx")), std::string("[s]\na = 1\0\n", 11));
}

TEST_F(MorvaneLtxTest, RealFilesKeepTheirBytesAndChangeOneLineOnSet) {
    std::error_code error;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(MORVANE_REAL_FIXTURES_DIR, error)) {
        if (entry.path().extension() != ".ltx") continue;
        ++files;
        const std::string original = entry.path().string();
        SCOPED_TRACE(original);
        Result save = Run({"save", original, "--keep-lines", "--to", File("kept.ltx")});
        ASSERT_EQ(save.exitCode, 0) << save.err;
        EXPECT_TRUE(Read(File("kept.ltx")) == Read(original));

        // The first key of the first section gets a new value (overlay headers, listed marked
        // "+!", "+@" or "+!!", are no sections of their own to set).
        Result contents = Run({"contents", original});
        std::string section;
        for (size_t at = 0, end; section.empty() && at < contents.out.size(); at = end + 1) {
            end = contents.out.find('\n', at);
            const std::string entry = contents.out.substr(at, end - at);
            const std::string name = entry.substr(entry.find('+') + 1);
            if (!name.empty() && name[0] != '!' && name[0] != '@') section = name;
        }
        if (section.empty()) continue;
        Result set = Run({"set", File("kept.ltx"), section, "morvane_probe", "42"});
        ASSERT_EQ(set.exitCode, 0) << set.err;
        EXPECT_EQ(LinesThatDiffer(Read(original), Read(File("kept.ltx"))), 1);
        Result get = Run({"get", File("kept.ltx"), section, "morvane_probe"});
        EXPECT_EQ(get.out, "42\n");
    }
    if (files == 0) GTEST_SKIP() << "no real fixtures in " << MORVANE_REAL_FIXTURES_DIR;
}

}  // namespace
