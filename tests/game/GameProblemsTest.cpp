// Every kind of problem the game model tells, in the dialect where it arises, with where it
// stands; and the cases where a problem must not be told.
#include <gtest/gtest.h>

#include "tests/game/GameFiles.h"

namespace {

struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;  // the first is given, the rest included
    GameDialect dialect;
    std::vector<std::string> problems;  // "Kind@line", or "Kind@file:line" beyond the first file
};

const std::string kTooLong(4095, 'x');

const Case kCases[] = {
    // Errors.
    {"a repeated section, in another case", {{"main.ltx", "[a]\n[b]\n[A]\n"}}, GameDialect::Base, {"RepeatedSection@3"}},
    {"a file included twice repeats its sections",
     {{"main.ltx", "#include \"p.ltx\"\n#include \"p.ltx\"\n"}, {"p.ltx", "[p]\n"}},
     GameDialect::Base,
     {"RepeatedSection@p.ltx:1"}},
    {"a plain repeat in the overlay dialect", {{"main.ltx", "[a]\n[a]\n![a]\n"}}, GameDialect::Overlay, {"RepeatedSection@2"}},
    {"a missing parent", {{"main.ltx", "[a]:b, nowhere\n[b]\n"}}, GameDialect::Base, {"MissingParent@1", "ParentBelowChild@1"}},
    {"a parent deleted by an overlay", {{"main.ltx", "[p]\n[a]:p\n!![p]\n"}}, GameDialect::Overlay, {"MissingParent@2"}},
    {"a ring of parents", {{"main.ltx", "[a]:b\n[b]:c\n[c]:a\n@[a]\n"}}, GameDialect::Overlay, {"ParentCycle@3"}},
    {"a section its own parent", {{"main.ltx", "[a]:a\n"}}, GameDialect::Base, {"ParentCycle@1"}},
    {"a file including itself", {{"main.ltx", "[a]\n#include \"main.ltx\"\n"}}, GameDialect::Base, {"IncludeCycle@2"}},
    {"a missing include", {{"main.ltx", "[a]\n#include \"gone.ltx\"\n"}}, GameDialect::Base, {"MissingInclude@2"}},
    {"a line too long", {{"main.ltx", "[a]\nk = " + kTooLong + "\n"}}, GameDialect::Base, {"LongLine@2"}},
    {"a parent below its child", {{"main.ltx", "[a]:b\n[b]\n"}}, GameDialect::Base, {"ParentBelowChild@1"}},
    {"a parent in a file included below",
     {{"main.ltx", "[a]:p\n#include \"p.ltx\"\n"}, {"p.ltx", "[p]\n"}},
     GameDialect::Base,
     {"ParentBelowChild@1"}},
    {"a parent still open where its child's file is included",
     {{"main.ltx", "[p]\n#include \"c.ltx\"\n"}, {"c.ltx", "[c]:p\n"}},
     GameDialect::Base,
     {"ParentBelowChild@c.ltx:1"}},
    // Warnings.
    {"a repeated key", {{"main.ltx", "[a]\nk = 1\nj = 1\nk = 2\n"}}, GameDialect::Base, {"RepeatedKey@4"}},
    {"unbalanced quotes", {{"main.ltx", "[a]\nk = \"x\n"}}, GameDialect::Base, {"UnbalancedQuotes@2"}},
    {"a byte-order mark before the first header", {{"main.ltx", "\xEF\xBB\xBF[a]\n[b]\n"}}, GameDialect::Base,
     {"ByteOrderMark@1"}},
    {"a space between ] and :", {{"main.ltx", "[b]\n[a] : b\n"}}, GameDialect::Base, {"SpaceBeforeColon@2"}},
    {"overlays of missing sections", {{"main.ltx", "![a]\nk = 1\n!![b]\n"}}, GameDialect::Overlay,
     {"OverlayOnMissingSection@1", "OverlayOnMissingSection@3"}},
    // Nothing to tell.
    {"a parent in a file included above", {{"main.ltx", "#include \"p.ltx\"\n[a]:p\n"}, {"p.ltx", "[p]\n"}},
     GameDialect::Base, {}},
    {"parents below in the overlay dialect", {{"main.ltx", "[a]:b\n[b]\n@[b]\n"}}, GameDialect::Overlay, {}},
    {"a key given again by an override", {{"main.ltx", "[a]\nk = 1\n![a]\nk = 2\n>k = 3\n>k = 4\n"}},
     GameDialect::Overlay, {}},
    {"keys given twice in two sections", {{"main.ltx", "[a]\nk = 1\n[b]\nk = 2\n"}}, GameDialect::Base, {}},
    {"a missing parent where an include is missing: the file may define it",
     {{"main.ltx", "#include \"gone.ltx\"\n[a]:nowhere\n"}}, GameDialect::Base, {"MissingInclude@1"}},
    {"a missing parent where overlays change sections read elsewhere",
     {{"main.ltx", "![x]\n[a]:nowhere\n"}}, GameDialect::Overlay, {"OverlayOnMissingSection@1"}},
    {"a missing parent in a file included where an include is missing above",
     {{"main.ltx", "#include \"p.ltx\"\n[a]:nowhere\n"}, {"p.ltx", "#include \"gone.ltx\"\n"}},
     GameDialect::Base, {"MissingInclude@p.ltx:1"}},
    {"a missing parent where an include is missing in the overlay dialect, even below",
     {{"main.ltx", "[a]:nowhere\n#include \"gone.ltx\"\n@[a]\n"}}, GameDialect::Overlay, {"MissingInclude@2"}},
    // A missing include below a child's header cannot give it a parent in the base dialect.
    {"a missing parent above the only missing include",
     {{"main.ltx", "[a]:nowhere\n#include \"gone.ltx\"\n"}}, GameDialect::Base,
     {"MissingParent@1", "MissingInclude@2"}},
    {"missing parents on both sides of a missing include",
     {{"main.ltx", "[a]:nowhere\n#include \"gone.ltx\"\n[b]:nowhere\n"}}, GameDialect::Base,
     {"MissingParent@1", "MissingInclude@2"}},
    {"a missing parent above an included file that lacks its include",
     {{"main.ltx", "[a]:nowhere\n#include \"p.ltx\"\n"}, {"p.ltx", "#include \"gone.ltx\"\n"}},
     GameDialect::Base, {"MissingParent@1", "MissingInclude@p.ltx:1"}},
    {"a parent below its child with a missing include between",
     {{"main.ltx", "[a]:p\n#include \"gone.ltx\"\n[p]\n"}}, GameDialect::Base,
     {"ParentBelowChild@1", "MissingInclude@2"}},
};

