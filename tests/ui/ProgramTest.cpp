// The program as a whole: its command-line switch and its start without a display.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

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
#endif

}  // namespace
