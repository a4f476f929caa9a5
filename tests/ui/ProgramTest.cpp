// The program as a whole: its command-line switch, the files named after it, and its start
// without a display.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "scheme/CommandLine.h"

namespace {

TEST(StartSwitch, OnlyAnExactFirstArgumentSlashIhAsksForTheBuildInfo) {
    struct Case {
        std::vector<const char*> args;  // after the program's name
        bool asks;
    };
    const Case cases[] = {
        {{"/ih"}, true},  {{"/ih", "more"}, true}, {{}, false},         {{"/IH"}, false},
        {{"/Ih"}, false}, {{"/ihx"}, false},       {{"-ih"}, false},    {{"x", "/ih"}, false},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"morvane"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0]);
        EXPECT_EQ(AsksForBuildInfo(static_cast<int>(argv.size()), argv.data()), c.asks);
    }
}

#ifdef MORVANE_PATH
TEST(ProgramStart, WithoutADisplayItSaysWhyInOneLineAndFails) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    const QStringList argumentSets[] = {{}, {"/ih"}};
    for (const QStringList& args : argumentSets) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(MORVANE_PATH, args);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_NE(program.exitCode(), 0);
        const QByteArray errors = program.readAllStandardError();
        EXPECT_EQ(errors.count('\n'), 1) << errors.constData();
        EXPECT_TRUE(errors.endsWith('\n')) << errors.constData();
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    }
}

// Starts `path` in `dir` with a file named on its command line that code page 1251 cannot write,
// which is the one trace the editor leaves outside its window, and checks that the editor is up
// with that file left out, waiting for the user.
void ExpectTheEditorUp(const QString& path, const QTemporaryDir& dir, const QProcessEnvironment& env) {
    const QString name = QString::fromUtf8("日本.ltx");
    const QByteArray expected = "morvane: file left out, its name cannot be written in code page 1251: " +
                                QDir(dir.path()).filePath(name).toUtf8() + "\n";
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.setReadChannel(QProcess::StandardError);
    program.start(path, {name});  // offscreen, as this test program runs
    QByteArray errors;
    while (!errors.contains(expected) && program.waitForReadyRead(30000)) errors += program.readAllStandardError();
    EXPECT_TRUE(errors.contains(expected)) << errors.constData();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

TEST(ProgramStart, FilesNamedOnTheCommandLineAreTakenFromTheCurrentFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ExpectTheEditorUp(MORVANE_PATH, dir, QProcessEnvironment::systemEnvironment());
}

// Qt's own translations come with Qt, not with the program: where they are missing, the editor
// starts as always, in Russian, only Qt's own texts stay English.
TEST(ProgramStart, WithoutQtsOwnTranslationsTheEditorStartsAsAlways) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A copy of the program whose qt.conf gives Qt an empty folder of translations.
    const QString program = dir.filePath("morvane");
    ASSERT_TRUE(QFile::copy(MORVANE_PATH, program));
    ASSERT_TRUE(QDir(dir.path()).mkdir("no-translations"));
    QFile conf(dir.filePath("qt.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPrefix=" + QLibraryInfo::path(QLibraryInfo::PrefixPath).toUtf8() +
               "\nPlugins=" + QLibraryInfo::path(QLibraryInfo::PluginsPath).toUtf8() +
               "\nTranslations=" + dir.filePath("no-translations").toUtf8() + "\n");
    conf.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
    env.insert("LANG", "ru_RU.UTF-8");
    ExpectTheEditorUp(program, dir, env);
}
#endif

}  // namespace
