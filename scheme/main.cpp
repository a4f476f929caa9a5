// The program: the "/ih" switch, or the editor built from its main scheme, with the files
// named on the command line listed and the first of them open.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>

#include "objlib/qt/Application.h"
#include "objlib/qt/Translation.h"
#include "runtime/Dispatch.h"
#include "scheme/CommandLine.h"
#include "scheme/CommandLineFiles.h"
#include "scheme/TClassMainForm_12C49D4.h"

namespace {

constexpr char kBuildInfoTitle[] = "Morvane component runtime on Qt 6";
constexpr char kBuildInfoText[] =
    "Morvane 1.0 was made with the Morvane component runtime and the Qt " QT_VERSION_STR " widgets.";

}  // namespace

int main(int argc, char** argv) {
    // Qt takes its own options out of argv, so the switch is looked at first.
    const bool buildInfo = AsksForBuildInfo(argc, argv);

    // Without a display Qt would abort the process; say why in one line instead.
    std::string reason;
    if (!DisplayAvailable(reason)) {
        std::fprintf(stderr, "morvane: %s\n", reason.c_str());
        return 1;
    }
    std::unique_ptr<QApplication> app = CreateApplication(argc, argv);
    Q_INIT_RESOURCE(morvane);  // the icons and the About text live in a static library
    if (!UseInterfaceLanguage(SystemInterfaceLanguage()))  // before any window is built
        std::fprintf(stderr, "morvane: the English translation cannot be loaded; the interface stays Russian\n");

    if (buildInfo) {
        ShowInfoBox(kBuildInfoTitle, kBuildInfoText);
        return 0;
    }

    // Built with the hooks inactive: nothing raised during construction reaches anyone.
    auto scheme = std::make_unique<TClassMainForm_12C49D4>();
    ActivateHooks();
    RunInitQueue();
    OpenCommandLineFiles(*scheme, argc, argv);
    RunMessageLoop();
    // The main window's close request has switched the hooks off already; should the loop
    // have ended any other way, the schemes are still destroyed with nothing travelling.
    DeactivateHooks();
    scheme.reset();
    return 0;
}
