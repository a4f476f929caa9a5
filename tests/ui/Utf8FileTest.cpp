// A file in UTF-8 in the editor: read in its own encoding, shown readable, typed into and
// searched in UTF-8, saved back byte for byte when untouched; the file list and the window
// title say which encoding each file was read in. A cp1251 file opened after it is as before.
#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include "EditorWindow.h"
#include "MessageBoxes.h"
#include "scheme/TClassChildPanel_1B60E80.h"
#include "tests/FixtureFiles.h"

namespace {

const QString kUtf8Mark = QString::fromUtf8("UTF-8 с BOM");

class Utf8FileTest : public EditorTest {
protected:
    // Copies a fixture into the test's folder.
    QString Fixture(const QString& name) {
        return MakeFile(name, ReadAll(QString::fromStdString(RepositoryFixture(name.toStdString()).Path())));
    }
    // Lists the file and opens it with a double click on its name.
    void Open(const QString& path) {
        Drop({path});
        DoubleClickName(FileList()->count() - 1);
    }
    static QString Shown(QTableView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    QLineEdit* CommentBox() { return Tables().CommentBox.Control->As<QLineEdit>(); }
    TClassChildPanel_1B60E80& Search() {
        return *static_cast<TClassChildPanel_1B60E80*>(Tables().SearchPanel.Inner->Scheme);
    }
    QLineEdit* SearchBox() { return Search().SearchBox.Control->As<QLineEdit>(); }
    // Types one character after another, as a keyboard with that layout does.
    static void TypeInto(QWidget* box, const char* utf8) {
        for (QChar c : QString::fromUtf8(utf8))
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // The tooltip the file list shows over its item `row`.
    QString ToolTipOver(int row) {
        QListWidget* list = FileList();
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        const QString text = QToolTip::text();
        QToolTip::hideText();
        return text;
    }
    // Types into the value cell of `row` in place, then closes the row editor.
    void EditValue(int row, const char* utf8) {
        QTest::mouseDClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), row, 2));
        Settle();
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        TypeInto(edit, utf8);
        EXPECT_FALSE(edit->toolTip().contains(QString::fromUtf8("cp1251"))) << edit->toolTip().toStdString();
        QTest::keyClick(edit, Qt::Key_Return);
        Settle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Settle();
    }
};

TEST_F(Utf8FileTest, RussianShowsReadableAndAnUntouchedFileSavesBackByteForByteInBothModes) {
    const QString path = Fixture("utf8_bom_crlf.ltx");
    const QByteArray original = ReadAll(path);
    Open(path);
    ASSERT_EQ(Rows(), 9);
    EXPECT_EQ(Shown(MainView(), 0, 0), "com");  // the mark is no text: the first line is a comment
    EXPECT_EQ(Shown(MainView(), 0, 3), QString::fromUtf8("Ножи для сталкеров, файл в UTF-8 с меткой"));
    EXPECT_EQ(Shown(MainView(), 5, 2), QString::fromUtf8("охотничий_нож"));
    EXPECT_EQ(Shown(MainView(), 7, 1), QString::fromUtf8("#include \"ножи_мод.ltx\""));
    EXPECT_EQ(Shown(ContentsView(), 1, 1), "knife_hunter");
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), 2, 1));
    Settle();
    EXPECT_EQ(CommentBox()->text(), QString::fromUtf8("цена в рублях"));
    EXPECT_EQ(Main()->windowTitle(), "utf8_bom_crlf.ltx (" + kUtf8Mark + ")[*] - Morvane 1.0 by Dovrin");

    MessageBoxAnswerer boxes;
    Click(FilePanel().SaveFileButton);
    EXPECT_EQ(ReadAll(path), original);
    Click(FilePanel().KeepLinesBox);
    ASSERT_TRUE(FilePanel().KeepLinesBox.Control->As<QCheckBox>()->isChecked());
    Click(FilePanel().SaveFileButton);
    EXPECT_EQ(ReadAll(path), original);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(Utf8FileTest, TypedTextIsWrittenInUtf8AndNoCharacterIsRefused) {
    const QString path = Fixture("utf8_bom_crlf.ltx");
    const QByteArray original = ReadAll(path);
    Open(path);
    EditValue(2, "сто✓");
    EXPECT_EQ(Shown(MainView(), 2, 2), QString::fromUtf8("сто✓"));
    QByteArray expected = original;
    expected.replace("cost = 100", QString::fromUtf8("cost = сто✓").toUtf8());
    for (const bool keepLines : {false, true}) {
        SCOPED_TRACE(keepLines);
        if (keepLines) Click(FilePanel().KeepLinesBox);
        MessageBoxAnswerer boxes;
        Click(FilePanel().SaveFileButton);
        EXPECT_EQ(ReadAll(path), expected);
        EXPECT_TRUE(boxes.texts.empty());
    }
}

