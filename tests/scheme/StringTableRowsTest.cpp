// The row store behind the string tables: parsing row strings, row strings back, the array
// interface and the batched announcements a view relies on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/window/StringTableRows.h"

namespace {

void ConfigureMain(TStringTableRows& rows) {
    rows.Delimiter = '\t';
    rows.ColorPrefix = true;
    for (const char* caption : {"type", "parameter", "value", "comment"}) rows.AddColumn(caption);
}

TEST(StringTableRowsTest, RowStringsBecomeCellsAndItemValues) {
    struct Case {
        const char* input;
        const char* row;
        uint32_t item;
    } cases[] = {
        {"0#0\tkey\tx\t5\t", "key\tx\t5\t", 0},
        {"0#16707055\tsec\t[s]\t\tnote", "sec\t[s]\t\tnote", 16707055},
        {"3#15466238\tcom\t\t\tc", "com\t\t\tc", (3u << 24) + 15466238},
        {"0#0\tkey\tk\tv\tc\textra\tmore", "key\tk\tv\tc", 0},  // cells beyond the columns are dropped
        {"0#0\tkey", "key\t\t\t", 0},                           // missing cells are empty
        {"0#0", "\t\t\t", 0},                                   // prefix only: no cells
        {"", "\t\t\t", 0},
        {"x#y\tnor\ta", "nor\ta\t\t", 0},  // a non-numeric prefix gives default colours
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        TStringTableRows rows;
        ConfigureMain(rows);
        ASSERT_EQ(rows.AddOrReplace(c.input, -1, false), 0);
        EXPECT_EQ(rows.RowString(0), c.row);
        EXPECT_EQ(rows.ItemValue(0), c.item);
    }
}

TEST(StringTableRowsTest, OddColourPrefixesReadAsIntegersDo) {
    // Each half is read as StrToInteger reads a string: optional sign, digits up to the first
    // non-digit, wrapping at 32 bits. The prefix ends at the first Delimiter and splits at its
    // first ColorDelimiter, whatever bytes the two are.
    struct Case {
        char delimiter;
        char colorDelimiter;
        const char* input;
        uint32_t item;
        const char* row;
    } cases[] = {
        {'\t', '#', "-1#0\ta", 0xFF000000u, "a\t"},
        {'\t', '#', "+3#-2\ta", 0x02FFFFFEu, "a\t"},
        {'\t', '#', "4294967297#5\ta", 0x01000005u, "a\t"},
        {'\t', '#', "1#99999999999\ta", 0x4976E7FFu, "a\t"},
        {'\t', '#', "12x#7y\ta", 0x0C000007u, "a\t"},
        {'\t', '#', "5#6#7\ta", 0x05000006u, "a\t"},
        {'\t', '#', "--5#1\ta", 1u, "a\t"},
        {'\t', '#', "#9\ta", 9u, "a\t"},
        {'\t', '#', "5\t#6\ta", 0x05000000u, "#6\ta"},
        {'\t', '#', "7#8", 0x07000008u, "\t"},
        {'\t', '-', "-5-3\ta", 5u, "a\t"},
        {'\t', '7', "17#3\ta", 0x01000000u, "a\t"},
        {'#', '#', "3#4#x", 0x03000000u, "4#x"},
        {'1', '#', "21#3\ta", 0x02000000u, "#3\ta1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        TStringTableRows rows;
        rows.Delimiter = c.delimiter;
        rows.ColorDelimiter = c.colorDelimiter;
        rows.ColorPrefix = true;
        rows.AddColumn("a");
        rows.AddColumn("b");
        ASSERT_EQ(rows.AddOrReplace(c.input, -1, false), 0);
        EXPECT_EQ(rows.ItemValue(0), c.item);
        EXPECT_EQ(rows.RowString(0), c.row);
        // A rewrite reads the prefix the same way.
        rows.AddOrReplace("0#0", 0, true);
        ASSERT_EQ(rows.AddOrReplace(c.input, 0, true), 0);
        EXPECT_EQ(rows.ItemValue(0), c.item);
    }
}

TEST(StringTableRowsTest, RowTextsAreKeptBackToBack) {
    TStringTableRows rows;
    ConfigureMain(rows);
    rows.AddOrReplace("0#0\tkey\tk\tv\tc", -1, false);
    rows.AddOrReplace("0#0\tkey\tl\tw\td", -1, false);
    EXPECT_EQ(rows.RowString(1).data(), rows.RowString(0).data() + rows.RowString(0).size());
    Bytes kept = rows.RowString(0);
    rows.Clear();  // texts handed out stay valid
    EXPECT_EQ(kept, "key\tk\tv\tc");
}

TEST(StringTableRowsTest, ContentsEntriesKeepTwoCells) {
    TStringTableRows rows;
    rows.Delimiter = '+';
    rows.AddColumn("index");
    rows.AddColumn("section");
    rows.AddOrReplace("12+a+b", -1, false);
    EXPECT_EQ(rows.RowString(0), "12+a");
    EXPECT_EQ(rows.Cell(0, 1), "a");
    EXPECT_EQ(rows.Cell(0, 2), "");
}

TEST(StringTableRowsTest, InsertDeleteReplaceAndCells) {
    TStringTableRows rows;
    ConfigureMain(rows);
    rows.AddOrReplace("0#0\tkey\ta\t1\t", -1, false);
    rows.AddOrReplace("0#0\tkey\tb\t2\t", -1, false);
    EXPECT_EQ(rows.AddOrReplace("0#15466238\tcom\t\t\tnew", 1, false), 1);
    EXPECT_EQ(rows.RowString(1), "com\t\t\tnew");
    EXPECT_EQ(rows.RowString(2), "key\tb\t2\t");
    EXPECT_EQ(rows.AddOrReplace("0#0\tkey", 7, false), 3);  // beyond the end: appended

    // Rewriting keeps the cells it is not given.
    EXPECT_EQ(rows.AddOrReplace("5#1\tnor\tz", 0, true), 0);
    EXPECT_EQ(rows.RowString(0), "nor\tz\t1\t");
    EXPECT_EQ(rows.ItemValue(0), (5u << 24) + 1);
    EXPECT_EQ(rows.AddOrReplace("0#0\tx", 9, true), -1);

    rows.SetCell(0, 3, "edited");
    EXPECT_EQ(rows.RowString(0), "nor\tz\t1\tedited");
    EXPECT_EQ(rows.ItemValue(0), (5u << 24) + 1);  // editing keeps the colours

    rows.Delete(1);
    rows.Delete(42);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.RowString(1), "key\tb\t2\t");
    EXPECT_EQ(rows.RowString(-1), "");
    rows.Clear();
    EXPECT_EQ(rows.Count(), 0);
}

TEST(StringTableRowsTest, ArrayInterfaceWorksOnRows) {
    TStringTableRows rows;
    ConfigureMain(rows);
    TArrayIntf* array = rows.Array();
    EXPECT_EQ(rows.Array(), array);
    TData item, index;
    SetString(item, "0#0\tkey\tk\tv\tc");
    ArrayAdd(*array, item);
    EXPECT_EQ(ArrayCount(*array), 1);

    SetInteger(index, 0);
    TData got;
    ASSERT_TRUE(ArrayGet(*array, index, got));
    EXPECT_EQ(got.StrValue, "key\tk\tv\tc");
    SetInteger(index, 1);
    EXPECT_FALSE(ArrayGet(*array, index, got));

    // A string without the colour prefix loses its first cell to the prefix.
    SetInteger(index, 0);
    SetString(item, "key\tq\tw\te");
    ArraySet(*array, index, item);
    EXPECT_EQ(rows.RowString(0), "q\tw\te\tc");
}

struct Journal : TStringTableRows::Observer {
    TStringTableRows* rows = nullptr;
    std::vector<std::string> log;
    void AppendsPending() override { log.push_back("pending"); }
    void PublishPending() override {
        log.push_back("publish " + std::to_string(rows->PublishedCount()) + ".." + std::to_string(rows->Count()));
        rows->MarkPublished();
    }
    void BeginInsertRow(int index) override { log.push_back("insert " + std::to_string(index)); }
    void EndInsertRow() override {}
    void BeginRemoveRow(int index) override { log.push_back("remove " + std::to_string(index)); }
    void EndRemoveRow() override {}
    void BeginReset() override { log.push_back("reset"); }
    void EndReset() override {}
    void RowChanged(int index) override { log.push_back("changed " + std::to_string(index)); }
};

TEST(StringTableRowsTest, AppendsAreAnnouncedInBatches) {
    TStringTableRows rows;
    ConfigureMain(rows);
    Journal journal;
    journal.rows = &rows;
    rows.SetObserver(&journal);
    for (int i = 0; i < 1000; ++i) rows.AddOrReplace("0#0\tkey\tk\tv\tc", -1, false);
    EXPECT_EQ(journal.log, (std::vector<std::string>{"pending"}));
    EXPECT_EQ(rows.PublishedCount(), 0);

    rows.SetCell(5, 1, "x");  // a pending row: nothing to announce
    rows.Delete(3);
    rows.AddOrReplace("0#0\tkey", -1, false);
    rows.SetCell(0, 1, "y");
    EXPECT_EQ(journal.log, (std::vector<std::string>{"pending", "publish 0..1000", "remove 3", "pending",
                                                     "changed 0"}));
    rows.Clear();
    EXPECT_EQ(journal.log.back(), "reset");
    EXPECT_EQ(rows.PublishedCount(), 0);
}

}  // namespace

