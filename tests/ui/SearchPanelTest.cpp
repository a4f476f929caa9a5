// The search strip: typing and the button walk the rows from the current one, up or down, by
// name prefix or anywhere in the line, through its real check boxes, radio buttons and box.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "UiTestSupport.h"
#include "components/window/StringTableRows.h"
#include "runtime/MultiElement.h"
#include "scheme/TClassChildPanel_1B60E80.h"

namespace {

// Stands in for the main table: its rows, its current row, and doSelect.
struct TableDouble {
    TStringTableRows rows;
    int32_t current = -1;
    std::vector<int32_t> selected;

    TableDouble() {
        rows.Delimiter = '\t';
        rows.ColorPrefix = true;
        for (const char* c : {"type", "parameter", "value", "comment"}) rows.AddColumn(c);
    }
    void doSelect(TData& d, uint16_t) {
        current = ToInteger(d);
        selected.push_back(current);
    }
    void Array(TData& d, uint16_t) { SetArray(d, rows.Array()); }
    void SelectedIndex(TData& d, uint16_t) { SetInteger(d, current); }
    void Count(TData& d, uint16_t) { SetInteger(d, rows.Count()); }
};

class SearchPanelTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        for (const char* row : {"0#0\tkey\tammo\t5\t", "0#16707055\tsec\t[s]\t\t", "0#0\tkey\tammo_type\tx\t"})
            table.rows.AddOrReplace(row, -1, false);
        box.SetFactory(&MakeScheme<TClassChildPanel_1B60E80>);
        box.SetEventCount(1);
        box.SetDataCount(3);
        box.EventPoints[0] = Point<&TableDouble::doSelect>(table);
        box.DataPoints[0] = Point<&TableDouble::Array>(table);
        box.DataPoints[1] = Point<&TableDouble::SelectedIndex>(table);
        box.DataPoints[2] = Point<&TableDouble::Count>(table);
        ASSERT_TRUE(form.Start());
        panel = static_cast<TClassChildPanel_1B60E80*>(box.Inner->Scheme);
    }

    QLineEdit* SearchBox() { return panel->SearchBox.Control->As<QLineEdit>(); }
    void Click(THIWin& control) {
        QTest::mouseClick(form.Window(), Qt::LeftButton, {}, form.CentreOf(control.Control->Widget()));
    }
    void Type(const char* text) { QTest::keyClicks(SearchBox(), text); }
    void Erase(int count) {
        for (int i = 0; i < count; ++i) QTest::keyClick(SearchBox(), Qt::Key_Backspace);
    }
    void Start(int32_t current) {
        table.current = current;
        table.selected.clear();
    }

    TestForm form;
    THIMultiElement box{form.Parent()};
    TClassChildPanel_1B60E80* panel = nullptr;
    TableDouble table;
};

TEST_F(SearchPanelTest, StartsWithQuickSearchDownwardsByName) {
    EXPECT_TRUE(panel->QuickSearchBox.Control->As<QCheckBox>()->isChecked());
    EXPECT_FALSE(panel->WholeLineBox.Control->As<QCheckBox>()->isChecked());
    EXPECT_TRUE(panel->DownRadio.Control->As<QRadioButton>()->isChecked());
    EXPECT_FALSE(panel->UpRadio.Control->As<QRadioButton>()->isChecked());
}

TEST_F(SearchPanelTest, QuickSearchKeepsAMatchingCurrentRow) {
    Start(0);
    Type("a");
    Type("m");
    EXPECT_EQ(table.selected, (std::vector<int32_t>{0, 0}));
    Type("mo_");
    EXPECT_EQ(table.current, 2);
    Type("X");  // no row matches: nothing is selected, the current row stays
    EXPECT_EQ(table.current, 2);
    EXPECT_EQ(table.selected.size(), 5u);
}

TEST_F(SearchPanelTest, WithoutQuickSearchTheWalkStartsBelowAndTheButtonSteps) {
    Click(panel->QuickSearchBox);
    Start(0);
    Type("a");
    EXPECT_EQ(table.selected, (std::vector<int32_t>{2}));
    Click(panel->SearchButton);  // nothing below row 2
    EXPECT_EQ(table.current, 2);
    EXPECT_EQ(table.selected.size(), 1u);
}

