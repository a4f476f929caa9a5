// The string list's lines as they lie: edits anywhere, long lines, line ends inside lines,
// text given back after many edits, and the one-text form written from the lines as they lie.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "objlib/TStrList.h"
#include "tests/objlib/ScratchDir.h"

namespace {

using namespace std::string_literals;

std::string TextOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The list holds exactly the model's lines, and its text and saved file are theirs.
void ExpectLines(const TStrList& list, const std::vector<std::string>& model) {
    ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
    for (size_t i = 0; i < model.size(); ++i) ASSERT_EQ(list.Get(static_cast<int>(i)).str(), model[i]) << i;
    EXPECT_EQ(list.Text().str(), TextOf(model));
}

TEST(StrListStorageTest, EditsAnywhereKeepEveryLine) {
    struct Case {
        const char* name;
        std::string loaded;  // set as one text first
        std::vector<std::string> expected;
        void (*edit)(TStrList&);
    };
    const Case cases[] = {
        {"insert in the middle of a loaded text", "a\nb\nc", {"a", "new", "b", "c"},
         [](TStrList& l) { l.Insert(1, "new"); }},
        {"put in the middle", "a\r\nb\r\nc\r\n", {"a", "longer than before", "c"},
         [](TStrList& l) { l.Put(1, "longer than before"); }},
        {"put the first line shorter", "abc\ndef", {"b", "def"}, [](TStrList& l) { l.Put(0, l.Get(0).substr(1, 1)); }},
        {"delete in the middle", "a\nb\nc", {"a", "c"}, [](TStrList& l) { l.Delete(1); }},
        {"line ends inside an added line stay its bytes", "", {"a\rb", "c\nd", "\r\n"},
         [](TStrList& l) {
             l.Add("a\rb");
             l.Add("c\nd");
             l.Add("\r\n");
         }},
        {"NUL cuts added and put lines", "x", {"", "a"},
         [](TStrList& l) {
             l.Add("a\0b"s);
             l.Put(0, "\0y"s);
         }},
        {"lines longer than a block of copied lines", "a", {"a", std::string(70 * 1024, 'L'), "b"},
         [](TStrList& l) {
             l.Add(std::string(70 * 1024, 'L'));
             l.Add(std::string(80 * 1024, 'M'));
             l.Put(2, "b");
         }},
        {"text appended after added lines", "a", {"a", "b", "c", "d"},
         [](TStrList& l) {
             l.Add("b");
             l.SetText("c\r\nd", true);
         }},
        {"empty lines", "\n\n", {"", "", ""}, [](TStrList& l) { l.Insert(1, ""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStrList list;
        list.SetText(c.loaded, false);
        c.edit(list);
        ExpectLines(list, c.expected);
    }
}

TEST(StrListStorageTest, LargeTextsAreSplitAtWholeLines) {
    // Around the size of one block: a text that fits stays whole, a larger one is cut only
    // between lines, a line longer than a block keeps all of itself.
    const size_t block = 64 * 1024;
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        bool finalEnd;
    };
    const Case cases[] = {
        {"exactly a block, last line without an end", {"a", std::string(block - 2 - 1, 'b')}, false},
        {"exactly a block, ends in LF", {"a", std::string(block - 2 - 2, 'b')}, true},
        {"one byte over a block", {"a", std::string(block - 2, 'b')}, false},
        {"lines across many blocks", std::vector<std::string>(50000, "key = value"), true},
        {"a line longer than a block between short ones", {"a", std::string(3 * block + 5, 'c'), "d"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text;
        for (size_t i = 0; i < c.lines.size(); ++i) text += c.lines[i] + (i + 1 < c.lines.size() || c.finalEnd ? "\n" : "");
        TStrList list;
        list.SetText(text, false);
        ExpectLines(list, c.lines);
    }
}

TEST(StrListStorageTest, RandomEditsMatchAPlainListOfStrings) {
    std::mt19937 random(12);
    const std::vector<std::string> samples = {"", "x", "key = value ; c", "a\rb", std::string(300, 'p'),
                                              std::string(66 * 1024, 'q'), "\xEA\xEB\xFE\xF7"};
    TStrList list;
    std::vector<std::string> model;
    std::vector<std::pair<Bytes, std::string>> held;  // slices handed out stay as they were
    for (int step = 0; step < 20000; ++step) {
        const std::string& line = samples[random() % samples.size()];
        const int at = model.empty() ? 0 : static_cast<int>(random() % (model.size() + 1));
        switch (random() % 6) {
        case 0:
        case 1:
            list.Insert(at, line);
            model.insert(model.begin() + at, line);
            break;
        case 2:
            if (at < static_cast<int>(model.size())) {
                list.Put(at, line);
                model[at] = line;
            }
            break;
        case 3:
            if (at < static_cast<int>(model.size())) {
                list.Delete(at);
                model.erase(model.begin() + at);
            }
            break;
        case 4:
            if (step % 50 == 0) {
                list.SetText("s\nt\r\n", true);
                model.push_back("s");
                model.push_back("t");
            }
            break;
        default:
            if (at < static_cast<int>(model.size()) && held.size() < 100) held.emplace_back(list.Get(at), model[at]);
        }
    }
    ExpectLines(list, model);
    for (const auto& [slice, text] : held) EXPECT_EQ(slice.str(), text);
}

TEST(StrListStorageTest, SavedFileIsTheText) {
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    struct Case {
        const char* name;
        std::string loaded;
        void (*edit)(TStrList&);
    };
    const Case cases[] = {
        {"CR LF text as loaded", "a\r\nb\r\n", [](TStrList&) {}},
        {"LF text gets CR LF", "a\nb", [](TStrList&) {}},
        {"mixed ends and a last line without one", "a\rb\nc\r\nd", [](TStrList&) {}},
        {"first line put, the rest as added", "", [](TStrList& l) {
             for (int i = 0; i < 5000; ++i) l.Add(std::to_string(i));
             l.Put(0, "\xEF\xBB\xBF" + l.Get(0).str());
         }},
        {"lines deleted from a loaded text", "1\r\n2\r\n3\r\n4", [](TStrList& l) {
             l.Delete(1);
             l.Delete(2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStrList list;
        list.SetText(c.loaded, false);
        c.edit(list);
        list.SaveToFile(Bytes(dir / "saved.ltx"));
        EXPECT_EQ(ScratchDir::ReadFile(dir / "saved.ltx"), list.Text().str());
    }
}

TEST(StrListStorageTest, MillionsOfLines) {
    TStrList list;
    const int count = 3000000;
    for (int i = 0; i < count; ++i) list.Add(i % 2 ? "x" : "");
    ASSERT_EQ(list.Count(), count);
    EXPECT_EQ(list.Get(count - 1), "x");
    EXPECT_EQ(list.Get(count - 2), "");
    EXPECT_EQ(list.Text().size(), static_cast<size_t>(count) / 2 * 5);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
}

}  // namespace
