// The file panel's "Строки как в файле" box: off at start, a save as the tables' writer makes
// it; on, one edited value changes exactly its own line and every other byte stays.
#include <QCheckBox>
#include <QLineEdit>

#include "EditorWindow.h"
#include "MessageBoxes.h"
#include "tools/LtxDocument.h"

namespace {

const QByteArray kText = "; weapons\n\n[wpn]:base ; note\n\tcost\t\t= 100 ; price\n  \n\tweight  = 2\r\nlast";

class KeepLinesBoxTest : public EditorTest {
protected:
    QCheckBox* Box() { return FilePanel().KeepLinesBox.Control->As<QCheckBox>(); }

    // Opens the file and types a new value into the "cost" row's value cell.
    void OpenAndEditCost(const QString& path) {
        Drop({path});
        DoubleClickName(0);
        ASSERT_EQ(Rows(), 5);
        ASSERT_EQ(Cell(MainView(), 2, 1), "cost");
        QTest::mouseDClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), 2, 2));
        Settle();
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, "250");
        QTest::keyClick(edit, Qt::Key_Return);
        Settle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Settle();
    }
};

TEST_F(KeepLinesBoxTest, TheBoxStandsBelowTheCursorChoiceAndStartsOff) {
    QCheckBox* box = Box();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->text(), QString::fromUtf8("Строки как в файле"));
    EXPECT_EQ(box->toolTip(), QString::fromUtf8("Неизменённые строки записываются так, как были прочитаны"));
    QWidget* combo = FilePanel().CursorCombo.Control->Widget();
    EXPECT_GE(box->geometry().top(), combo->geometry().bottom());
    EXPECT_LT(box->geometry().bottom(), FilePanel().AboutButton.Control->Widget()->geometry().top());
}

TEST_F(KeepLinesBoxTest, OnOneEditedValueChangesExactlyItsLine) {
    const QString path = MakeFile("w.ltx", kText);
    Click(FilePanel().KeepLinesBox);
    ASSERT_TRUE(Box()->isChecked());
    OpenAndEditCost(path);
    MessageBoxAnswerer boxes;
    Click(FilePanel().SaveFileButton);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(ReadAll(path), "; weapons\n\n[wpn]:base ; note\n\tcost\t\t= 250 ; price\n  \n\tweight  = 2\r\nlast");
    EXPECT_FALSE(Main()->isWindowModified());
}

TEST_F(KeepLinesBoxTest, OffTheSaveIsTheTablesWriters) {
    const QString path = MakeFile("w.ltx", kText);
    const QString copy = MakeFile("copy.ltx", kText);
    OpenAndEditCost(path);
    Click(FilePanel().SaveFileButton);

    std::string copyPath;
    ASSERT_TRUE(FromQString(copy, copyPath));
    LtxDocument document;
    ASSERT_TRUE(document.Open(Bytes(copyPath)));
    document.MainRows.SetCell(2, 2, "250");
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(ReadAll(path), ReadAll(copy));
    EXPECT_NE(ReadAll(path), kText);
}

TEST_F(KeepLinesBoxTest, AFailedSaveIsReportedAsEverySaveIs) {
    const QString path = MakeFile("w.ltx", kText);
    Click(FilePanel().KeepLinesBox);
    OpenAndEditCost(path);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir("w.ltx"));  // a folder now stands where the file was
    MessageBoxAnswerer boxes({QString::fromUtf8("Записать")});
    Click(FilePanel().SaveFileButton);
    ASSERT_FALSE(boxes.texts.empty());
    EXPECT_TRUE(boxes.texts.back().contains(QString::fromUtf8("Не удалось сохранить"))) << boxes.texts.back().toStdString();
    EXPECT_TRUE(Main()->isWindowModified());
}

}  // namespace
