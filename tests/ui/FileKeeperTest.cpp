// The editor never loses the user's work: files that cannot be read whole are not opened as
// empty tables and never written over, failed saves are reported, unsaved edits are asked
// about before anything drops them, a file changed by another program is not overwritten
// silently, and the table of contents keeps pointing at its headers.
#include <QLineEdit>
#include <QScrollBar>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "EditorWindow.h"
#include "MessageBoxes.h"
#include "tests/support/Unprivileged.h"

namespace {

const QByteArray kFirst = "[first]\r\nkey = 1 ; one\r\n[second]\r\nother = 2\r\n";
const QByteArray kOther = "; b\r\n[b]\r\nx = 1\r\n";

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class FileKeeperTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        first = MakeFile("a.ltx", kFirst);
        other = MakeFile("b.ltx", kOther);
    }
    void Restart() {
        TearDown();
        EditorTest::SetUp();
    }
    // Opens a.ltx (listed first, b.ltx second) and adds a comment row above its first row.
    void OpenAndEdit() {
        Drop({first, other});
        DoubleClickName(0);
        ASSERT_EQ(Rows(), 4);
        MenuOnRow(0, 0);
        ASSERT_EQ(Rows(), 5);
    }
    bool Modified() { return Main()->isWindowModified(); }
    QString Title() { return Main()->windowTitle(); }

    QString first, other;
};

TEST_F(FileKeeperTest, AFileThatCannotBeReadIsNotOpenedAndNothingIsSavedOverIt) {
    MessageBoxAnswerer boxes;
    const QString deleted = MakeFile("deleted.ltx", "x = 1\r\n");
    const QString fifo = dir.filePath("fifo.ltx");
    ASSERT_EQ(::mkfifo(fifo.toUtf8().constData(), 0666), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ltx"));
    struct Case {
        QString path;
        const char* reason;
    } cases[] = {{deleted, "файл не найден"},
                 {fifo, "это не обычный файл"},
                 {dir.filePath("folder.ltx"), "это папка, а не файл"},
                 {"/dev/zero", "это не обычный файл"}};
    Drop({first});
    ASSERT_TRUE(QFile::remove(deleted));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        Drop({c.path});
        DoubleClickName(0);
        ASSERT_EQ(Rows(), 4);
        boxes.texts.clear();
        DoubleClickName(FileList()->count() - 1);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], Utf8("Не удалось открыть файл «%1»: %2.").arg(c.path, Utf8(c.reason)));
        EXPECT_EQ(Rows(), 0);
        EXPECT_EQ(ContentsView()->model()->rowCount(), 0);
        EXPECT_EQ(Title(), QString("Morvane 1.0 by Dovrin"));

        Click(FilePanel().SaveFileButton);
        ASSERT_EQ(boxes.texts.size(), 2u);
        EXPECT_EQ(boxes.texts[1], Utf8("Нет открытого файла: сохранять нечего."));
        EXPECT_EQ(ReadAll(first), kFirst);
    }
}

