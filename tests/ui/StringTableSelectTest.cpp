// The string table's selection: doSelect and its scrolling, onSelect from every source, hover
// selection, and rows reaching the view in batches.
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>

#include "StringTableFixture.h"

namespace {

class TableSelectTest : public UiTest {
protected:
    void Build(void (*configure)(ThiStringTable&), int rows) {
        configure(table);
        table.onSelect = selected.At();
        table.Init();
        for (int i = 0; i < rows; ++i)
            AddRow(table, table.ColorPrefix ? "0#0\tkey\tp" + std::to_string(i) + "\t\t" : std::to_string(i) + "+s");
        ASSERT_TRUE(form.Start());
    }
    QTableView* View() { return ViewOf(table); }
    // The first row shown whole. Scrolled to the very end, the view shows the last row whole at
    // the bottom, and the row at the top edge only in part.
    int TopRow() {
        const int row = View()->rowAt(0);
        return View()->rowViewportPosition(row) < 0 ? row + 1 : row;
    }
    void ScrollTo(int top) {
        Settle();
        View()->verticalScrollBar()->setValue(top);
        ASSERT_EQ(TopRow(), top);
    }

    TestForm form;
    ThiStringTable table{form.Parent()};
    Recorder selected;
};

TEST_F(TableSelectTest, DoSelectScrollsTheRowToTheCursorPosition) {
    Build(ConfigureMainTable, 200);
    Settle();
    // Rows that fit completely in the view.
    const int p = View()->viewport()->height() / View()->verticalHeader()->defaultSectionSize();
    ASSERT_GT(p, 10);
    ASSERT_LT(p, 45);  // the cases below need 100 - 2p > 0 and 150 - p > 100
    struct Case {
        uint8_t position;
        int start;  // top row before
        int row;
        int top;  // top row after
    };
    const Case cases[] = {
        {0, 0, 5, 0},                      // visible already: no scrolling
        {0, 0, 100, 100 - p + 1},          // below: becomes the bottom row
        {0, 150, 100, 100},                // above: becomes the top row
        {1, 0, 100, 100},                  // top
        {1, 150, 100, 100},
        {1, 0, 195, 199 - p},              // near the end: the last row stays below the view
        {1, 0, 199, 200 - p},              // unless it is the selected one
        {2, 0, 199, 200 - p},
        {2, 0, 100, 100 - p + p / 2},      // centre
        {2, 150, 100, 100 - p + p / 2},
        {2, 100, 2, 0},                    // the first rows: the view stays at the top
        {3, 0, 100, 100 - p + 1},          // bottom
        {3, 150, 100, 100 - p + 1},
        {3, 0, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "position " << int(c.position) << " from " << c.start << " row " << c.row);
        ScrollTo(c.start);
        Call(table, &ThiStringTable::doCursorPosition, c.position);
        Call(table, &ThiStringTable::doSelect, c.row);
        EXPECT_EQ(SelectedIndex(table), c.row);
        EXPECT_EQ(View()->currentIndex().row(), c.row);
        EXPECT_EQ(TopRow(), c.top);
    }
}

TEST_F(TableSelectTest, DoSelectMinusOneClearsTheSelectionAndStillRunsTheScrollSteps) {
    Build(ConfigureMainTable, 200);
    struct Case {
        uint8_t position;
        int top;  // top row after, from 150
    };
    const Case cases[] = {{0, 150}, {2, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.position));
        Call(table, &ThiStringTable::doSelect, 160);
        ScrollTo(150);
        Call(table, &ThiStringTable::doCursorPosition, c.position);
        Call(table, &ThiStringTable::doSelect, -1);
        EXPECT_EQ(SelectedIndex(table), -1);
        EXPECT_EQ(SelectedRow(table), "");
        EXPECT_EQ(TopRow(), c.top);
    }
}

TEST_F(TableSelectTest, ScrollToSelectionOffSelectsWithoutScrolling) {
    Build([](ThiStringTable& t) {
        ConfigureContentsTable(t);
        t.ScrollToSelection = false;
    }, 200);
    ScrollTo(0);
    Call(table, &ThiStringTable::doSelect, 150);
    EXPECT_EQ(SelectedIndex(table), 150);
    EXPECT_EQ(TopRow(), 0);
}

TEST_F(TableSelectTest, OnSelectComesFromClicksKeysAndDoSelectWhileSelectEventsIsOn) {
    Build(ConfigureContentsTable, 20);
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, CellPos(form, table, 3, 1));
    QTest::keyClick(View(), Qt::Key_Down);
    Call(table, &ThiStringTable::doSelect, 7);
    Call(table, &ThiStringTable::doSelect, 7);  // already selected alone: nothing changes
    EXPECT_EQ(selected.Trace(), (std::vector<std::string>{"0:3", "0:4", "0:7"}));

    Call(table, &ThiStringTable::doSelectEvents, 0);
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, CellPos(form, table, 1, 0));
    QTest::keyClick(View(), Qt::Key_Down);
    Call(table, &ThiStringTable::doSelect, 9);
    EXPECT_EQ(SelectedIndex(table), 9);
    EXPECT_EQ(selected.Count(), 3u);

    Call(table, &ThiStringTable::doSelectEvents, 1);
    Call(table, &ThiStringTable::doSelect, 10);
    EXPECT_EQ(selected.Trace().back(), "0:10");
}

TEST_F(TableSelectTest, HoverSelectsTheRowUnderThePointer) {
    Build(ConfigureMainTable, 20);
    QTest::mouseMove(form.Window(), CellPos(form, table, 5, 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return SelectedIndex(table) == 5; }, 5000));
    EXPECT_EQ(selected.Trace(), (std::vector<std::string>{"0:5"}));
    EXPECT_EQ(SelectedRow(table), "key\tp5\t\t");
}

TEST_F(TableSelectTest, RowsAddedOneByOneReachTheViewInOneBatch) {
    Build(ConfigureMainTable, 0);
    QSignalSpy inserted(View()->model(), &QAbstractItemModel::rowsInserted);
    for (int i = 0; i < 10000; ++i) AddRow(table, "0#0\tkey\tname\tvalue\tcomment");
    EXPECT_EQ(PullInteger(Point<&ThiStringTable::Count>(table)), 10000);
    EXPECT_EQ(inserted.count(), 0);
    Settle();
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 9999);
    EXPECT_EQ(View()->model()->rowCount(), 10000);

    // Selecting publishes at once: the view knows the new rows without waiting, and the
    // selected last row is shown whole.
    for (int i = 0; i < 50; ++i) AddRow(table, "0#0\tkey\tmore\t\t");
    Call(table, &ThiStringTable::doSelect, 10049);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(SelectedIndex(table), 10049);
    EXPECT_TRUE(View()->viewport()->rect().contains(View()->visualRect(View()->model()->index(10049, 0))));
}

}  // namespace
