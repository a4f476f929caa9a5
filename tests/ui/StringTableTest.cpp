// The string table's rows: colours from the row strings, the value points, insertion and
// deletion, and table files.
#include <QBrush>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>

#include "StringTableFixture.h"
#include "objlib/qt/QtColor.h"
#include "tests/objlib/ScratchDir.h"

namespace {

class StringTableTest : public UiTest {
protected:
    void Build(void (*configure)(ThiStringTable&)) {
        configure(table);
        table.onError = log.At();
        table.Init();
        ASSERT_TRUE(form.Start());
    }
    QVariant CellData(int row, int column, int role) {
        Settle();
        QAbstractItemModel* model = ViewOf(table)->model();
        return model->data(model->index(row, column), role);
    }
    QColor Background(int row, int column) { return CellData(row, column, Qt::BackgroundRole).value<QBrush>().color(); }
    QColor Text(int row, int column) {
        const QVariant text = CellData(row, column, Qt::ForegroundRole);
        return text.isValid() ? text.value<QBrush>().color() : ViewOf(table)->palette().color(QPalette::Text);
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        QAbstractItemModel* model = ViewOf(table)->model();
        for (int c = 0; c < model->columnCount(); ++c)
            captions.push_back(model->headerData(c, Qt::Horizontal).toString().toStdString());
        return captions;
    }

    TestForm form;
    ThiStringTable table{form.Parent()};
    Recorder log;
};

TEST_F(StringTableTest, RowStringsBecomeRowsColouredByTheirPrefix) {
    Build(ConfigureMainTable);
    const QColor window = ToQColor(0xFF000005);
    const QColor windowText = ToQColor(0xFF000008);
    struct Case {
        const char* row;
        QColor background;
        QColor text;
        const char* cells;  // as Row gives them
    };
    const Case cases[] = {
        {"0#16707055\tsec\t[s]\t\tnote", QColor(239, 237, 254), windowText, "sec\t[s]\t\tnote"},
        {"0#15466238\tcom\t\t\tc", QColor(254, 254, 235), windowText, "com\t\t\tc"},
        {"0#15532017\tnor\ttext\t\t", QColor(241, 255, 236), windowText, "nor\ttext\t\t"},
        {"9#0\tkey\tred\t1\t", window, QColor(255, 0, 0), "key\tred\t1\t"},
        {"4#15466238\tkey\tnavy\t2\t", QColor(254, 254, 235), QColor(0, 0, 128), "key\tnavy\t2\t"},
        {"0#0\tkey\tx\t5\t", window, windowText, "key\tx\t5\t"},
        {"x#y\tnor\tplain\t\t", window, windowText, "nor\tplain\t\t"},
    };
    for (const Case& c : cases) AddRow(table, c.row);
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(c.row);
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(Background(row, column), c.background) << "column " << column;
            EXPECT_EQ(Text(row, column), c.text) << "column " << column;
        }
        Call(table, &ThiStringTable::doSelect, row);
        EXPECT_EQ(SelectedRow(table), c.cells);
    }
}

TEST_F(StringTableTest, CellsAreShownFromCp1251AndTheHeaderHasTheCaptions) {
    Build(ConfigureMainTable);
    AddRow(table, Cp("0#0\tkey\tимя\tзначение\t; заметка"));
    EXPECT_EQ(CellData(0, 1, Qt::DisplayRole).toString(), QString::fromUtf8("имя"));
    EXPECT_EQ(CellData(0, 3, Qt::DisplayRole).toString(), QString::fromUtf8("; заметка"));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"тип", "параметр", "значение", "коментарий"}));
    EXPECT_EQ(ViewOf(table)->horizontalHeader()->sectionSize(3), 165);
}

