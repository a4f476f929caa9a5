// The list box, the combo box and the memo, driven through their widgets.
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolTip>

#include "UiTestSupport.h"
#include "components/window/THIComboBox.h"
#include "components/window/THIListBox.h"
#include "components/window/THIMemo.h"

namespace {

// Reads a value point when called, as the file panel reads the list's Index on a double click.
struct IndexOnEvent {
    THI_Event Index;
    std::vector<int32_t> read;
    void doEvent(TData&, uint16_t) { read.push_back(PullInteger(Index)); }
};

class ListBoxTest : public UiTest {
protected:
    void Build(const Bytes& strings) {
        list.Left = 5;
        list.Top = 5;
        list.Width = 130;
        list.Height = 250;
        list.Strings = strings;
        list.onDblClick = log.At(0);
        list.onChange = log.At(1);
        list.onClick = log.At(2);
        list.Init();
        ASSERT_TRUE(form.Start());
    }
    QListWidget* Widget() { return list.Control->As<QListWidget>(); }
    int32_t Index() {
        TData d;
        list.Index(d, 0);
        return d.IntValue;
    }
    QPoint ItemPos(int row) {
        const QRect r = Widget()->visualItemRect(Widget()->item(row));
        return Widget()->viewport()->mapTo(form.Widget(), r.center());
    }

    TestForm form;
    THIListBox list{form.Parent()};
    Recorder log;
};

TEST_F(ListBoxTest, DoubleClickRaisesTheButtonAndIndexGivesTheClickedItem) {
    Build("a.ltx\r\nb.ltx\r\nc.ltx");
    IndexOnEvent reader;
    reader.Index = Point<&THIListBox::Index>(list);
    list.onDblClick = Point<&IndexOnEvent::doEvent>(reader);

    QTest::mouseDClick(form.Window(), Qt::LeftButton, {}, ItemPos(1));
    EXPECT_EQ(reader.read, (std::vector<int32_t>{1}));

    Recorder buttons;
    list.onDblClick = buttons.At();
    QTest::mouseDClick(form.Window(), Qt::RightButton, {}, ItemPos(2));
    EXPECT_EQ(buttons.Trace(), (std::vector<std::string>{"0:1"}));
}

TEST_F(ListBoxTest, FilledFromStringsWithTheLinesInOrder) {
    Build(Cp("стандарт\r\nсверху\nв центре\r\n"));
    ASSERT_EQ(Widget()->count(), 3);
    EXPECT_EQ(Widget()->item(1)->text(), QString::fromUtf8("сверху"));
    EXPECT_EQ(Widget()->item(2)->text(), QString::fromUtf8("в центре"));
    EXPECT_EQ(Index(), -1);
}

TEST_F(ListBoxTest, AddAndClearRaiseChangeOnlyAndLeaveNoCurrentItem) {
    Build(Bytes());
    EXPECT_EQ(Widget()->count(), 0);
    TData first = StringData("one"), second = StringData("two");
    list.doAdd(first, 0);
    list.doAdd(second, 0);
    EXPECT_EQ(Widget()->count(), 2);
    EXPECT_EQ(Index(), -1);
    TData none;
    list.doClear(none, 0);
    EXPECT_EQ(Widget()->count(), 0);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:-", "1:-", "1:-"}));
}

TEST_F(ListBoxTest, SelectAddedMakesTheNewItemCurrentWithoutClick) {
    list.SelectAdded = true;
    Build("a\r\nb");
    TData added = StringData("c");
    list.doAdd(added, 0);
    EXPECT_EQ(Index(), 2);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:-"}));
}

TEST_F(ListBoxTest, SortedSelectAddedMakesTheLastItemCurrent) {
    list.Sort = true;
    list.SelectAdded = true;
    Build("b\r\nc");
    TData added = StringData("a");
    list.doAdd(added, 0);
    EXPECT_EQ(Widget()->item(0)->text(), QString("a"));
    EXPECT_EQ(Index(), 2);
}

TEST_F(ListBoxTest, CtrlClickKeepsTheCurrentItemOfASingleSelectionList) {
    Build("a\r\nb");
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, ItemPos(0));
    QTest::mouseClick(form.Window(), Qt::LeftButton, Qt::ControlModifier, ItemPos(0));
    EXPECT_EQ(Index(), 0);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:0"}));
}

