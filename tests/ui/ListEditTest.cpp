// The in-place row editor of the main table, driven through the list and its edit boxes.
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "StringTableFixture.h"
#include "components/window/TableHoverSelect.h"

namespace {

enum : uint16_t { Begin, End, Select };

class ListEditTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ConfigureMainTable(table);
        table.HotTrack = false;  // the pointer resting on a row must not move the selection here
        table.onBeginEdit = log.At(Begin);
        table.onEndEdit = log.At(End);
        table.onSelect = log.At(Select);
        table.Init();
        for (int i = 0; i < 10; ++i) {
            const std::string n = std::to_string(i);
            AddRow(table, "0#15466238\tkey\tp" + n + "\tv" + n + "\tc" + n);
        }
        ASSERT_TRUE(form.Start());
        Settle();
    }
    // The visible edit boxes, left to right.
    std::vector<QLineEdit*> Boxes() {
        std::vector<QLineEdit*> boxes;
        for (QLineEdit* box : ViewOf(table)->viewport()->findChildren<QLineEdit*>())
            if (box->isVisible()) boxes.push_back(box);
        std::sort(boxes.begin(), boxes.end(), [](QLineEdit* a, QLineEdit* b) { return a->x() < b->x(); });
        return boxes;
    }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (QLineEdit* box : Boxes()) texts.push_back(box->text().toStdString());
        return texts;
    }
    int FocusedColumn() {
        const std::vector<QLineEdit*> boxes = Boxes();
        const auto found = std::find(boxes.begin(), boxes.end(), form.Widget()->focusWidget());
        return found == boxes.end() ? -1 : static_cast<int>(found - boxes.begin());
    }
    QLineEdit* FocusedBox() { return Boxes().at(FocusedColumn()); }
    void DoubleClick(int row, int column) {
        QTest::mouseDClick(form.Window(), Qt::LeftButton, {}, CellPos(form, table, row, column));
    }
    void Replace(const char* text) {
        FocusedBox()->selectAll();
        QTest::keyClicks(FocusedBox(), text);
    }
    QColor Background(int row) {
        QAbstractItemModel* model = ViewOf(table)->model();
        return model->data(model->index(row, 1), Qt::BackgroundRole).value<QBrush>().color();
    }

    TestForm form;
    ThiStringTable table{form.Parent()};
    Recorder log;
};

TEST_F(ListEditTest, DoubleClickOpensOneBoxPerCellWithTheClickedColumnFocused) {
    DoubleClick(2, 2);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:2", "0:2"}));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "p2", "v2", "c2"}));
    EXPECT_EQ(FocusedColumn(), 2);
    QTableView* view = ViewOf(table);
    const std::vector<QLineEdit*> boxes = Boxes();
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(boxes[column]->geometry(), view->visualRect(view->model()->index(2, column))) << column;
}

TEST_F(ListEditTest, BoxesHaveAFrameAndABackgroundThatStandsOutFromTheRow) {
    DoubleClick(2, 1);
    const QColor rowColour = Background(2);
    const QColor viewColour = ViewOf(table)->palette().color(QPalette::Base);
    ASSERT_EQ(Boxes().size(), 4u);
    for (QLineEdit* box : Boxes()) {
        EXPECT_TRUE(box->hasFrame());
        const QColor boxColour = box->palette().color(QPalette::Base);
        EXPECT_NE(boxColour, rowColour);
        EXPECT_NE(boxColour, viewColour);
    }
}

TEST_F(ListEditTest, EnterSavesTheEditedCellKeepsTheColourAndReopensOnTheSameRow) {
    DoubleClick(2, 1);
    const QColor colour = Background(2);
    Replace("name");
    QTest::keyClick(FocusedBox(), Qt::Key_Return);
    EXPECT_EQ(AllRows(table)[2], "key\tname\tv2\tc2");
    EXPECT_EQ(Background(2), colour);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "name", "v2", "c2"}));
    EXPECT_EQ(FocusedColumn(), 1);
    Settle();  // onEndEdit is posted
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:2", "0:2", "0:2", "1:2"}));
}

TEST_F(ListEditTest, EscLeavesEveryCellAsItWas) {
    DoubleClick(4, 3);
    Replace("changed");
    QTest::keyClick(FocusedBox(), Qt::Key_Escape);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(AllRows(table)[4], "key\tp4\tv4\tc4");
    Settle();
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:4", "0:4"}));
    EXPECT_EQ(form.Widget()->focusWidget(), ViewOf(table));
}

TEST_F(ListEditTest, UpAndDownSaveMoveTheSelectionAndReopenInTheSameColumn) {
    DoubleClick(2, 3);
    Replace("note");
    QTest::keyClick(FocusedBox(), Qt::Key_Down);
    EXPECT_EQ(AllRows(table)[2], "key\tp2\tv2\tnote");
    EXPECT_EQ(SelectedIndex(table), 3);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "p3", "v3", "c3"}));
    EXPECT_EQ(FocusedColumn(), 3);

    Replace("x");
    QTest::keyClick(FocusedBox(), Qt::Key_Up);
    EXPECT_EQ(AllRows(table)[3], "key\tp3\tv3\tx");
    EXPECT_EQ(SelectedIndex(table), 2);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "p2", "v2", "note"}));
    Settle();
    EXPECT_EQ(log.Trace(),
              (std::vector<std::string>{"2:2", "0:2", "2:3", "0:3", "2:2", "0:2", "1:2", "1:3"}));
}

