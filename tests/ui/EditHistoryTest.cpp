// Undo and redo in the editor, through its real keys: cell edits, inserted and deleted rows go
// back and come again, the unsaved mark follows, the table of contents stays right, the row
// editor is never left open on old text, and a save after undo writes what the table shows.
#include <QCheckBox>
#include <QLineEdit>

#include "EditorWindow.h"
#include "MessageBoxes.h"

namespace {

class EditHistoryTest : public TwoFilesTest {
protected:
    void SetUp() override {
        TwoFilesTest::SetUp();
        DoubleClickName(0);
    }
    void Undo() { Keys(Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

    // Opens the row editor with a double click on the cell; answers the focused box.
    QLineEdit* OpenEditorAt(int row, int column) {
        QTest::mouseDClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), row, column));
        Settle();
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }
    static void Retype(QLineEdit* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    bool EditorOpen() {
        for (QLineEdit* box : MainView()->viewport()->findChildren<QLineEdit*>())
            if (box->isVisible()) return true;
        return false;
    }
    // Column `column` of every main-table row, joined by "|".
    std::string Column(int column) {
        std::string out;
        for (int row = 0; row < Rows(); ++row) out += (row ? "|" : "") + Cell(MainView(), row, column);
        return out;
    }
    std::string Contents() {
        std::string out;
        for (int row = 0; row < ContentsView()->model()->rowCount(); ++row)
            out += (row ? " " : "") + Cell(ContentsView(), row, 0) + "+" + Cell(ContentsView(), row, 1);
        return out;
    }
    // Chooses the section in the table of contents; answers the main table's selected row.
    int JumpTo(int entry) {
        QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), entry, 1));
        Settle();
        return SelectedRow(MainView());
    }
};