TEST_F(ListBoxTest, UserClickRaisesIndexOrTextBySelectMode) {
    list.SelectMode = 1;
    Build(Cp("файл.ltx\r\nb.ltx"));
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, ItemPos(0));
    ASSERT_EQ(log.Count(), 1u);
    EXPECT_EQ(ToString(log.calls[0].value), Cp("файл.ltx"));
}

TEST_F(ListBoxTest, AValueChainedBehindTheItemIsItsTooltip) {
    list.Hint = "list hint";
    Build(Bytes());
    TData path = StringData("/mods/configs/a.ltx");
    TData name = StringData("a");
    name.Next = &path;
    list.doAdd(name, 0);
    TData alone = StringData("b");
    list.doAdd(alone, 0);
    const QString expected[] = {"/mods/configs/a.ltx", "list hint"};
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        const QPoint at = Widget()->visualItemRect(Widget()->item(row)).center();
        QHelpEvent help(QEvent::ToolTip, at, Widget()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(Widget()->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), expected[row]);
        QToolTip::hideText();
    }
    EXPECT_EQ(Widget()->item(0)->text(), "a");
}

class ComboBoxTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        combo.Left = 5;
        combo.Top = 325;
        combo.Width = 130;
        combo.Height = 21;
        combo.Text = "ComboBox";
        combo.Strings = Cp("стандарт\r\nсверху\r\nв центре\r\nвнизу");
        combo.onClick = log.At();
        combo.Init();
        ASSERT_TRUE(form.Start());
    }
    QComboBox* Widget() { return combo.Control->As<QComboBox>(); }
    int32_t Index() {
        TData d;
        combo.Index(d, 0);
        return d.IntValue;
    }

    TestForm form;
    THIComboBox combo{form.Parent()};
    Recorder log;
};

TEST_F(ComboBoxTest, StartsWithoutCurrentItem) {
    EXPECT_EQ(Widget()->count(), 4);
    EXPECT_EQ(Index(), -1);
    EXPECT_EQ(log.Count(), 0u);
}

TEST_F(ComboBoxTest, SelectStringPicksFirstCaseInsensitivePrefixMatchSilently) {
    struct Case {
        const char* text;
        int32_t index;  // expected current item afterwards
    };
    const Case cases[] = {
        {"в центре", 2}, {"ВНИ", 3}, {"с", 0}, {"Св", 1}, {"нет такого", 1}, {"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TData d = StringData(Cp(c.text));
        combo.doSelectString(d, 0);
        EXPECT_EQ(Index(), c.index);
    }
    EXPECT_EQ(log.Count(), 0u);
}

TEST_F(ComboBoxTest, UserPickRaisesClickWithTheIndex) {
    TData centre = StringData(Cp("в центре"));
    combo.doSelectString(centre, 0);
    EXPECT_EQ(Widget()->currentText(), QString::fromUtf8("в центре"));
    EXPECT_EQ(log.Count(), 0u);

    Widget()->showPopup();
    QAbstractItemView* view = Widget()->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(Widget()->currentText(), QString::fromUtf8("внизу"));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:3"}));
}

class EditableComboBoxTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        combo.Width = 130;
        combo.Height = 21;
        combo.Editable = true;
        combo.Text = "typed";
        combo.Strings = "one\r\ntwo";
        combo.onClick = log.At();
        combo.Init();
        ASSERT_TRUE(form.Start());
    }
    QComboBox* Widget() { return combo.Control->As<QComboBox>(); }

    TestForm form;
    THIComboBox combo{form.Parent()};
    Recorder log;
};

TEST_F(EditableComboBoxTest, EnterAddsNoItemAndTheTextStays) {
    EXPECT_EQ(Widget()->currentText(), QString("typed"));
    Widget()->lineEdit()->setFocus();
    QTest::keyClicks(Widget()->lineEdit(), " more");
    QTest::keyClick(Widget()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Widget()->count(), 2);
    EXPECT_EQ(Widget()->currentText(), QString("typed more"));
    EXPECT_EQ(log.Count(), 0u);
}

TEST_F(EditableComboBoxTest, ClearEmptiesTheEditFieldToo) {
    TData none;
    combo.doClear(none, 0);
    EXPECT_EQ(Widget()->count(), 0);
    EXPECT_EQ(Widget()->currentText(), QString());
}

