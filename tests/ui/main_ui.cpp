// The window tests' entry: one QApplication for all tests, offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "objlib/qt/Application.h"

int main(int argc, char** argv) {
    // Test discovery runs this binary without CTest's environment, so default here too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = CreateApplication(argc, argv);
    Q_INIT_RESOURCE(morvane);  // the resources live in a static library
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
