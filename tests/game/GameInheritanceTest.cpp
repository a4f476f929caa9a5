// What a section holds after inheritance, in both dialects: parents in order, own keys, and
// the overlay dialect's operations on sections, parents, keys and lists.
#include <gtest/gtest.h>

#include "tests/game/GameFiles.h"

namespace {

struct Case {
    const char* name;
    std::string text;
    std::string section, key;
    std::string expected;
};

void ExpectValues(const std::vector<Case>& cases, GameDialect dialect) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameModel model;
        BuildFromText(model, c.text);
        EXPECT_EQ(model.Dialect(), dialect);
        EXPECT_EQ(ValueOf(model, c.section, c.key), c.expected);
    }
}

TEST(GameInheritanceTest, ParentsGiveTheirKeysTheLastParentWinningAndOwnKeysWinOverAll) {
    const std::string parents = "[a]\nk = a\nonly_a = 1\n[b]\nk = b\n[g]\nk = g\ndeep = g\n[p]:g\nk = p\n";
    ExpectValues(
        {
            {"the last parent listed wins", parents + "[c]:a,b", "c", "k", "b"},
            {"in the other order", parents + "[c]:b,a", "c", "k", "a"},
            {"a key only one parent has", parents + "[c]:a,b", "c", "only_a", "1"},
            {"own keys win over every parent", parents + "[c]:a,b\nk = c", "c", "k", "c"},
            {"a parent's parent", parents + "[c]:p", "c", "deep", "g"},
            {"the nearer one wins", parents + "[c]:p", "c", "k", "p"},
            {"a parent named in another case", parents + "[c]:A", "c", "k", "a"},
            {"a repeated own key: the last one", parents + "[c]:a\nk = 1\nk = 2", "c", "k", "2"},
            {"a parent's own keys are untouched", parents + "[c]:a\nk = c", "a", "k", "a"},
        },
        GameDialect::Base);
}

TEST(GameInheritanceTest, EffectiveKeysSayWhereEachComesFrom) {
    GameModel model;
    BuildFromText(model, "[base]\nk = 1\nj = 2\n[child]:base\nj = 3\nown = 4\n");
    const int child = model.FindSection("child", 0), base = model.FindSection("base", 0);
    const std::vector<GameKey> keys = model.EffectiveKeys(child);
    ASSERT_EQ(keys.size(), 3u);
    struct Expected {
        std::string key, value;
        int section, line;
    } expected[] = {{"k", "1", base, 2}, {"j", "3", child, 5}, {"own", "4", child, 6}};
    for (size_t i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(expected[i].key);
        EXPECT_EQ(keys[i].key, expected[i].key);
        EXPECT_EQ(keys[i].value, expected[i].value);
        EXPECT_EQ(keys[i].section, expected[i].section);
        EXPECT_EQ(keys[i].at, (GameLocation{0, expected[i].line}));
    }
}

TEST(GameInheritanceTest, OverlayMarksChangeSectionsParentsKeysAndLists) {
    ExpectValues(
        {
            {"![s] changes a section", "[s]\nk = 1\nj = 1\n![s]\nk = 2", "s", "k", "2"},
            {"and keeps its other keys", "[s]\nk = 1\nj = 1\n![s]\nk = 2", "s", "j", "1"},
            {"![s] of a missing section changes nothing", "![s]\nk = 2", "s", "k", "(no section)"},
            {"@[s] creates", "@[s]\nk = 1", "s", "k", "1"},
            {"@[s] changes", "[s]\nk = 1\nj = 1\n@[s]\nk = 2", "s", "j", "1"},
            {"!![s] deletes", "[s]\nk = 1\n!![s]\nk = 2", "s", "k", "(no section)"},
            {"a section made again after it was deleted", "[s]\nk = 1\n!![s]\n[s]\nj = 2", "s", "k", "(no key)"},
            {"!key deletes an own key", "[s]\nk = 1\n!k", "s", "k", "(no key)"},
            {"!key deletes an inherited key", "[p]\nk = 1\n[s]:p\n!k", "s", "k", "(no key)"},
            {"but not the parent's", "[p]\nk = 1\n[s]:p\n!k", "p", "k", "1"},
            {"a key given again after its deletion", "[s]\nk = 1\n!k\nk = 2", "s", "k", "2"},
            {"!k deletes across overrides", "[s]\nk = 1\n![s]\n!   k", "s", "k", "(no key)"},
            {"[s]:!p removes a parent", "[p]\nk = 1\n[q]\nj = 1\n[s]:p,q\n![s]:!p", "s", "k", "(no key)"},
            {"and keeps the others", "[p]\nk = 1\n[q]\nj = 1\n[s]:p,q\n![s]:!p", "s", "j", "1"},
            {"an override adds a parent", "[p]\nk = 1\n[s]\n![s]:p", "s", "k", "1"},
            {"parents may come later", "[s]:p\n[p]\nk = 1\n![s]\n", "s", "k", "1"},
            {">key appends to a list", "[s]\nk = x, y\n![s]\n>k = a, b", "s", "k", "x,y,a,b"},
            {">key appends to an inherited list", "[p]\nk = x\n[s]:p\n>k = y", "s", "k", "x,y"},
            {"the parent's list stays", "[p]\nk = x\n[s]:p\n>k = y", "p", "k", "x"},
            {">key of a missing key", "[s]\n>k = a", "s", "k", "a"},
            {"<key removes every equal item", "[s]\nk = a,b,a,c\n<k = a", "s", "k", "b,c"},
            {"<key of several items", "[s]\nk = a,b,c\n<k = c, a", "s", "k", "b"},
            {"<key of an inherited list", "[p]\nk = a,b\n[s]:p\n<k = b", "s", "k", "a"},
        },
        GameDialect::Overlay);
}

