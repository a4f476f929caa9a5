// Files named on the command line: listed as a drop lists them, the first opened as a double
// click opens it, relative paths taken from the current folder.
#include <QListWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "EditorWindow.h"
#include "MessageBoxes.h"
#include "scheme/CommandLineFiles.h"
#include "scheme/TClassMultiElementEx_12C4A68.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class CommandLineFilesTest : public EditorTest {
protected:
    // Starts the files as main() does with its arguments (UTF-8, as a Linux shell passes them).
    void OpenFromCommandLine(const std::vector<QString>& args) {
        std::vector<QByteArray> bytes = {"morvane"};
        for (const QString& a : args) bytes.push_back(a.toUtf8());
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes) argv.push_back(b.constData());
        OpenCommandLineFiles(*scheme, static_cast<int>(argv.size()), argv.data());
        Settle();
    }
    void Restart() {
        TearDown();
        EditorTest::SetUp();
    }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < FileList()->count(); ++i) names << FileList()->item(i)->text();
        return names;
    }
    // The full paths the file list keeps, back in UTF-8.
    QStringList Paths() {
        const TStrList& lines = static_cast<TClassMultiElementEx_12C4A68*>(scheme->FileListBox.Inner->Scheme)->List.Lines();
        QStringList paths;
        for (int i = 0; i < lines.Count(); ++i) paths << ToQString(lines.Get(i).view());
        return paths;
    }
};

TEST_F(CommandLineFilesTest, FilesJoinTheListWithFullPathsAndTheFirstOpensAsTheEntryToRemove) {
    MessageBoxAnswerer boxes;
    const QString listed = MakeFile("listed.ltx", "x = 0\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir(Utf8("Оружие")));
    const QString first = MakeFile(Utf8("Оружие/ammo.ltx"), "[ammo]\r\nbox = 30 ; rounds\r\n");
    const QString second = MakeFile("b.ltx", "[b]\r\n");
    Drop({listed});  // the list already holds an entry, so the new ones do not start at 0

    OpenFromCommandLine({Utf8("Оружие/../Оружие/ammo.ltx"), second});

    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(Paths(), QStringList({listed, first, second}));
    EXPECT_EQ(Names(), QStringList({"listed", "ammo", "b"}));
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(MainView(), 1, 1), "box");
    EXPECT_TRUE(Main()->windowTitle().startsWith("ammo.ltx"));

    Click(FilePanel().RemoveButton);
    EXPECT_EQ(Names(), QStringList({"listed", "b"}));
}

TEST_F(CommandLineFilesTest, AFirstFileThatCannotBeReadIsReportedAsOnADoubleClick) {
    MessageBoxAnswerer boxes;
    const QString readable = MakeFile("a.ltx", "x = 1\r\n");

    OpenFromCommandLine({"missing.ltx", readable});

    EXPECT_EQ(Names(), QStringList({"missing", "a"}));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], Utf8("Не удалось открыть файл «%1»: файл не найден.").arg(dir.filePath("missing.ltx")));
    EXPECT_EQ(Rows(), 0);
}

TEST_F(CommandLineFilesTest, NamesCodePage1251CannotWriteAreLeftOutWithOneLineEach) {
    struct Case {
        const char* name;
        std::vector<QString> args;
        QStringList names;  // listed afterwards
        int errorLines;
        int rows;  // of the file opened
    };
    const Case cases[] = {
        {"one left out, the next opens", {Utf8("日本.ltx"), "a.ltx"}, {"a"}, 1, 1},
        {"nothing left to open", {Utf8("日本.ltx"), Utf8("한국.ltx")}, {}, 2, 0},
        {"empty arguments name nothing", {"", ""}, {}, 0, 0},
        {"no arguments", {}, {}, 0, 0},
    };
    MakeFile("a.ltx", "x = 1\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        MessageBoxAnswerer boxes;
        testing::internal::CaptureStderr();
        OpenFromCommandLine(c.args);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(static_cast<int>(std::count(errors.begin(), errors.end(), '\n')), c.errorLines) << errors;
        if (c.errorLines > 0) {
            EXPECT_NE(errors.find("code page 1251"), std::string::npos) << errors;
        }
        EXPECT_EQ(Names(), c.names);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_TRUE(boxes.texts.empty());
    }
}

}  // namespace