TEST_F(FileKeeperTest, PermissionsAreReportedToAnOrdinaryUser) {
    if (::geteuid() == 0) {
        EXPECT_EQ(RerunThisTestAsOrdinaryUser(), 0);
        return;
    }
    const QString closed = MakeFile("closed.ltx", kOther);
    ASSERT_TRUE(QFile::setPermissions(closed, QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(first, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    MessageBoxAnswerer boxes;
    Drop({closed, first});
    DoubleClickName(0);
    EXPECT_EQ(Rows(), 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], Utf8("Не удалось открыть файл «%1»: нет доступа.").arg(closed));

    DoubleClickName(1);
    MenuOnRow(0, 0);
    Click(FilePanel().SaveFileButton);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[1],
              Utf8("Не удалось сохранить файл «%1»: нет доступа. Изменения остались в таблице.").arg(first));
    EXPECT_TRUE(Modified());
    EXPECT_EQ(ReadAll(first), kFirst);
}

TEST_F(FileKeeperTest, AFileWithANulByteOpensWithAWarningAndIsNeverSaved) {
    MessageBoxAnswerer boxes;
    const QByteArray content("[a]\r\nx = 1\0rest = 2\r\n", 21);
    const QString path = MakeFile("nul.ltx", content);
    Drop({path});
    DoubleClickName(0);
    EXPECT_EQ(Rows(), 2);  // the lines before the NUL byte
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_TRUE(boxes.texts[0].contains(Utf8("нулевой байт (позиция 10)"))) << boxes.texts[0].toStdString();
    MenuOnRow(0, 0);
    Click(FilePanel().SaveFileButton);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_TRUE(boxes.texts[1].contains(Utf8("не сохранён"))) << boxes.texts[1].toStdString();
    EXPECT_EQ(ReadAll(path), content);
}

TEST_F(FileKeeperTest, AFailedSaveIsReportedAndTheEditsStayUnsaved) {
    OpenAndEdit();
    EXPECT_TRUE(Modified());
    EXPECT_EQ(Title(), QString("a.ltx[*] - Morvane 1.0 by Dovrin"));
    MessageBoxAnswerer boxes({Utf8("Сохранить")});
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 16;  // smaller than the file: its save must fail, and the program live on
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    Click(FilePanel().SaveFileButton);
    QTimer::singleShot(0, [this] { Main()->close(); });  // the answer "save" fails as well
    Settle();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    ASSERT_EQ(boxes.texts.size(), 3u);
    const QString failed =
        Utf8("Не удалось сохранить файл «%1»: файл превысил допустимый размер. Изменения остались в таблице.").arg(first);
    EXPECT_EQ(boxes.texts[0], failed);
    EXPECT_EQ(boxes.texts[1], Utf8("Сохранить изменения в файле «%1»?").arg(first));
    EXPECT_EQ(boxes.texts[2], failed);
    EXPECT_TRUE(HooksActive());
    EXPECT_TRUE(Main()->isVisible());
    EXPECT_TRUE(Modified());
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(ReadAll(first), kFirst);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.ltx", "b.ltx"}));

    Main()->activateWindow();  // the message boxes had the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
    QTest::keyClick(Window(), Qt::Key_S, Qt::ControlModifier);  // as "Сохранить файл"
    Settle();
    EXPECT_EQ(boxes.texts.size(), 3u);
    EXPECT_FALSE(Modified());
    EXPECT_NE(ReadAll(first), kFirst);
}

TEST_F(FileKeeperTest, EveryActionThatWouldDropEditsAsksFirst) {
    struct Case {
        const char* name;
        std::function<void()> act;
        std::function<bool()> done;
    } cases[] = {
        {"close the window", [this] { Main()->close(); }, [] { return !HooksActive(); }},
        {"open another file", [this] { DoubleClickName(1); },
         [this] { return Title().startsWith("b.ltx"); }},
        {"open the same file again", [this] { DoubleClickName(0); },
         [this] { return !Modified() && Title().startsWith("a.ltx"); }},
        {"remove it from the list", [this] { Click(FilePanel().RemoveButton); },
         [this] { return FileList()->count() == 1; }},
        {"clear the list", [this] { Click(FilePanel().ClearButton); },
         [this] { return FileList()->count() == 0; }},
        {"load the list", [this] { Click(FilePanel().LoadListButton); },
         [this] { return FileList()->count() == 0; }},
    };
    for (const Case& c : cases) {
        for (const char* answer : {"Отмена", "Не сохранять", "Сохранить"}) {
            SCOPED_TRACE(std::string(c.name) + ": " + answer);
            Restart();
            MakeFile("a.ltx", kFirst);
            OpenAndEdit();
            MessageBoxAnswerer boxes({Utf8(answer)});
            c.act();
            Settle();
            ASSERT_EQ(boxes.texts.size(), 1u);
            EXPECT_EQ(boxes.texts[0], Utf8("Сохранить изменения в файле «%1»?").arg(first));
            const std::string chosen = answer;
            if (chosen == "Отмена") {
                EXPECT_FALSE(c.done());
                EXPECT_TRUE(Modified());
                EXPECT_EQ(Rows(), 5);
            } else {
                EXPECT_TRUE(c.done());
            }
            EXPECT_EQ(ReadAll(first) != kFirst, chosen == "Сохранить");
        }
    }
    // Without edits nothing is asked.
    Restart();
    MessageBoxAnswerer boxes;
    Drop({first, other});
    DoubleClickName(0);
    DoubleClickName(1);
    Main()->close();
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_FALSE(HooksActive());
}

TEST_F(FileKeeperTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo) {
    OpenAndEdit();
    const QByteArray theirs = "[theirs]\r\nkey = 99\r\n";
    MakeFile("a.ltx", theirs);
    MessageBoxAnswerer boxes({Utf8("Отмена"), Utf8("Записать")});
    Click(FilePanel().SaveFileButton);
    EXPECT_EQ(ReadAll(first), theirs);
    EXPECT_TRUE(Modified());
    Click(FilePanel().SaveFileButton);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], Utf8("Файл «%1» изменён на диске другой программой. Записать поверх него?").arg(first));
    EXPECT_NE(ReadAll(first), theirs);
    EXPECT_FALSE(Modified());

    // Once saved, the file on disk is the editor's own again: no question.
    MenuOnRow(0, 0);
    Click(FilePanel().SaveFileButton);
    EXPECT_EQ(boxes.texts.size(), 2u);

    MenuOnRow(0, 0);
    ASSERT_TRUE(QFile::remove(first));
    boxes.Answer(Utf8("Записать"));
    Click(FilePanel().SaveFileButton);
    ASSERT_EQ(boxes.texts.size(), 3u);
    EXPECT_EQ(boxes.texts[2], Utf8("Файла «%1» больше нет на диске. Записать его заново?").arg(first));
    EXPECT_TRUE(QFile::exists(first));
}

TEST_F(FileKeeperTest, ContentsEntriesStillJumpToTheirHeadersAfterRowsWereAddedAndDeleted) {
    Drop({first});
    DoubleClickName(0);
    MenuOnRow(1, 2);  // a parameter above "[second]", now row 3
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), 1, 1));
    Settle();
    EXPECT_EQ(SelectedRow(MainView()), 3);
    EXPECT_EQ(Cell(MainView(), 3, 1), "[second]");

    MenuOnRow(0, 3);  // delete "[first]": its entry goes
    ASSERT_EQ(ContentsView()->model()->rowCount(), 1);
    EXPECT_EQ(Cell(ContentsView(), 0, 0), "2");
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), 0, 1));
    Settle();
    EXPECT_EQ(SelectedRow(MainView()), 2);
}

TEST_F(FileKeeperTest, ANewlyOpenedFileStartsAtItsTopWithAnEmptyCommentBox) {
    QByteArray longFile;
    for (int i = 0; i < 300; ++i) longFile += "key" + QByteArray::number(i) + " = 1 ; note\r\n";
    Drop({MakeFile("long.ltx", longFile), other});
    DoubleClickName(0);
    SelectMain(280);
    auto* comment = Tables().CommentBox.Control->As<QLineEdit>();
    ASSERT_EQ(comment->text(), QString(" note"));
    ASSERT_GT(MainView()->verticalScrollBar()->value(), 0);
    DoubleClickName(1);
    EXPECT_EQ(MainView()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(comment->text(), QString());
}

}  // namespace
