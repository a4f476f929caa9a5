// Sets of files on disk: includes and where they point, roots and loads, mod overlay files
// beside a root, and a text held in memory in place of its file.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/game/GameFiles.h"

namespace {

std::vector<std::string> SectionNames(const GameModel& model) {
    std::vector<std::string> names;
    for (const GameSection& section : model.Sections()) names.emplace_back(section.name);
    return names;
}

std::string FileName(const GameModel& model, int file) {
    return std::filesystem::path(model.Files()[file].path).filename().string();
}

TEST(GameIncludesTest, AnIncludeNameIsFoundBesideTheIncludingFile) {
    struct Case {
        const char* name;
        std::string include;                      // the line in main.ltx
        std::vector<std::string> files;           // written beside main.ltx
        std::vector<std::string> sections;        // read, in order
    } cases[] = {
        {"in the same folder", "#include \"a.ltx\"", {"a.ltx"}, {"main", "a"}},
        {"backslashes separate folders", "#include \"sub\\a.ltx\"", {"sub/a.ltx"}, {"main", "a"}},
        {"slashes too", "#include \"sub/a.ltx\"", {"sub/a.ltx"}, {"main", "a"}},
        {"a name in another case is tried in lower case", "#include \"SUB\\A.LTX\"", {"sub/a.ltx"}, {"main", "a"}},
        {"the folder above", "#include \"..\\up.ltx\"", {"../up.ltx"}, {"main", "up"}},
        {"a wildcard reads the matches in name order", "#include \"w\\*.ltx\"",
         {"w/b.ltx", "w/a.ltx", "w/C.ltx", "w/skip.txt"}, {"main", "a", "b", "C"}},
        {"a wildcard with ?", "#include \"w\\?.ltx\"", {"w/b.ltx", "w/ab.ltx"}, {"main", "b"}},
        {"an include inside an included file is beside that file", "#include \"sub\\inner_from_sub.ltx\"",
         {"sub/inner_from_sub.ltx", "sub/deeper.ltx"}, {"main", "inner_from_sub", "deeper"}},
        {"no quotes: no include", "#include a.ltx", {"a.ltx"}, {"main"}},
        {"a commented include", ";#include \"a.ltx\"", {"a.ltx"}, {"main"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFiles files{{"root/main.ltx", "[main]\n" + c.include + "\n"}};
        for (const std::string& name : c.files) {
            const std::string stem = std::filesystem::path(name).stem().string();
            const std::string more = stem == "inner_from_sub" ? "#include \"deeper.ltx\"\n" : "";
            files.Write("root/" + name, "[" + stem + "]\n" + more);
        }
        const GameModel& model = files.Build({"root/main.ltx"});
        EXPECT_EQ(SectionNames(model), c.sections);
        EXPECT_TRUE(model.Problems().empty()) << ProblemWords(model).front();
    }
}

TEST(GameIncludesTest, IncludedFilesShareTheNamespaceAndTheOpenSectionGoesOnAfterTheInclude) {
    GameFiles files{{"main.ltx", "[s]\nk = 1\n#include \"part.ltx\"\nj = 2\n[t]:p\n"},
                    {"part.ltx", "before = 0\n[p]\nm = 3\n"}};
    const GameModel& model = files.Build({"main.ltx"});
    EXPECT_TRUE(model.Problems().empty());
    EXPECT_EQ(ValueOf(model, "s", "j"), "2");
    EXPECT_EQ(ValueOf(model, "p", "j"), "(no key)");
    EXPECT_EQ(ValueOf(model, "p", "before"), "(no key)");
    EXPECT_EQ(ValueOf(model, "t", "m"), "3");

    const int main = model.FileOf(files.Path("main.ltx"));
    const GameInclude* include = model.IncludeAt({main, 3});
    ASSERT_NE(include, nullptr);
    EXPECT_EQ(include->name, "part.ltx");
    ASSERT_EQ(include->files.size(), 1u);
    EXPECT_EQ(FileName(model, include->files[0]), "part.ltx");
    EXPECT_EQ(model.IncludeAt({main, 2}), nullptr);
    // The lines after the include still belong to the section above it.
    EXPECT_EQ(model.SectionAt({main, 4}), model.FindSection("s", 0));
}

TEST(GameIncludesTest, GivenFilesThatOthersIncludeAreReadOnlyWhereTheyAreIncluded) {
    GameFiles files{{"a.ltx", "[a]\n#include \"b.ltx\"\n"}, {"b.ltx", "[b]\n"}, {"other.ltx", "[a]\n"}};
    const GameModel& model = files.Build({"b.ltx", "a.ltx", "other.ltx"});
    // b.ltx is part of a.ltx's load; other.ltx is a load of its own, so its [a] is no repeat.
    EXPECT_TRUE(model.Problems().empty()) << ProblemWords(model).front();
    EXPECT_EQ(SectionNames(model), (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_FALSE(model.Files()[model.FileOf(files.Path("b.ltx"))].root);
    EXPECT_EQ(model.LoadOf(model.FileOf(files.Path("b.ltx"))), model.LoadOf(model.FileOf(files.Path("a.ltx"))));
    EXPECT_NE(model.LoadOf(model.FileOf(files.Path("other.ltx"))), model.LoadOf(model.FileOf(files.Path("a.ltx"))));

    // Files that only include each other: the first given one is read as the root.
    GameFiles ring{{"x.ltx", "[x]\n#include \"y.ltx\"\n"}, {"y.ltx", "[y]\n#include \"x.ltx\"\n"}};
    const GameModel& ringModel = ring.Build({"y.ltx", "x.ltx"});
    EXPECT_EQ(SectionNames(ringModel), (std::vector<std::string>{"y", "x"}));
    EXPECT_EQ(ProblemWords(ringModel), std::vector<std::string>{"IncludeCycle@x.ltx:2"});
}

TEST(GameIncludesTest, ModFilesBesideARootAreReadAfterItInNameOrder) {
    GameFiles files{{"system.ltx", "[s]\nk = root\nj = root\n#include \"part.ltx\"\n"},
                    {"part.ltx", "[p]\nk = part\n"},
                    {"mod_system_b.ltx", "![s]\nk = b\n"},
                    {"mod_system_a.ltx", "![s]\nk = a\nj = a\n![p]\nk = a\n"},
                    {"mod_other_c.ltx", "![s]\nk = c\n"},
                    {"Mod_System_Upper.txt", "![s]\nk = txt\n"}};
    const GameModel& model = files.Build({"system.ltx"});
    EXPECT_EQ(model.Dialect(), GameDialect::Overlay);
    EXPECT_EQ(ValueOf(model, "s", "k"), "b");
    EXPECT_EQ(ValueOf(model, "s", "j"), "a");
    EXPECT_EQ(ValueOf(model, "p", "k"), "a");
    std::vector<std::string> overlays;
    for (const GameFile& file : model.Files())
        if (file.overlay) overlays.push_back(std::filesystem::path(file.path).filename().string());
    EXPECT_EQ(overlays, (std::vector<std::string>{"mod_system_a.ltx", "mod_system_b.ltx"}));
    const GameSection& s = model.Sections()[model.FindSection("s", 0)];
    ASSERT_EQ(s.changes.size(), 2u);
    EXPECT_EQ(FileName(model, s.changes[0].file), "mod_system_a.ltx");

    // Given with the rest of the folder, a mod file is still read after its root, once.
    const GameModel& all = files.Build({"mod_system_a.ltx", "mod_system_b.ltx", "mod_other_c.ltx", "part.ltx", "system.ltx"});
    const int systemLoad = all.LoadOf(all.FileOf(files.Path("system.ltx")));
    EXPECT_EQ(ValueOf(all, "s", "k", systemLoad), "b");
    // mod_other_c.ltx has no root here: it is read as a load of its own, without [s].
    const int otherLoad = all.LoadOf(all.FileOf(files.Path("mod_other_c.ltx")));
    EXPECT_NE(otherLoad, systemLoad);
    EXPECT_EQ(all.FindSection("s", otherLoad), -1);
    EXPECT_EQ(ProblemWords(all), std::vector<std::string>{"OverlayOnMissingSection@mod_other_c.ltx:1"});
}

TEST(GameIncludesTest, ATextInMemoryIsReadInPlaceOfItsFileWhereverItIsReached) {
    GameFiles files{{"main.ltx", "[base]\nk = disk\n#include \"open.ltx\"\n"}, {"open.ltx", "[child]:base\n"}};
    GameInput input;
    input.paths = {files.Path("open.ltx"), files.Path("main.ltx")};
    input.texts = {{files.Path("open.ltx"), "[child]:base\nk = edited\n"}};
    GameModel& model = files.Model();
    model.Build(input);
    EXPECT_EQ(ValueOf(model, "child", "k"), "edited");
    EXPECT_EQ(model.LoadOf(model.FileOf(files.Path("open.ltx"))), 0);

    // Built again: the changed text and the changed file are read anew, the rest kept.
    input.texts[0].bytes = "[child]:base\n";
    files.Write("main.ltx", "[base]\nk = changed on disk\n#include \"open.ltx\"\n");
    model.Build(input);
    EXPECT_EQ(ValueOf(model, "child", "k"), "changedondisk");
}

TEST(GameIncludesTest, AGivenFileThatCannotBeReadIsListedWithTheReason) {
    GameFiles files{{"a.ltx", "[a]\n"}};
    const GameModel& model = files.Build({"missing.ltx", "a.ltx"});
    ASSERT_EQ(model.Files().size(), 2u);
    EXPECT_FALSE(model.Files()[0].found);
    EXPECT_EQ(model.Files()[0].error, FileError::NotFound);
    EXPECT_EQ(model.LoadOf(0), -1);
    EXPECT_EQ(SectionNames(model), std::vector<std::string>{"a"});
}

// A chain of files each including the next, long enough to overflow the stack of any walk that
// follows it by recursion (held in memory, so nothing is written): every file is read, in
// order, and each file's section takes the next file's, read above it, as its parent.
TEST(GameIncludesTest, AVeryLongChainOfIncludesIsFollowedToItsEnd) {
    constexpr int kLength = 100000;
    auto path = [](int i) { return "/nonexistent-morvane/f" + std::to_string(i) + ".ltx"; };
    GameInput input;
    input.paths = {path(0)};
    for (int i = 0; i < kLength; ++i) {
        const bool last = i + 1 == kLength;
        const std::string next = std::to_string(i + 1);
        input.texts.push_back({path(i), (last ? "" : "#include \"f" + next + ".ltx\"\n") + "[s" + std::to_string(i) +
                                            "]" + (last ? "\nk = deepest\n" : ":s" + next + "\n")});
    }
    GameModel model;
    model.Build(input);
    ASSERT_EQ(model.Files().size(), static_cast<size_t>(kLength));
    EXPECT_EQ(model.Files().back().path, path(kLength - 1));
    EXPECT_TRUE(model.Problems().empty());
    EXPECT_EQ(ValueOf(model, "s0", "k"), "deepest");
    EXPECT_EQ(model.ParentChain(model.FindSection("s0", 0)).size(), static_cast<size_t>(kLength));
}

}  // namespace
