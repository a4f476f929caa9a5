// The window tests' entry: one QApplication for all tests, offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "objlib/qt/Application.h"
#include "objlib/qt/Translation.h"

int main(int argc, char** argv) {
    // Test discovery runs this binary without CTest's environment, so default here too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = CreateApplication(argc, argv);
    // Qt's own file dialog keeps its settings in the user's configuration; the tests' go here.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Q_INIT_RESOURCE(morvane);  // the resources live in a static library
    UseInterfaceLanguage(InterfaceLanguage::Russian);  // as the program starts under every locale but English
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
