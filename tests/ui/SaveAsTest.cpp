// "Сохранить как...", through the real button and Qt's own file dialog: the table is written
// where the user says, that file becomes the open one, listed and current; writing over another
// file asks first, a cancelled dialog changes nothing and a failed write leaves the edits
// unsaved in the file that was open.
#include <QCheckBox>
#include <sys/resource.h>

#include "EditorWindow.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"

namespace {

const char kCaption[] = " - Morvane 1.0 by Dovrin";

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class SaveAsTest : public TwoFilesTest {
protected:
    // Opens a.ltx and adds a comment row at its top.
    void OpenAndEdit() {
        DoubleClickName(0);
        MenuOnRow(0, 0);
        ASSERT_TRUE(Modified());
    }
    void SaveAs() { Click(FilePanel().SaveAsButton); }
    void SaveKeys() { Keys(Qt::Key_S, Qt::ControlModifier); }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < FileList()->count(); ++i) names << FileList()->item(i)->text();
        return names;
    }
    QStringList Files() { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(SaveAsTest, TheTableIsWrittenWhereTheUserSaysAndThatFileIsOpenFromThenOn) {
    OpenAndEdit();
    FileDialogAnswerer dialogs({"c"});
    SaveAs();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    const FileDialogAnswerer::Seen& shown = dialogs.seen[0];
    EXPECT_EQ(shown.title, Utf8("Сохранить как"));
    EXPECT_EQ(shown.folder, dir.path());  // the open file's folder and name
    EXPECT_EQ(shown.name, QString("a.ltx"));
    EXPECT_EQ(shown.filters, QStringList({Utf8("Файлы LTX (*.ltx)"), Utf8("Все файлы (*)")}));
    EXPECT_EQ(shown.filter, Utf8("Файлы LTX (*.ltx)"));
    EXPECT_EQ(shown.buttons, QStringList({Utf8("Сохранить"), Utf8("Отмена")}));

    const QString saved = dir.filePath("c.ltx");  // the extension is added to a bare name
    EXPECT_TRUE(ReadAll(saved).startsWith(QByteArray::fromStdString(";" + Cp("коментарий").str())));
    EXPECT_EQ(ReadAll(first), kFirst);
    EXPECT_EQ(Title(), "c.ltx[*]" + QString(kCaption));
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Names(), QStringList({"a", "b", "c"}));

    MenuOnRow(0, 3);
    SaveKeys();  // later saves go to the new file
    EXPECT_FALSE(ReadAll(saved).startsWith(";"));
    EXPECT_EQ(ReadAll(first), kFirst);
    Click(FilePanel().RemoveButton);  // its entry is the current one
    EXPECT_EQ(Names(), QStringList({"a", "b"}));
}

TEST_F(SaveAsTest, NothingChangesWhenNothingIsOpenTheDialogIsCancelledOrTheNameCannotBeWritten) {
    MessageBoxAnswerer boxes;
    FileDialogAnswerer dialogs({"", Utf8("文")});
    SaveAs();
    EXPECT_TRUE(dialogs.seen.empty());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], Utf8("Нет открытого файла: сохранять нечего."));

    OpenAndEdit();
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt ? "a name cp1251 cannot write" : "cancelled");
        SaveAs();
        EXPECT_EQ(dialogs.seen.size(), attempt + 1u);
        EXPECT_EQ(Files(), QStringList({"a.ltx", "b.ltx"}));
        EXPECT_EQ(ReadAll(first), kFirst);
        EXPECT_EQ(Title(), "a.ltx[*]" + QString(kCaption));
        EXPECT_TRUE(Modified());
        EXPECT_EQ(Names(), QStringList({"a", "b"}));
    }
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[1], Utf8("Имя файла «%1» нельзя записать в cp1251. Выберите другое имя.")
                                  .arg(dir.filePath(Utf8("文.ltx"))));
    SaveKeys();
    EXPECT_NE(ReadAll(first), kFirst);
    EXPECT_EQ(boxes.texts.size(), 2u);
}

TEST_F(SaveAsTest, WritingOverAnotherFileAsksFirst) {
    struct Case {
        const char* name;
        const char* question;  // with the path for %1; none for the open file itself
        QStringList names;        // the file list afterwards
        QStringList afterRemove;  // once "Удалить" removed the current entry
    } cases[] = {
        {"b.ltx", "Файл «%1» есть в списке. Записать поверх него?", {"a", "b"}, {"a"}},
        {"d.ltx", "Файл «%1» уже существует. Записать поверх него?", {"a", "b", "d"}, {"a", "b"}},
        {"a.ltx", nullptr, {"a", "b"}, {"b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const QString target = dir.filePath(c.name);
        if (!QFile::exists(target)) MakeFile(c.name, "x = 0\r\n");
        const QByteArray before = ReadAll(target);
        OpenAndEdit();
        MessageBoxAnswerer boxes({Utf8("Отмена"), Utf8("Записать")});
        FileDialogAnswerer dialogs({c.name, c.name});
        if (c.question) {
            SaveAs();
            EXPECT_EQ(ReadAll(target), before);
            EXPECT_TRUE(Modified());
            EXPECT_EQ(Title(), "a.ltx[*]" + QString(kCaption));
        }
        SaveAs();
        ASSERT_EQ(boxes.texts.size(), c.question ? 2u : 0u);
        if (c.question) {
            EXPECT_EQ(boxes.texts[0], Utf8(c.question).arg(target));
            EXPECT_EQ(boxes.texts[1], boxes.texts[0]);
        }
        EXPECT_NE(ReadAll(target), before);
        EXPECT_FALSE(Modified());
        EXPECT_EQ(Title(), c.name + QString("[*]") + kCaption);
        EXPECT_EQ(Names(), c.names);
        Click(FilePanel().RemoveButton);
        EXPECT_EQ(Names(), c.afterRemove);
    }
}

TEST_F(SaveAsTest, AFailedWriteIsReportedAndTheEditsStayUnsavedInTheOpenFile) {
    OpenAndEdit();
    MessageBoxAnswerer boxes;
    FileDialogAnswerer dialogs({"c.ltx"});
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 16;  // smaller than the table's text
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    SaveAs();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], Utf8("Не удалось сохранить файл «%1»: файл превысил допустимый размер. "
                                   "Изменения остались в таблице.")
                                  .arg(dir.filePath("c.ltx")));
    EXPECT_EQ(Files(), QStringList({"a.ltx", "b.ltx"}));
    EXPECT_TRUE(Modified());
    EXPECT_EQ(Title(), "a.ltx[*]" + QString(kCaption));
    EXPECT_EQ(Names(), QStringList({"a", "b"}));
    SaveKeys();  // the open file is still the one saved to
    EXPECT_NE(ReadAll(first), kFirst);
    EXPECT_EQ(Files(), QStringList({"a.ltx", "b.ltx"}));
    EXPECT_FALSE(Modified());
}

TEST_F(SaveAsTest, WithTheLinesKeptTheNewFileGetsEveryUntouchedLineByteForByte) {
    const QByteArray text = "; weapons\n\n[wpn]:base ; note\n\tcost\t\t= 100 ; price\n  \n\tweight  = 2\r\nlast";
    MakeFile("a.ltx", text);
    QTest::mouseClick(FilePanel().KeepLinesBox.Control->As<QCheckBox>(), Qt::LeftButton);
    DoubleClickName(0);
    FileDialogAnswerer dialogs({"c.ltx"});
    SaveAs();
    EXPECT_EQ(ReadAll(dir.filePath("c.ltx")), text);
    EXPECT_EQ(Title(), "c.ltx[*]" + QString(kCaption));
}

}  // namespace