TEST_F(EditableComboBoxTest, ACharacterCp1251CannotHoldIsRefusedAndShownOnTheEditField) {
    QLineEdit* field = Widget()->lineEdit();
    const QColor plain = field->palette().color(QPalette::Base);
    field->setFocus();
    field->end(false);
    for (const char* typed : {"ж", "✓"})
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUtf8(typed), Qt::NoModifier);
    EXPECT_EQ(Widget()->currentText(), QString::fromUtf8("typedж"));
    EXPECT_NE(field->palette().color(QPalette::Base), plain);
    EXPECT_EQ(field->toolTip(), QString::fromUtf8("Символ «✓» нельзя записать в cp1251."));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->palette().color(QPalette::Base), plain);
}

class MemoTest : public UiTest {
protected:
    void Build(const Bytes& text, uint8_t readOnly) {
        memo.Width = 370;
        memo.Height = 205;
        memo.ScrollBars = 0;
        memo.Text = text;
        memo.ReadOnly = readOnly;
        memo.onChange = log.At();
        memo.Init();
        ASSERT_TRUE(form.Start());
    }
    QPlainTextEdit* Widget() { return memo.Control->As<QPlainTextEdit>(); }

    TestForm form;
    THIMemo memo{form.Parent()};
    Recorder log;
};

TEST_F(MemoTest, ReadOnlyIndexZeroCannotBeEditedByTyping) {
    Build(Cp("Морвейн 1.0\r\n\r\nСпасибо\r\n"), 0);
    Widget()->setFocus();
    QTest::keyClicks(Widget(), "abc");
    QTest::keyClick(Widget(), Qt::Key_Backspace);
    QTest::keyClick(Widget(), Qt::Key_Return);
    EXPECT_EQ(Widget()->toPlainText(), QString::fromUtf8("Морвейн 1.0\n\nСпасибо\n"));
    EXPECT_EQ(log.Count(), 0u);
}

TEST_F(MemoTest, UserEditRaisesTheWholeTextWithCrLf) {
    Build("a\r\nb", 1);
    EXPECT_EQ(log.Count(), 0u);
    Widget()->moveCursor(QTextCursor::End);
    QTest::keyClick(Widget(), Qt::Key_C);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:a\r\nbc"}));
}

TEST_F(MemoTest, AddStartsANewLineOnlyAfterANonEmptyOne) {
    Build(Bytes(), 1);
    struct Case {
        const char* added;
        const char* text;  // the memo's text afterwards
    };
    const Case cases[] = {{"one", "one"}, {"two", "one\ntwo"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.added);
        TData d = StringData(c.added);
        memo.doAdd(d, 0);
        EXPECT_EQ(Widget()->toPlainText(), QString::fromUtf8(c.text));
    }
    Widget()->setPlainText("line\n");
    TData d = StringData("three");
    memo.doAdd(d, 0);
    EXPECT_EQ(Widget()->toPlainText(), QString("line\nthree"));
}

TEST_F(MemoTest, ACharacterCp1251CannotHoldIsRefusedTypedOrPastedAndShownUntilTheNextChange) {
    memo.Hint = "memo hint";
    Build("a", 1);
    const QColor plain = Widget()->palette().color(QPalette::Base);
    Widget()->setFocus();
    Widget()->moveCursor(QTextCursor::End);
    QTest::sendKeyEvent(QTest::Click, Widget(), Qt::Key_unknown, QString::fromUtf8("✓"), Qt::NoModifier);
    EXPECT_EQ(Widget()->toPlainText(), "a");
    EXPECT_EQ(log.Count(), 0u);  // nothing changed
    EXPECT_NE(Widget()->palette().color(QPalette::Base), plain);
    EXPECT_EQ(Widget()->toolTip(), QString::fromUtf8("Символ «✓» нельзя записать в cp1251."));
    Widget()->insertPlainText(QString::fromUtf8("б日в\n"));  // as a paste: the rest is kept
    EXPECT_EQ(Widget()->toPlainText(), QString::fromUtf8("aбв\n"));
    EXPECT_EQ(Widget()->textCursor().position(), 4);
    EXPECT_EQ(Widget()->toolTip(), QString::fromUtf8("Символ «日» нельзя записать в cp1251."));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:" + Cp("aбв\r\n").str()}));
    QTest::keyClick(Widget(), Qt::Key_X);
    EXPECT_EQ(Widget()->palette().color(QPalette::Base), plain);
    EXPECT_EQ(Widget()->toolTip(), "memo hint");
    Widget()->undo();
    Widget()->undo();  // the paste and the refusal are one step: the refused character never comes back
    EXPECT_EQ(Widget()->toPlainText(), "a");
}

}  // namespace