TEST_F(SearchPanelTest, UpwardsSkipsRowZeroOnlyInQuickSearch) {
    Click(panel->UpRadio);
    Start(1);
    Type("ammo");
    EXPECT_TRUE(table.selected.empty());  // row 1 is no parameter, row 0 is not examined
    Click(panel->SearchButton);           // from the row before: row 0
    EXPECT_EQ(table.selected, (std::vector<int32_t>{0}));
}

TEST_F(SearchPanelTest, PrefixSearchIsCaseSensitiveAndAnEmptyTextMatchesTheFirstParameter) {
    Start(1);
    Type("Ammo");
    EXPECT_TRUE(table.selected.empty());
    Erase(4);  // the empty text: the first parameter row at or below the current one
    EXPECT_EQ(table.current, 2);
}

TEST_F(SearchPanelTest, WholeLineSearchLooksAnywhereInTheRow) {
    Click(panel->WholeLineBox);
    Start(1);
    Type("5");
    EXPECT_TRUE(table.selected.empty());  // row 0 holds it, but the walk goes down from row 1
    Start(0);
    Erase(1);  // an empty text matches nothing in the whole line
    EXPECT_TRUE(table.selected.empty());
    Type("x");
    EXPECT_EQ(table.selected, (std::vector<int32_t>{2}));
    Start(0);
    Erase(1);
    Type("key");
    EXPECT_EQ(table.selected.front(), 0);
}

TEST_F(SearchPanelTest, ACharacterCp1251CannotHoldIsRefusedAndTheSearchGoesOn) {
    Start(0);
    QTest::keyClicks(SearchBox(), "ammo");
    QTest::sendKeyEvent(QTest::Click, SearchBox(), Qt::Key_unknown, QString::fromUtf8("✓"), Qt::NoModifier);
    EXPECT_EQ(SearchBox()->text(), QString("ammo"));
    EXPECT_TRUE(SearchBox()->toolTip().contains(QString::fromUtf8("✓")));
    Type("_");
    EXPECT_EQ(table.current, 2);
}

TEST_F(SearchPanelTest, ASearchThatFindsNothingKeepsTheRowAndMarksTheBoxUntilTheNextChange) {
    Start(0);
    const QColor plain = SearchBox()->palette().color(QPalette::Base);
    Type("ammo_");
    ASSERT_EQ(table.current, 2);
    Type("x");
    EXPECT_EQ(table.current, 2);
    EXPECT_EQ(table.selected.back(), 2);
    EXPECT_NE(SearchBox()->palette().color(QPalette::Base), plain);
    EXPECT_EQ(SearchBox()->toolTip(), QString::fromUtf8("Ничего не найдено."));
    Erase(1);  // "ammo_" still matches the current row
    EXPECT_EQ(SearchBox()->palette().color(QPalette::Base), plain);
    EXPECT_EQ(SearchBox()->toolTip(), QString::fromUtf8("поиск работает только для строк с параметрами"));
}

TEST_F(SearchPanelTest, CtrlFFocusesTheBoxAndF3AndShiftF3SearchDownAndUp) {
    Start(0);
    panel->SearchButton.Control->Widget()->setFocus();
    QTest::keyClick(form.Window(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), SearchBox());
    Type("ammo");
    ASSERT_EQ(table.current, 0);
    struct Case {
        Qt::KeyboardModifiers modifiers;
        int32_t current;
        bool marked;
    };
    // UpRadio stays unchecked and DownRadio checked: the keys choose the direction themselves.
    const Case cases[] = {{Qt::NoModifier, 2, false}, {Qt::NoModifier, 2, true}, {Qt::ShiftModifier, 0, false}};
    const QColor plain = SearchBox()->palette().color(QPalette::Base);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        QTest::keyClick(form.Window(), Qt::Key_F3, c.modifiers);
        EXPECT_EQ(table.current, c.current);
        EXPECT_EQ(SearchBox()->palette().color(QPalette::Base) != plain, c.marked);
    }
}

TEST_F(SearchPanelTest, NothingHappensOnAnEmptyTableOrWithoutCurrentRowUpwards) {
    Click(panel->UpRadio);
    Start(-1);
    Type("ammo");
    EXPECT_TRUE(table.selected.empty());
    table.rows.Clear();
    Click(panel->DownRadio);
    Start(0);
    Erase(1);
    EXPECT_TRUE(table.selected.empty());
}

}  // namespace