TEST_F(StringTableTest, ContentsTableKeepsThePrefixAsAPlainCell) {
    Build(ConfigureContentsTable);
    AddRow(table, "0#16707055+x+y");
    EXPECT_EQ(CellData(0, 0, Qt::DisplayRole).toString(), "0#16707055");
    EXPECT_EQ(Background(0, 0), ToQColor(0xFF000005));
    EXPECT_EQ(AllRows(table), (std::vector<std::string>{"0#16707055+x"}));
}

TEST_F(StringTableTest, RowCountAndArrayGiveCellsWithoutPrefix) {
    Build(ConfigureMainTable);
    EXPECT_EQ(SelectedRow(table), "");  // nothing selected
    AddRow(table, "0#0\tkey\tx\t5\t");
    AddRow(table, "0#0\tkey\ta\tb\tc\textra\tmore");  // more cells than columns
    AddRow(table, "0#0\tsec");                        // fewer: the rest empty
    EXPECT_EQ(PullInteger(Point<&ThiStringTable::Count>(table)), 3);
    EXPECT_EQ(AllRows(table), (std::vector<std::string>{"key\tx\t5\t", "key\ta\tb\tc", "sec\t\t\t"}));
    Call(table, &ThiStringTable::doSelect, 1);
    EXPECT_EQ(SelectedRow(table), "key\ta\tb\tc");

    // Rewriting a row through the array keeps its cells beyond those given and takes colours
    // from the new prefix; adding through it appends.
    TArrayIntf* array = ReadArray(Point<&ThiStringTable::Array>(table));
    ASSERT_NE(array, nullptr);
    TData index, item;
    SetInteger(index, 0);
    SetString(item, "0#15466238\tcom\ty");
    ArraySet(*array, index, item);
    SetString(item, "0#0\tkey\tadded\t\t");
    ArrayAdd(*array, item);
    EXPECT_EQ(AllRows(table), (std::vector<std::string>{"com\ty\t5\t", "key\ta\tb\tc", "sec\t\t\t", "key\tadded\t\t"}));
    EXPECT_EQ(Background(0, 2), QColor(254, 254, 235));
    EXPECT_EQ(ViewOf(table)->model()->rowCount(), 4);
}

// Gives a fixed row string, as the panel's RowText memory does for doInsert.
struct RowSource {
    Bytes row;
    void Value(TData& d, uint16_t) { SetString(d, row); }
};

TEST_F(StringTableTest, InsertAndDeleteAtIndexesAndOutOfRange) {
    Build(ConfigureContentsTable);
    struct Case {
        const char* name;
        bool insert;
        int32_t index;
        bool strConnected;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"insert at the top", true, 0, true, {"9+new", "0+a", "1+b", "2+c"}},
        {"insert in the middle", true, 1, true, {"0+a", "9+new", "1+b", "2+c"}},
        {"insert at the count appends", true, 3, true, {"0+a", "1+b", "2+c", "9+new"}},
        {"insert at -1 appends", true, -1, true, {"0+a", "1+b", "2+c", "9+new"}},
        {"insert past the end appends", true, 99, true, {"0+a", "1+b", "2+c", "9+new"}},
        {"insert without Str adds an empty row", true, 1, false, {"0+a", "+", "1+b", "2+c"}},
        {"delete the middle", false, 1, true, {"0+a", "2+c"}},
        {"delete the last", false, 2, true, {"0+a", "1+b"}},
        {"delete -1", false, -1, true, {"0+a", "1+b", "2+c"}},
        {"delete past the end", false, 3, true, {"0+a", "1+b", "2+c"}},
    };
    RowSource source{"9+new"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        table.Str = THI_Event{};
        Call(table, &ThiStringTable::doClear, TData());
        for (const char* row : {"0+a", "1+b", "2+c"}) AddRow(table, row);
        table.Str = c.strConnected ? Point<&RowSource::Value>(source) : THI_Event{};
        Call(table, c.insert ? &ThiStringTable::doInsert : &ThiStringTable::doDelete, c.index);
        EXPECT_EQ(AllRows(table), c.rows);
        Settle();
        EXPECT_EQ(ViewOf(table)->model()->rowCount(), static_cast<int>(c.rows.size()));
    }
}