TEST_F(EditHistoryTest, CellEditsGoBackAndComeAgainWithTheKeys) {
    ASSERT_EQ(Column(2), "|1||2");
    QLineEdit* value = OpenEditorAt(1, 2);
    ASSERT_NE(value, nullptr);
    Retype(value, "5");
    QLineEdit* comment = MainView()->viewport()->findChildren<QLineEdit*>().at(3);
    Retype(comment, "changed");
    QTest::keyClick(comment, Qt::Key_Return);  // written, and the editor opens again on the row
    Settle();
    ASSERT_TRUE(EditorOpen());
    ASSERT_EQ(Column(2), "|5||2");
    ASSERT_EQ(Cell(MainView(), 1, 3), "changed");
    EXPECT_TRUE(Modified());

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    struct Step {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* values;
        const char* comment;
        bool modified;
        int selected;  // the row undone or redone; with nothing to do, the row selected before
    } steps[] = {
        {"Ctrl+Z: both cells of the closing at once", Qt::Key_Z, ctrl, "|1||2", " one", false, 1},
        {"Ctrl+Z with nothing left", Qt::Key_Z, ctrl, "|1||2", " one", false, 3},
        {"Ctrl+Shift+Z", Qt::Key_Z, ctrlShift, "|5||2", "changed", true, 1},
        {"Ctrl+Shift+Z with nothing left", Qt::Key_Z, ctrlShift, "|5||2", "changed", true, 3},
        {"Ctrl+Z again", Qt::Key_Z, ctrl, "|1||2", " one", false, 1},
        {"Ctrl+Y", Qt::Key_Y, ctrl, "|5||2", "changed", true, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        SelectMain(3);
        Keys(step.key, step.modifiers);
        EXPECT_EQ(Column(2), step.values);
        EXPECT_EQ(Cell(MainView(), 1, 3), step.comment);
        EXPECT_EQ(Modified(), step.modified);
        EXPECT_EQ(SelectedRow(MainView()), step.selected);
    }
}

TEST_F(EditHistoryTest, TheCommentBoxShowsTheSelectedRowsCommentThroughEditsUndoAndRedo) {
    auto* commentBox = Tables().CommentBox.Control->As<QLineEdit>();
    SelectMain(1);
    ASSERT_EQ(commentBox->text(), QString(" one"));
    QLineEdit* box = OpenEditorAt(1, 3);
    ASSERT_NE(box, nullptr);
    Retype(box, "changed");
    QTest::keyClick(box, Qt::Key_Return);  // written; the editor opens again on the row
    Settle();
    EXPECT_EQ(commentBox->text(), QString("changed"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    Settle();
    ASSERT_FALSE(EditorOpen());

    struct Step {
        const char* name;
        bool undo;
        const char* comment;
    } steps[] = {
        {"undo", true, " one"},
        {"redo", false, "changed"},
        {"undo again", true, " one"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.undo ? Undo() : Redo();
        ASSERT_EQ(SelectedRow(MainView()), 1);  // selected all along: no new selection tells the box
        EXPECT_EQ(commentBox->text(), QString(step.comment));
    }
}

TEST_F(EditHistoryTest, TheRowEditorKeepsItsOwnTypingAndIsNeverLeftOnOldText) {
    QLineEdit* box = OpenEditorAt(1, 2);
    ASSERT_NE(box, nullptr);
    Retype(box, "5");
    QTest::keyClick(box, Qt::Key_Return);
    Settle();
    box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->text(), QString("5"));
    QTest::keyClicks(box, "7");
    Undo();  // the box's own typing first
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(box->text(), QString("5"));
    EXPECT_EQ(Column(2), "|5||2");
    Undo();  // then the table's step: the editor closes, the cell is as read
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Column(2), "|1||2");
    EXPECT_FALSE(Modified());

    // Typing left in an editor open on another row while the keys are pressed elsewhere is
    // written first, as a step of its own, and that step is the one undone.
    box = OpenEditorAt(3, 2);
    ASSERT_NE(box, nullptr);
    Retype(box, "9");
    FileList()->setFocus();
    Undo();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Column(2), "|1||2");
    Redo();
    EXPECT_EQ(Column(2), "|1||9");
    EXPECT_TRUE(Modified());
}

TEST_F(EditHistoryTest, InsertedAndDeletedRowsGoBackWithTheirContentsEntries) {
    ASSERT_EQ(Contents(), "0+first 2+second");
    MenuOnRow(0, 3);  // delete "[first]": its entry goes
    MenuOnRow(1, 1);  // a new section above "[second]", which moves down
    const std::string withSection = Cp("key|секция|[second]|other").str();
    ASSERT_EQ(Column(1), withSection);
    ASSERT_EQ(Contents(), "2+second");

    struct Step {
        const char* name;
        bool undo;
        std::string rows;
        const char* contents;
        int selected;
    } steps[] = {
        {"the insert undone", true, "key|[second]|other", "1+second", 1},
        {"the delete undone", true, "[first]|key|[second]|other", "0+first 2+second", 0},
        {"the delete redone", false, "key|[second]|other", "1+second", 0},
        {"the insert redone", false, withSection, "2+second", 1},
        {"both undone again", true, "key|[second]|other", "1+second", 1},
        {"", true, "[first]|key|[second]|other", "0+first 2+second", 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.undo ? Undo() : Redo();
        EXPECT_EQ(Column(1), step.rows);
        EXPECT_EQ(Contents(), step.contents);
        EXPECT_EQ(SelectedRow(MainView()), step.selected);
    }
    EXPECT_FALSE(Modified());
    EXPECT_EQ(JumpTo(1), 2);
    EXPECT_EQ(JumpTo(0), 0);
}

TEST_F(EditHistoryTest, ASaveAfterUndoWritesTheUndoneTableKeepingUntouchedLinesByteForByte) {
    MessageBoxAnswerer boxes;
    QTest::mouseClick(FilePanel().KeepLinesBox.Control->As<QCheckBox>(), Qt::LeftButton);
    QLineEdit* box = OpenEditorAt(1, 2);
    ASSERT_NE(box, nullptr);
    Retype(box, "5");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    Settle();
    MenuOnRow(3, 3);
    MenuOnRow(0, 2);
    Keys(Qt::Key_S, Qt::ControlModifier);
    const QByteArray edited = ReadAll(first);
    ASSERT_NE(edited, kFirst);
    ASSERT_FALSE(Modified());

    Undo();
    EXPECT_TRUE(Modified());
    Redo();  // back where it was saved: unmarked
    EXPECT_FALSE(Modified());

    for (int i = 0; i < 3; ++i) Undo();
    EXPECT_TRUE(Modified());
    Keys(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadAll(first), kFirst);  // the edited row is untouched again, the deleted one back
    EXPECT_FALSE(Modified());

    for (int i = 0; i < 3; ++i) Redo();
    EXPECT_TRUE(Modified());
    Keys(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadAll(first), edited);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(EditHistoryTest, EveryOpenStartsWithAnEmptyHistory) {
    MessageBoxAnswerer boxes({QString::fromUtf8("Не сохранять")});
    Undo();
    EXPECT_EQ(Column(1), "[first]|key|[second]|other");
    MenuOnRow(0, 0);
    DoubleClickName(1);  // "Не сохранять"
    ASSERT_EQ(boxes.texts.size(), 1u);
    ASSERT_EQ(Column(1), "|[b]|x");
    Undo();
    EXPECT_EQ(Column(1), "|[b]|x");
    EXPECT_FALSE(Modified());
    MenuOnRow(0, 3);
    Keys(Qt::Key_S, Qt::ControlModifier);
    DoubleClickName(1);  // the same file again
    ASSERT_EQ(Column(1), "[b]|x");
    Undo();
    EXPECT_EQ(Column(1), "[b]|x");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(boxes.texts.size(), 1u);
}

}  // namespace