namespace {

TEST(StringTableRowsTest, TheRevisionCountsRealChangesOnly) {
    TStringTableRows rows;
    ConfigureMain(rows);
    rows.AddOrReplace("0#0\tkey\ta\t1\t", -1, false);
    struct Step {
        const char* name;
        void (*change)(TStringTableRows&);
        bool changes;
    } steps[] = {
        {"the same cell text", [](TStringTableRows& r) { r.SetCell(0, 2, "1"); }, false},
        {"the same row string", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\ta\t1\t", 0, true); }, false},
        {"another cell text", [](TStringTableRows& r) { r.SetCell(0, 2, "2"); }, true},
        {"another colour", [](TStringTableRows& r) { r.AddOrReplace("0#5\tkey\ta\t2\t", 0, true); }, true},
        {"an insert", [](TStringTableRows& r) { r.AddOrReplace("0#0\tcom\t\t\tx", 0, false); }, true},
        {"a delete", [](TStringTableRows& r) { r.Delete(0); }, true},
        {"a delete out of range", [](TStringTableRows& r) { r.Delete(7); }, false},
        {"a clear", [](TStringTableRows& r) { r.Clear(); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const uint64_t before = rows.Revision();
        step.change(rows);
        EXPECT_EQ(rows.Revision() != before, step.changes);
    }
}

}  // namespace

namespace {

// Each row's origin, "*" after a changed one, joined by spaces.
std::string Origins(const TStringTableRows& rows) {
    std::string out;
    for (int i = 0; i < rows.Count(); ++i)
        out += (i ? " " : "") + std::to_string(rows.Origin(i)) + (rows.Changed(i) ? "*" : "");
    return out;
}

TEST(StringTableRowsTest, RowsKnowTheirOriginAndWhetherTheyChanged) {
    struct Case {
        const char* name;
        void (*edit)(TStringTableRows&);
        const char* origins;
    } cases[] = {
        {"as loaded", [](TStringTableRows&) {}, "0 1 2"},
        {"a cell set", [](TStringTableRows& r) { r.SetCell(1, 2, "9"); }, "0 1* 2"},
        {"a cell set to its own text", [](TStringTableRows& r) { r.SetCell(1, 2, "2"); }, "0 1 2"},
        {"a row rewritten as it was", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tb\t2\t", 1, true); }, "0 1 2"},
        {"a row rewritten", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tb\t3\t", 1, true); }, "0 1* 2"},
        {"only the colour rewritten", [](TStringTableRows& r) { r.AddOrReplace("1#5", 1, true); }, "0 1 2"},
        {"a row inserted", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tn\t\t", 1, false); }, "0 -1 1 2"},
        {"a row appended after the load", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tn\t\t", -1, false); },
         "0 1 2 -1"},
        {"a row deleted", [](TStringTableRows& r) { r.Delete(0); }, "1 2"},
        {"a new load", [](TStringTableRows& r) {
             r.Clear();
             r.AddOrReplace("0#0\tkey\tz\t\t", -1, false);
         }, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringTableRows rows;
        ConfigureMain(rows);
        for (const char* row : {"0#0\tkey\ta\t1\t", "0#0\tkey\tb\t2\t", "0#0\tkey\tc\t3\t"}) rows.AddOrReplace(row, -1, false);
        rows.SealOrigins();
        c.edit(rows);
        EXPECT_EQ(Origins(rows), c.origins);
    }
}

}  // namespace

namespace {

// What an edit watcher hears, one line per call: the edit, the index and the row before it.
struct EditLog {
    static void RowEdited(void* self, TStringTableRows::Edit edit, int index, const TStringTableRows::RowState& before) {
        static const char* const names[] = {"rewritten", "inserted", "deleted", "emptied"};
        auto& log = static_cast<EditLog*>(self)->lines;
        log.push_back(std::string(names[static_cast<int>(edit)]) + " " + std::to_string(index) + " " +
                      std::string(before.text.view()) + (before.changed ? "*" : ""));
    }
    static void RowsMoved(void* self, int, int) { static_cast<EditLog*>(self)->lines.push_back("moved"); }
    std::vector<std::string> lines;
};

TEST(StringTableRowsTest, EveryEditIsToldWithTheRowAsItWas) {
    struct Case {
        const char* name;
        void (*edit)(TStringTableRows&);
        std::vector<std::string> told;
    } cases[] = {
        {"a cell set", [](TStringTableRows& r) { r.SetCell(1, 2, "9"); }, {"rewritten 1 key\tb\t2\t"}},
        {"a cell set to its own text", [](TStringTableRows& r) { r.SetCell(1, 2, "2"); }, {}},
        {"a row rewritten", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tb\t3\t", 1, true); },
         {"rewritten 1 key\tb\t2\t"}},
        {"a row inserted", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tn\t\t", 1, false); },
         {"moved", "inserted 1 "}},
        {"a row appended after the load", [](TStringTableRows& r) { r.AddOrReplace("0#0\tkey\tn\t\t", -1, false); },
         {"inserted 3 "}},
        {"a row deleted: told before the rows that followed it move", [](TStringTableRows& r) { r.Delete(0); },
         {"deleted 0 key\ta\t1\t", "moved"}},
        {"an edited row deleted", [](TStringTableRows& r) {
             r.SetCell(0, 1, "x");
             r.Delete(0);
         },
         {"rewritten 0 key\ta\t1\t", "deleted 0 key\tx\t1\t*", "moved"}},
        {"emptied, and a load's rows are no edits", [](TStringTableRows& r) {
             r.Clear();
             r.AddOrReplace("0#0\tkey\tz\t\t", -1, false);
         }, {"emptied -1 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringTableRows rows;
        ConfigureMain(rows);
        EditLog log;
        rows.SetEditWatcher({&EditLog::RowEdited, &log});
        rows.SetShiftWatcher({&EditLog::RowsMoved, &log});
        for (const char* row : {"0#0\tkey\ta\t1\t", "0#0\tkey\tb\t2\t", "0#0\tkey\tc\t3\t"}) rows.AddOrReplace(row, -1, false);
        EXPECT_TRUE(log.lines.empty());  // the load
        rows.SealOrigins();
        c.edit(rows);
        EXPECT_EQ(log.lines, c.told);
    }
}

TEST(StringTableRowsTest, ARowPutBackIsTheRowThatWasTakenAway) {
    TStringTableRows rows;
    ConfigureMain(rows);
    for (const char* row : {"0#0\tkey\ta\t1\t", "5#9\tkey\tb\t2\t", "0#0\tkey\tc\t3\t"}) rows.AddOrReplace(row, -1, false);
    rows.SealOrigins();
    const TStringTableRows::RowState untouched = rows.StateOf(1);
    rows.SetCell(1, 2, "9");
    const TStringTableRows::RowState edited = rows.StateOf(1);
    EXPECT_EQ(Origins(rows), "0 1* 2");

    rows.Restore(1, untouched, true);  // an edit undone: untouched again
    EXPECT_EQ(Origins(rows), "0 1 2");
    EXPECT_EQ(rows.RowString(1), "key\tb\t2\t");
    rows.Restore(1, edited, true);
    EXPECT_EQ(Origins(rows), "0 1* 2");

    const TStringTableRows::RowState last = rows.StateOf(2);
    rows.Delete(2);
    rows.Delete(1);
    rows.Restore(1, edited, false);
    rows.Restore(2, last, false);  // at the end
    EXPECT_EQ(Origins(rows), "0 1* 2");
    EXPECT_EQ(rows.ItemValue(1), (5u << 24) + 9);
    EXPECT_EQ(rows.RowString(1), "key\tb\t9\t");

    const uint64_t revision = rows.Revision();
    rows.Restore(4, last, false);  // beyond the end: nothing
    rows.Restore(3, last, true);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.Revision(), revision);
    EXPECT_EQ(rows.StateOf(3).text, "");
}

TEST(StringTableRowsTest, ManyRewritesKeepEveryRowAndEveryTextHandedOut) {
    // Rewritten and deleted rows leave text behind that the store gives back from time to
    // time; the rows, the row states told and the texts handed out must not notice.
    TStringTableRows rows;
    ConfigureMain(rows);
    std::vector<std::string> model;
    for (int i = 0; i < 200; ++i) {
        rows.AddOrReplace("0#0\tkey\tk" + std::to_string(i) + "\tv\t", -1, false);
        model.push_back("key\tk" + std::to_string(i) + "\tv\t");
    }
    rows.SealOrigins();
    std::vector<std::pair<Bytes, std::string>> held;
    const std::string longValue(5000, 'x');
    for (int step = 0; step < 20000; ++step) {
        const int row = (step * 7919) % rows.Count();
        const std::string value = std::to_string(step) + (step % 97 == 0 ? longValue : "");
        switch (step % 5) {
        case 0:
            rows.SetCell(row, 2, value);
            model[row] = "key\tk" + std::to_string(row) + "\t" + value + "\t";
            break;
        case 1:
            rows.AddOrReplace("0#0\tkey\tk" + std::to_string(row) + "\t" + value, row, true);
            model[row] = "key\tk" + std::to_string(row) + "\t" + value + "\t";
            break;
        case 2: {
            const TStringTableRows::RowState state = rows.StateOf(row);
            rows.Delete(row);
            rows.Restore(row, state, false);
            break;
        }
        case 3:
            rows.Restore(row, rows.StateOf((row + 1) % rows.Count()), true);
            model[row] = model[(row + 1) % model.size()];
            break;
        default:
            if (held.size() < 50) held.emplace_back(rows.RowString(row), model[row]);
        }
        if (step % 250 == 0)
            for (int i = 0; i < rows.Count(); ++i) ASSERT_EQ(rows.RowString(i).str(), model[i]) << step << " " << i;
    }
    rows.AddColumn("extra");  // every row rewritten at once
    for (int i = 0; i < rows.Count(); ++i) ASSERT_EQ(rows.RowString(i).str(), model[i] + "\t") << i;
    for (const auto& [text, expected] : held) EXPECT_EQ(text.str(), expected);
}

}  // namespace
