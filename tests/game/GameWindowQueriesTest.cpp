// What the window asks of the game model: the open file's rows handed over as text, the
// section of a row, the headers with their overlay marks, and problems found on rows.
#include <gtest/gtest.h>

#include "game/GameRowsText.h"
#include "tests/game/GameFiles.h"
#include "tools/LtxDocument.h"

namespace {

TEST(GameWindowQueriesTest, TheRowsTextHasOneLinePerRowEditsIncluded) {
    GameFiles files{{"open.ltx", "\xEF\xBB\xBF; note\r\n\r\n[a]\r\n  k = 1 ; old\r\n\r\n[b]:a\r\n"}};
    ActivateHooks();
    LtxDocument document;
    ASSERT_TRUE(document.Open(files.Path("open.ltx")));
    TStringTableRows& rows = document.MainRows;
    ASSERT_EQ(rows.Count(), 4);
    rows.SetCell(2, 2, "2");                                  // k = 2
    rows.AddOrReplace("0#16707055\tsec\t[A]\t\t", -1, false);  // a new header, repeating [a]
    const std::string text = GameTextOfRows(document.Check().content.view(), rows);
    EXPECT_EQ(text, "\xEF\xBB\xBF; note\n[a]\n  k = 2 ; old\n[b]:a\n[A]");

    GameInput input;
    input.paths = {files.Path("open.ltx")};
    input.texts = {{files.Path("open.ltx"), text}};
    GameModel& model = files.Model();
    model.Build(input);
    const int file = model.FileOf(files.Path("open.ltx"));
    EXPECT_EQ(ValueOf(model, "b", "k"), "2");
    GameKey key;
    ASSERT_TRUE(model.EffectiveKey(model.FindSection("b", 0), "k", key));
    EXPECT_EQ(key.at, (GameLocation{file, 3}));  // row 2
    ASSERT_EQ(ProblemWords(model), (std::vector<std::string>{"ByteOrderMark@1", "RepeatedSection@5"}));
    EXPECT_EQ(model.ProblemsIn(file)[1].at.line - 1, 4);  // the new row
    DeactivateHooks();
}

TEST(GameWindowQueriesTest, HeadersCarryTheirOverlayMarksAndRowsTheirSection) {
    GameModel model;
    BuildFromText(model, "; above\n[a]\nk = 1\n![a]\nj = 2\n@[b]\n!![a]\nlost = 1\n![gone]\nlost = 2\n[c]\n");
    struct Expected {
        int line;
        GameHeaderMark mark;
        std::string name;
        std::string section;  // what the header names, "" for none
    } expected[] = {{2, GameHeaderMark::None, "a", "a"},
                    {4, GameHeaderMark::Override, "a", "a"},
                    {6, GameHeaderMark::CreateOrOverride, "b", "b"},
                    {7, GameHeaderMark::Delete, "a", "a"},
                    {9, GameHeaderMark::Override, "gone", ""},
                    {11, GameHeaderMark::None, "c", "c"}};
    const std::vector<GameHeader> headers = model.HeadersIn(0);
    ASSERT_EQ(headers.size(), std::size(expected));
    for (size_t i = 0; i < headers.size(); ++i) {
        SCOPED_TRACE(expected[i].line);
        EXPECT_EQ(headers[i].at.line, expected[i].line);
        EXPECT_EQ(headers[i].mark, expected[i].mark);
        EXPECT_EQ(headers[i].name, expected[i].name);
        EXPECT_EQ(headers[i].section < 0 ? "" : std::string(model.Sections()[headers[i].section].name),
                  expected[i].section);
    }
    const int a = headers[0].section;
    EXPECT_TRUE(model.Sections()[a].deleted);
    EXPECT_EQ(model.Sections()[a].changes, (std::vector<GameLocation>{{0, 4}, {0, 7}}));
    struct Row {
        int line;
        int section;
    } rows[] = {{1, -1}, {2, a}, {3, a}, {5, a}, {6, headers[2].section}, {8, -1}, {10, -1},
                {11, headers[5].section}, {12, headers[5].section}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(model.SectionAt({0, row.line}), row.section);
    }
}

TEST(GameWindowQueriesTest, ParentsPointAtTheHeadersThatDefineThem) {
    GameFiles files{{"main.ltx", "#include \"base.ltx\"\n[child]:base_a, nowhere, Base_B\n"},
                    {"base.ltx", "[base_a]\n[base_b]\n"}};
    const GameModel& model = files.Build({"main.ltx"});
    const GameSection& child = model.Sections()[model.FindSection("child", 0)];
    ASSERT_EQ(child.parents.size(), 3u);
    const int base = model.FileOf(files.Path("base.ltx"));
    EXPECT_EQ(model.Sections()[child.parents[0].section].at, (GameLocation{base, 1}));
    EXPECT_EQ(child.parents[1].section, -1);
    EXPECT_EQ(model.Sections()[child.parents[2].section].at, (GameLocation{base, 2}));
    EXPECT_EQ(child.parents[2].at, (GameLocation{model.FileOf(files.Path("main.ltx")), 2}));
}

}  // namespace