TEST_F(Utf8FileTest, TheSearchBoxTakesTheOpenFilesEncodingAndACp1251FileIsAsBefore) {
    Click(Search().WholeLineBox);
    Open(Fixture("utf8_bom_crlf.ltx"));
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), 0, 1));
    Settle();
    SearchBox()->setFocus();
    TypeInto(SearchBox(), "охот");
    EXPECT_EQ(SelectedRow(MainView()), 5);
    TypeInto(SearchBox(), "✓");  // a UTF-8 file holds it: not refused, merely not found
    EXPECT_EQ(SearchBox()->text(), QString::fromUtf8("охот✓"));
    EXPECT_FALSE(SearchBox()->toolTip().contains(QString::fromUtf8("cp1251")));

    // "Привет" and "два" in cp1251.
    Open(MakeFile("old.ltx", "; \xCF\xF0\xE8\xE2\xE5\xF2\r\n[a]\r\nk = \xE4\xE2\xE0\r\n"));
    EXPECT_EQ(Shown(MainView(), 0, 3), QString::fromUtf8(" Привет"));
    EXPECT_EQ(Main()->windowTitle(), "old.ltx[*] - Morvane 1.0 by Dovrin");
    EXPECT_EQ(SearchBox()->text(), QString::fromUtf8("охот"));  // the check mark has no place in cp1251
    EXPECT_TRUE(SearchBox()->toolTip().contains(QString::fromUtf8("«✓»"))) << SearchBox()->toolTip().toStdString();
    SearchBox()->selectAll();
    TypeInto(SearchBox(), "два");
    EXPECT_EQ(SelectedRow(MainView()), 2);
    TypeInto(SearchBox(), "✓");
    EXPECT_EQ(SearchBox()->text(), QString::fromUtf8("два"));
}

TEST_F(Utf8FileTest, ASearchAfterAnotherFileOpenedLooksForTheUnchangedTextInThatFilesEncoding) {
    Click(Search().WholeLineBox);
    Open(Fixture("utf8_bom_crlf.ltx"));
    SearchBox()->setFocus();
    TypeInto(SearchBox(), "дв");
    // "Привет" and "два" in cp1251: the box keeps "дв", which reports no change.
    Open(MakeFile("old.ltx", "; \xCF\xF0\xE8\xE2\xE5\xF2\r\n[a]\r\nk = \xE4\xE2\xE0\r\n"));
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), 0, 1));
    Settle();
    ASSERT_EQ(SearchBox()->text(), QString::fromUtf8("дв"));
    Click(Search().SearchButton);
    EXPECT_EQ(SelectedRow(MainView()), 2);
}

TEST_F(Utf8FileTest, TheFileListShowsEachFullPathAndOnceOpenedItsEncoding) {
    const QString marked = Fixture("utf8_bom_crlf.ltx");
    const QString plain = MakeFile("plain.ltx", QString::fromUtf8("; без метки\r\n").toUtf8());
    const QString old = MakeFile("old.ltx", "; \xCF\xF0\xE8\xE2\xE5\xF2\r\n");
    Drop({marked, plain, old});
    ASSERT_EQ(FileList()->count(), 3);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(ToolTipOver(row), QStringList({marked, plain, old})[row]);
    const QString encodings[] = {kUtf8Mark, "UTF-8", "cp1251"};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        DoubleClickName(row);
        EXPECT_EQ(ToolTipOver(row), QStringList({marked, plain, old})[row] + QString::fromUtf8("\nКодировка: ") +
                                        encodings[row]);
    }
    EXPECT_EQ(ToolTipOver(0), marked + QString::fromUtf8("\nКодировка: ") + kUtf8Mark);  // still known
}

TEST_F(Utf8FileTest, TheRealUtf8FileShowsReadableRussian) {
    const FixtureFile real = RealFile("anim_utf8_bom.ltx");
    if (real.Absent()) GTEST_SKIP() << real.AbsenceNote();
    const QString path = MakeFile("anim.ltx", ReadAll(QString::fromStdString(real.Path())));
    Open(path);
    ASSERT_GT(Rows(), 0);
    EXPECT_EQ(Shown(MainView(), 0, 0), "com");
    const auto russian = [](QChar c) { return c >= QChar(0x0410) && c <= QChar(0x044F); };
    int withRussian = 0;
    for (int row = 0; row < Rows(); ++row)
        for (int column = 0; column < 4; ++column) {
            const QString cell = Shown(MainView(), row, column);
            withRussian += std::any_of(cell.begin(), cell.end(), russian);
            // U+FFFD for bytes that are no UTF-8; "Р°" and "Рѕ" are "а" and "о" read as cp1251.
            EXPECT_FALSE(cell.contains(QChar(0xFFFD)) || cell.contains(QChar(0xFEFF)) ||
                         cell.contains(QString::fromUtf8("Р°")) || cell.contains(QString::fromUtf8("Рѕ")))
                << row << ":" << column << " " << cell.toStdString();
        }
    EXPECT_GT(withRussian, 0);
    EXPECT_EQ(Main()->windowTitle(), "anim.ltx (" + kUtf8Mark + ")[*] - Morvane 1.0 by Dovrin");
}

}  // namespace