using StringTableClearTest = UiTest;

TEST_F(StringTableClearTest, ClearKeepsTheColumnsUnlessClearColumns) {
    for (bool clearColumns : {false, true}) {
        SCOPED_TRACE(clearColumns);
        TestForm form;
        ThiStringTable table{form.Parent()};
        ConfigureContentsTable(table);
        table.ClearColumns = clearColumns;
        table.Init();
        ASSERT_TRUE(form.Start());
        AddRow(table, "1+a");
        Call(table, &ThiStringTable::doClear, TData());
        EXPECT_EQ(PullInteger(Point<&ThiStringTable::Count>(table)), 0);
        EXPECT_EQ(ViewOf(table)->model()->columnCount(), clearColumns ? 0 : 2);
    }
}

TEST_F(StringTableTest, HeaderClicksRaiseTheCaptionOrTheIndex) {
    Build(ConfigureMainTable);
    Recorder clicks;
    table.onColumnClick = clicks.At();
    QHeaderView* header = ViewOf(table)->horizontalHeader();
    const QPoint second = header->mapTo(form.Widget(), QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, second);
    table.ColumnClickMode = 1;
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, second);
    ASSERT_EQ(clicks.Count(), 2u);
    EXPECT_EQ(ToString(clicks.calls[0].value), Cp("параметр"));
    EXPECT_EQ(clicks.calls[1].value.Tag(), Tag::Integer);
    EXPECT_EQ(clicks.calls[1].value.IntValue, 1);
}