class GameProblemsTest : public ::testing::TestWithParam<Case> {};

TEST_P(GameProblemsTest, AreToldWhereTheyStand) {
    const Case& c = GetParam();
    GameFiles files;
    for (const auto& [name, text] : c.files) files.Write(name, text);
    const GameModel& model = files.Build({c.files[0].first});
    EXPECT_EQ(model.Dialect(), c.dialect);
    EXPECT_EQ(ProblemWords(model), c.problems);
}

INSTANTIATE_TEST_SUITE_P(Cases, GameProblemsTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return "Case" + std::to_string(info.index); });

TEST(GameProblemsArgumentsTest, NameWhatTheMessagesNeed) {
    GameFiles files{{"main.ltx", "[a]\nk = 1\nk = 2\n[A]:b,c\n[b]\n#include \"sub\\gone.ltx\"\n"}};
    const GameModel& model = files.Build({"main.ltx"});
    ASSERT_EQ(ProblemWords(model),
              (std::vector<std::string>{"RepeatedKey@3", "RepeatedSection@4", "MissingParent@4", "ParentBelowChild@4",
                                        "MissingInclude@6"}));
    const auto problems = model.Problems();
    EXPECT_EQ(problems[0].subject, "k");
    EXPECT_EQ(problems[0].other, "a");
    EXPECT_EQ(problems[0].related, (GameLocation{0, 2}));
    EXPECT_EQ(problems[1].subject, "A");
    EXPECT_EQ(problems[1].related, (GameLocation{0, 1}));
    EXPECT_EQ(problems[2].subject, "a");  // the section as its first header names it
    EXPECT_EQ(problems[2].other, "c");  // the include missing below cannot define it in time
    EXPECT_EQ(problems[3].other, "b");
    EXPECT_EQ(problems[3].related, (GameLocation{0, 5}));
    EXPECT_EQ(problems[4].subject, "sub\\gone.ltx");
    EXPECT_EQ(problems[4].other, files.Path("sub/gone.ltx"));
    EXPECT_FALSE(IsError(GameProblemKind::RepeatedKey));
    EXPECT_TRUE(IsError(GameProblemKind::ParentBelowChild));
    EXPECT_EQ(model.ProblemsIn(0).size(), 5u);
}

TEST(GameProblemsArgumentsTest, AFileReadByTwoLoadsTellsItsProblemsOnce) {
    GameFiles files{{"a.ltx", "#include \"common.ltx\"\n"},
                    {"b.ltx", "#include \"common.ltx\"\n"},
                    {"common.ltx", "[c]:x, y\nk = 1\nk = 2\n"}};
    const GameModel& model = files.Build({"a.ltx", "b.ltx"});
    EXPECT_EQ(model.LoadOf(model.FileOf(files.Path("common.ltx"))), 0);
    EXPECT_EQ(model.FindSection("c", 1), 1);  // the second load's own [c]
    EXPECT_EQ(ProblemWords(model), (std::vector<std::string>{"MissingParent@common.ltx:1", "MissingParent@common.ltx:1",
                                                             "RepeatedKey@common.ltx:3"}));
    EXPECT_EQ(model.Problems()[0].other, "x");
    EXPECT_EQ(model.Problems()[1].other, "y");
}

}  // namespace