TEST(GameInheritanceTest, TheBaseDialectReadsOverlayMarksAsPlainBytes) {
    struct Case {
        const char* name;
        std::string text;
        std::string section, key, expected;
    } cases[] = {
        {"!key is a key of that name", "[s]\n!k = 1", "s", "!k", "1"},
        {">key too", "[s]\n>k = a", "s", ">k", "a"},
        {"![s] is a key of the section above", "[t]\n![s]\nk = 1", "t", "![s]", ""},
        {"and its keys belong to that section", "[t]\n![s]\nk = 1", "t", "k", "1"},
        {"!p is a parent of that name", "[s]:!p\nk = 1", "s", "k", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameModel model;
        BuildFromText(model, c.text, GameDialectChoice::Base);
        EXPECT_EQ(model.Dialect(), GameDialect::Base);
        EXPECT_EQ(ValueOf(model, c.section, c.key), c.expected);
    }
    GameModel model;
    BuildFromText(model, "[s]:!p\n", GameDialectChoice::Base);
    EXPECT_EQ(model.Sections()[0].parents.at(0).name, "!p");
}

TEST(GameInheritanceTest, ARingOfParentsIsCutWhereItCloses) {
    GameModel model;
    BuildFromText(model, "[a]:b\nk = a\n[b]:a\nj = b\n", GameDialectChoice::Overlay);
    EXPECT_EQ(ValueOf(model, "a", "j"), "b");
    EXPECT_EQ(ValueOf(model, "b", "k"), "a");
    const std::vector<GameChainStep> chain = model.ParentChain(model.FindSection("a", 0));
    ASSERT_EQ(chain.size(), 3u);
    EXPECT_EQ(chain[2].name, "a");
    EXPECT_TRUE(chain[2].cycle);
}

TEST(GameInheritanceTest, TheParentChainFollowsTheParentsInListedOrder) {
    GameModel model;
    BuildFromText(model, "[g]\n[p]:g\n[q]:g\n[s]:p, missing, q\n", GameDialectChoice::Overlay);
    struct Step {
        std::string name;
        int depth;
        bool defined, shown;
    } expected[] = {{"s", 0, true, false}, {"p", 1, true, false},      {"g", 2, true, false},
                    {"missing", 1, false, false}, {"q", 1, true, false}, {"g", 2, true, true}};
    const std::vector<GameChainStep> chain = model.ParentChain(model.FindSection("s", 0));
    ASSERT_EQ(chain.size(), std::size(expected));
    for (size_t i = 0; i < chain.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chain[i].name, expected[i].name);
        EXPECT_EQ(chain[i].depth, expected[i].depth);
        EXPECT_EQ(chain[i].section >= 0, expected[i].defined);
        EXPECT_EQ(chain[i].shown, expected[i].shown);
        EXPECT_FALSE(chain[i].cycle);
    }
}

// A chain of sections each the parent of the next, long enough to overflow the stack of any
// walk that follows it by recursion: the model reads it, resolves it and answers for its end.
TEST(GameInheritanceTest, AVeryLongChainOfParentsIsFollowedToItsEnd) {
    constexpr int kLength = 100000;
    // "s<i>" names its parent "s<i-1>"; s0 holds the key, and the last section changes nothing.
    auto header = [](int i, int parent) {
        return "[s" + std::to_string(i) + "]" + (parent >= 0 ? ":s" + std::to_string(parent) : "") + "\n";
    };
    struct Case {
        const char* name;
        GameDialectChoice dialect;
        bool reversed;  // children written above their parents
        bool ring;      // s0 names the last section as its parent
    } cases[] = {
        {"base, parents above", GameDialectChoice::Base, false, false},
        {"overlay, parents below", GameDialectChoice::Overlay, true, false},
        {"overlay, a ring through all", GameDialectChoice::Overlay, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines(kLength);
        for (int i = 0; i < kLength; ++i)
            lines[c.reversed ? kLength - 1 - i : i] =
                header(i, i > 0 ? i - 1 : c.ring ? kLength - 1 : -1) + (i == 0 ? "k = root\n" : "");
        std::string text;
        for (const std::string& line : lines) text += line;
        GameModel model;
        BuildFromText(model, text, c.dialect);
        EXPECT_EQ(ProblemWords(model).size(), c.ring ? 1u : 0u);

        const int last = model.FindSection("s" + std::to_string(kLength - 1), 0);
        EXPECT_EQ(ValueOf(model, "s" + std::to_string(kLength - 1), "k"), "root");
        const std::vector<GameChainStep> chain = model.ParentChain(last);
        ASSERT_EQ(chain.size(), static_cast<size_t>(kLength) + (c.ring ? 1 : 0));
        EXPECT_EQ(chain[kLength - 1].name, "s0");
        EXPECT_EQ(chain[kLength - 1].depth, kLength - 1);
        EXPECT_EQ(chain.back().cycle, c.ring);
    }
}

}  // namespace
