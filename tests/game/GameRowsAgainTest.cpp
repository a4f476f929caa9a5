// The window builds the game model again after every edit of the open file's rows, reading
// only the rows around the edit; a model built that way answers as one built afresh from the
// same rows, whatever the edit did to headers, parents, includes and values, and after undo
// and reopening.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "game/GameRowsText.h"
#include "tests/game/GameFiles.h"
#include "tools/LtxDocument.h"

namespace {

std::string Place(GameLocation at) { return std::to_string(at.file) + ":" + std::to_string(at.line); }

// Appends the parts one after another (long chains of + draw a false warning from GCC 12).
template <typename... Parts>
void Add(std::string& text, const Parts&... parts) {
    (text.append(std::string_view(parts)), ...);
}

// What the window may ask of the model about its first file, written out.
std::string Describe(const GameModel& model) {
    std::string text = model.Dialect() == GameDialect::Overlay ? "overlay\n" : "base\n";
    for (const GameProblem& p : model.Problems())
        Add(text, ProblemKindName(p.kind), "@", Place(p.at), " ", p.subject, " ", p.other, " ", Place(p.related), " ",
            std::to_string(p.number), "\n");
    for (int s = 0; s < static_cast<int>(model.Sections().size()); ++s) {
        const GameSection& section = model.Sections()[s];
        Add(text, "[", section.name, "]@", Place(section.at), section.deleted ? " deleted" : "");
        for (const GameParent& parent : section.parents) Add(text, " ", parent.name, "=", std::to_string(parent.section));
        for (GameLocation change : section.changes) Add(text, " changed@", Place(change));
        Add(text, "\n");
        for (const GameKey& key : model.EffectiveKeys(s))
            Add(text, "  ", key.key, "=", key.value, " from ", std::to_string(key.section), "@", Place(key.at), "\n");
    }
    for (const GameHeader& header : model.HeadersIn(0))
        Add(text, "header@", Place(header.at), " ", header.name, " ", std::to_string(header.section), "\n");
    for (const GameInclude& include : model.IncludesIn(0)) {
        Add(text, "include@", Place(include.at), " ", include.name);
        for (int file : include.files) Add(text, " ", std::to_string(file));
        Add(text, "\n");
    }
    return text;
}

class GameRowsAgainTest : public ::testing::Test {
protected:
    void SetUp() override {
        ActivateHooks();
        ASSERT_TRUE(document_.Open(files_.Path("open.ltx")));
    }
    void TearDown() override { DeactivateHooks(); }

    TStringTableRows& Rows() { return document_.MainRows; }

    // Builds the kept model from the rows as the window does, and a new one afresh from the
    // same text; both must tell the same.
    void ExpectSameAsAfresh(const std::string& what) {
        GameInput input;
        input.paths = {files_.Path("open.ltx")};
        input.texts = {{input.paths[0], rowsText_.Of(document_.Check().content.view(), Rows())}};
        GameModel afresh;
        afresh.Build(input);
        kept_.Build(std::move(input));
        SCOPED_TRACE(what);
        EXPECT_EQ(Describe(kept_), Describe(afresh));
    }

    GameFiles files_{{"open.ltx", "; top\r\n#include \"base.ltx\"\r\n[a]:base\r\nk = 1\r\nlist = x, y\r\n"
                                  "[b]:a\r\nk = 2\r\nq = \"open\r\nstill\"\r\n[c]:b, a\r\nj = 3\r\n[d]\r\n"},
                     {"base.ltx", "[base]\r\nfrom_base = 1\r\n"}};
    LtxDocument document_;
    GameRowsText rowsText_;
    GameModel kept_;
};

// A row string of the cells (kind, name, value, comment), after the colour prefix rows carry.
std::string Row(std::string_view cells) {
    std::string row = "0#16707055\t";
    row += cells;
    return row;
}

TEST_F(GameRowsAgainTest, EditsOfHeadersParentsIncludesAndValues) {
    ExpectSameAsAfresh("opened");
    struct Case {
        const char* what;
        std::function<void(TStringTableRows&)> edit;
    } cases[] = {
        {"a header added", [](TStringTableRows& rows) { rows.AddOrReplace(Row("sec\t[n]:c\t\t"), 4, false); }},
        {"a header removed", [](TStringTableRows& rows) { rows.Delete(5); }},
        {"a parent changed", [](TStringTableRows& rows) { rows.SetCell(7, 1, "[c]:n, missing"); }},
        {"a header made a key", [](TStringTableRows& rows) { rows.SetCell(7, 0, "key"); }},
        {"the include removed", [](TStringTableRows& rows) { rows.Delete(1); }},
        {"an include added", [](TStringTableRows& rows) {
             rows.AddOrReplace(Row("nor\t#include \"base.ltx\"\t\t"), 6, false);
         }},
        {"a quote opened", [](TStringTableRows& rows) { rows.SetCell(3, 2, "\"runs on"); }},
        {"a key repeated", [](TStringTableRows& rows) { rows.AddOrReplace(Row("key\tk\t5\t"), 3, false); }},
        {"the first row replaced", [](TStringTableRows& rows) { rows.SetCell(0, 0, "sec"); }},
        {"rows appended", [](TStringTableRows& rows) { rows.AddOrReplace(Row("sec\t[a]\t\t"), -1, false); }},
    };
    for (const Case& c : cases) {
        c.edit(Rows());
        ExpectSameAsAfresh(c.what);
    }
}

TEST_F(GameRowsAgainTest, UndoAndReopen) {
    ExpectSameAsAfresh("opened");
    const TStringTableRows::RowState header = Rows().StateOf(5);  // [b]:a
    Rows().Delete(5);
    ExpectSameAsAfresh("a header removed");
    Rows().Restore(5, header, false);
    ExpectSameAsAfresh("its removal undone");
    const TStringTableRows::RowState key = Rows().StateOf(3);
    Rows().SetCell(3, 2, "\"unbalanced");
    ExpectSameAsAfresh("a value edited");
    Rows().Restore(3, key, true);
    ExpectSameAsAfresh("the edit undone");

    files_.Write("open.ltx", "[z]\r\nk = 1\r\n[a]:z\r\n");
    ASSERT_TRUE(document_.Open(files_.Path("open.ltx")));
    ExpectSameAsAfresh("another text reopened");
    Rows().SetCell(2, 1, "[a]:nothing");
    ExpectSameAsAfresh("the reopened text edited");
}

TEST(GameRowsTextTest, ALineLongerThanItsPackedLengthIsMeasuredAgain) {
    const std::string value(17 * 1024 * 1024, 'x');  // beyond the 24 bits a kept line's length has
    GameFiles files{{"long.ltx", "[a]\r\nk = " + value + "\r\n[b]\r\n"}};
    ActivateHooks();
    LtxDocument document;
    ASSERT_TRUE(document.Open(files.Path("long.ltx")));
    GameRowsText rowsText;
    const std::string expected = "[a]\nk = " + value + "\n[b]";
    EXPECT_EQ(rowsText.Of(document.Check().content.view(), document.MainRows), expected);
    EXPECT_EQ(rowsText.Of(document.Check().content.view(), document.MainRows), expected);  // from the kept lines
    DeactivateHooks();
}

}  // namespace