TEST_F(StringTableTest, TheLastColumnTakesTheRemainingWidthAndHeaderEdgesResizeColumns) {
    Build(ConfigureContentsTable);  // two columns of 80 pixels in a table 250 wide
    QTableView* view = ViewOf(table);
    QHeaderView* header = view->horizontalHeader();
    for (int width : {250, 400}) {
        SCOPED_TRACE(width);
        view->resize(width, view->height());
        Settle();
        EXPECT_EQ(header->sectionSize(0), 80);
        EXPECT_EQ(header->sectionSize(0) + header->sectionSize(1), view->viewport()->width());
    }
    const QPoint edge = header->mapTo(form.Widget(), QPoint(header->sectionViewportPosition(1) - 1, header->height() / 2));
    QTest::mousePress(form.Window(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(form.Window(), edge + QPoint(30, 0));
    QTest::mouseRelease(form.Window(), Qt::LeftButton, {}, edge + QPoint(30, 0));
    EXPECT_EQ(header->sectionSize(0), 110);
    EXPECT_EQ(header->sectionSize(0) + header->sectionSize(1), view->viewport()->width());
}

TEST_F(StringTableTest, ACellTooNarrowForItsTextShowsItWholeInATooltip) {
    Build(ConfigureMainTable);
    const std::string longValue(60, 'w');
    AddRow(table, "0#0\tkey\tshort\t" + longValue + "\t");
    Settle();
    QTableView* view = ViewOf(table);
    struct Case {
        int column;
        QString text;
        bool tip;
    };
    const Case cases[] = {{1, "short", false}, {2, QString::fromStdString(longValue), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        const QPoint at = view->visualRect(view->model()->index(0, c.column)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        EXPECT_EQ(QToolTip::isVisible() && QToolTip::text() == c.text, c.tip);
    }
}

TEST_F(StringTableTest, RightButtonSelectsTheRowAndReportsMouseUpOne) {
    Build(ConfigureContentsTable);
    Recorder ups;
    table.onMouseUp = ups.At();
    for (const char* row : {"0+a", "1+b", "2+c"}) AddRow(table, row);
    Settle();
    QTest::mouseClick(form.Window(), Qt::RightButton, {}, CellPos(form, table, 1, 0));
    EXPECT_EQ(ups.Trace(), (std::vector<std::string>{"0:1"}));
    EXPECT_EQ(SelectedIndex(table), 1);
}

TEST_F(StringTableTest, CheckBoxesReportCheckingAndUnchecking) {
    Build([](ThiStringTable& t) {
        ConfigureContentsTable(t);
        t.CheckBoxes = true;
    });
    Recorder checks;
    table.onCheck = checks.At(1);
    table.onUncheck = checks.At(0);
    for (const char* row : {"0+a", "1+b"}) AddRow(table, row);
    Call(table, &ThiStringTable::doSelect, 1);
    QTest::keyClick(ViewOf(table), Qt::Key_Space);
    EXPECT_EQ(CellData(1, 0, Qt::CheckStateRole).toInt(), Qt::Checked);
    QTest::keyClick(ViewOf(table), Qt::Key_Space);
    EXPECT_EQ(checks.Trace(), (std::vector<std::string>{"1:1", "0:1"}));
}

// Gives a file name, as a data point connected to FileName would.
struct NameSource {
    Bytes name;
    void Value(TData& d, uint16_t) { SetString(d, name); }
};

TEST_F(StringTableTest, TableFilesReplaceColumnsAndRows) {
    Build(ConfigureMainTable);
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    struct Case {
        const char* name;
        std::string content;  // cp1251
        std::vector<std::string> captions;
        std::vector<std::string> rows;
        uint32_t textColor;  // TextColor afterwards
    };
    const uint32_t unchanged = 0xFF000008;
    const Case cases[] = {
        {"plain header", Cp("тип\tимя\r\n0#0\tkey\tk\r\n0#15466238\tcom\tc\r\n").str(), {"тип", "имя"},
         {"key\tk", "com\tc"}, unchanged},
        {"colour header", Cp("255#65280#16711680#0#тип\tпара#метр=120\r\n0#0\tkey\tv\r\n").str(), {"тип", "параметр"},
         {"key\tv"}, 255},
        {"an empty colour field applies no colour", "1##3#4#a\tb\r\n", {"a", "b"}, {}, unchanged},
        {"empty file", "", {}, {}, unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        table.TextColor = unchanged;
        AddRow(table, "0#0\told\trow");
        const std::string path = dir / "table.ini";
        ScratchDir::WriteFile(path, c.content);
        table.FileName = path;
        Call(table, &ThiStringTable::doLoad, TData());
        EXPECT_EQ(Captions(), c.captions);
        EXPECT_EQ(AllRows(table), c.rows);
        EXPECT_EQ(table.TextColor, c.textColor);
    }
    const QPalette palette = ViewOf(table)->palette();
    EXPECT_EQ(palette.color(QPalette::Base), ToQColor(16711680));  // from the colour header
    EXPECT_EQ(log.Count(), 0u);
}

TEST_F(StringTableTest, FileNamePointWinsOverThePropertyAndAMissingFileChangesNothing) {
    Build(ConfigureContentsTable);
    ScratchDir dir;
    ASSERT_TRUE(dir.Ok());
    ScratchDir::WriteFile(dir / "contents.ini", "n+s\r\n3+abc\r\n");
    NameSource source{Bytes(dir / "contents.ini")};
    table.FileName = dir / "missing.ini";
    table.FileNamePoint = Point<&NameSource::Value>(source);
    Call(table, &ThiStringTable::doLoad, TData());
    EXPECT_EQ(AllRows(table), (std::vector<std::string>{"3+abc"}));
    EXPECT_EQ(log.Count(), 0u);

    // A folder cannot be read as a table file either: it must not empty the table.
    for (const std::string& unreadable : {dir / "missing.ini", dir.Path()}) {
        SCOPED_TRACE(unreadable);
        log.calls.clear();
        source.name = unreadable;
        Call(table, &ThiStringTable::doLoad, TData());
        EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:-"}));
        EXPECT_EQ(AllRows(table), (std::vector<std::string>{"3+abc"}));
        EXPECT_EQ(Captions(), (std::vector<std::string>{"n", "s"}));
    }
}

}  // namespace