TEST_F(ListEditTest, AClickInTheListSavesAndClosesAndEnterOpensAgain) {
    DoubleClick(2, 1);
    Replace("clicked");
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, CellPos(form, table, 6, 0));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(AllRows(table)[2], "key\tclicked\tv2\tc2");
    EXPECT_EQ(SelectedIndex(table), 6);

    QTest::keyClick(ViewOf(table), Qt::Key_Return);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "p6", "v6", "c6"}));
    Settle();
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:2", "0:2", "2:6", "1:2", "0:6"}));
}

TEST_F(ListEditTest, AnotherKeyInTheListSavesLetsTheListMoveAndReopens) {
    DoubleClick(2, 1);
    Replace("keyed");
    QTest::keyClick(ViewOf(table), Qt::Key_Down);
    EXPECT_EQ(AllRows(table)[2], "key\tkeyed\tv2\tc2");
    EXPECT_EQ(SelectedIndex(table), 3);
    Settle();  // the editor reopens after the list has handled the key
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "p3", "v3", "c3"}));
    EXPECT_EQ(FocusedColumn(), 1);
}

TEST_F(ListEditTest, ACyrillicKeyInTheListSavesAndReopensAsAnyOtherKey) {
    DoubleClick(2, 1);
    Replace("keyed");
    log.calls.clear();
    ViewOf(table)->setFocus();
    QTest::sendKeyEvent(QTest::Click, ViewOf(table), Qt::Key_unknown, QString::fromUtf8("ж"), Qt::NoModifier);
    EXPECT_EQ(AllRows(table)[2], "key\tkeyed\tv2\tc2");
    Settle();
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:2", "0:2"}));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"key", "keyed", "v2", "c2"}));
}

TEST_F(ListEditTest, TextThatWouldBreakTheRowIsStoredSafely) {
    struct Case {
        const char* typed;  // UTF-8, as pasted
        const char* cell;   // UTF-8 of the stored cp1251 cell
    };
    const Case cases[] = {
        {"a\tb", "a b"},                // a TAB would split the cell in two
        {"line1\r\nline2", "line1  line2"},
        {"✓ ok", " ok"},                // not in code page 1251: refused
        {"имя", "имя"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Call(table, &ThiStringTable::doSelect, 5);
        QTest::keyClick(ViewOf(table), Qt::Key_Return);
        ASSERT_EQ(Boxes().size(), 4u);
        Boxes()[1]->setText(QString::fromUtf8(c.typed));
        QTest::keyClick(Boxes()[1], Qt::Key_Return);
        EXPECT_EQ(AllRows(table)[5], "key\t" + Cp(c.cell).str() + "\tv5\tc5");
        QTest::keyClick(FocusedBox(), Qt::Key_Escape);
    }
}

TEST_F(ListEditTest, ACharacterCp1251CannotHoldIsRefusedAndShownOnItsBox) {
    DoubleClick(2, 1);
    FocusedBox()->end(false);
    const auto type = [this](const char* utf8) {
        QTest::sendKeyEvent(QTest::Click, FocusedBox(), Qt::Key_unknown, QString::fromUtf8(utf8), Qt::NoModifier);
    };
    type("✓");
    EXPECT_EQ(FocusedBox()->text(), QString("p2"));
    EXPECT_TRUE(FocusedBox()->toolTip().contains(QString::fromUtf8("✓")));
    type("ж");
    QTest::keyClick(FocusedBox(), Qt::Key_Return);
    EXPECT_EQ(AllRows(table)[2], "key\t" + Cp("p2ж").str() + "\tv2\tc2");
}

TEST_F(ListEditTest, CellsTheUserDidNotEditKeepTheirBytes) {
    // 0x98 has no character in code page 1251: shown, it could not be written back as it was.
    AddRow(table, "0#0\tkey\tname\tvalue\tnote \x98");
    Call(table, &ThiStringTable::doSelect, 10);
    QTest::keyClick(ViewOf(table), Qt::Key_Return);
    ASSERT_EQ(Boxes().size(), 4u);
    Boxes()[2]->setText("edited");
    QTest::keyClick(Boxes()[2], Qt::Key_Return);
    EXPECT_EQ(AllRows(table)[10], "key\tname\tedited\tnote \x98");
}

TEST_F(ListEditTest, ChangingTheRowsSavesTheEditIntoItsOwnRowFirst) {
    DoubleClick(2, 1);
    Replace("kept");
    Call(table, &ThiStringTable::doInsert, 0);  // Str unconnected: an empty row on top
    EXPECT_TRUE(Boxes().empty());
    const std::vector<std::string> rows = AllRows(table);
    EXPECT_EQ(rows[0], "\t\t\t");
    EXPECT_EQ(rows[2], "key\tp1\tv1\tc1");
    EXPECT_EQ(rows[3], "key\tkept\tv2\tc2");
}

using ListEditHoverTest = UiTest;

TEST_F(ListEditHoverTest, HoverLeavesTheSelectionAloneWhileTheEditorIsOpen) {
    TestForm form;
    ThiStringTable table{form.Parent()};
    ConfigureMainTable(table);
    table.Init();
    for (int i = 0; i < 10; ++i) AddRow(table, "0#0\tkey\tp" + std::to_string(i) + "\t\t");
    ASSERT_TRUE(form.Start());
    Settle();
    Call(table, &ThiStringTable::doSelect, 2);
    QTest::keyClick(ViewOf(table), Qt::Key_Return);
    QTest::mouseMove(form.Window(), CellPos(form, table, 6, 0));
    QTest::qWait(3 * TableHoverSelect::kRestTime);
    EXPECT_EQ(SelectedIndex(table), 2);
    EXPECT_FALSE(ViewOf(table)->viewport()->findChildren<QLineEdit*>().isEmpty());
}

}  // namespace
