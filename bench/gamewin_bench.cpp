// Benchmark of the game-aware window, offscreen: with a large file open and the panel of
// effective parameters shown, what a selection move costs (the panel follows it), against the
// target of 5 ms; beside it the same moves with the panel hidden, the builds of the game model
// (after opening, after one edited row) and the peak memory.
//
//   gamewin_bench [LINES]     default: 200000
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "SyntheticLtx.h"
#include "components/window/EffectiveKeysView.h"
#include "components/window/GameModelKeeper.h"
#include "objlib/FileSystem.h"
#include "objlib/qt/Application.h"
#include "scheme/CommandLineFiles.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassMainForm_12C49D4.h"

namespace {

constexpr double kTargetMs = 5.0;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Worst(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

double PeakMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

template <class F>
double Ms(F&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const size_t lines = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QApplication> app = CreateApplication(argc, argv);
    Q_INIT_RESOURCE(morvane);

    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    QDir::setCurrent(dir.path());
    const std::string input = dir.filePath("synthetic.ltx").toStdString();
    const size_t fileSize = [&] {
        const std::string text = SyntheticLtx(lines);
        WriteWholeFile(input, text);
        return text.size();
    }();

    InitDone = false;
    auto scheme = std::make_unique<TClassMainForm_12C49D4>();
    ActivateHooks();
    RunInitQueue();
    QCoreApplication::processEvents();  // the window's first layout and paint
    auto& table = static_cast<TClassChildPanelEx_1299360*>(scheme->TablesBox.Inner->Scheme)->MainTable;
    GameWindow& game = scheme->Game;

    const char* arguments[] = {"morvane", input.c_str()};
    OpenCommandLineFiles(*scheme, 2, arguments);
    const int rows = table.Rows().Count();
    const double firstBuildMs = Ms([&] { game.Models().EnsureBuilt(); });
    QCoreApplication::processEvents();

    auto selectEach = [&](const std::vector<int>& picks) {
        std::vector<double> runs;
        for (int row : picks) {
            TData d;
            SetInteger(d, row);
            runs.push_back(Ms([&] { table.doSelect(d, 0); }));
        }
        return runs;
    };
    // Rows all over the file, so that nearly every move lands in another section.
    std::vector<int> picks;
    for (int i = 0; i < 400; ++i) picks.push_back(static_cast<int>((i * 7919LL) % rows));

    TData none;
    game.View().doToggle(none, 0);
    selectEach({rows / 3, rows / 5});  // the view's first layout of the published rows is not a move
    const std::vector<double> shown = selectEach(picks);
    game.View().doToggle(none, 0);
    const std::vector<double> hidden = selectEach(picks);

    table.Rows().SetCell(rows / 2, 2, "edited");
    const double editBuildMs = Ms([&] { game.Models().EnsureBuilt(); });

    std::printf("%zu lines, %.2f MB, %d rows\n", lines, fileSize / 1e6, rows);
    std::printf("selection move, panel shown   median %6.2f ms, worst %6.2f ms | target <= %.0f ms | ratio %.2f "
                "(worst %.2f)\n",
                Median(shown), Worst(shown), kTargetMs, Median(shown) / kTargetMs, Worst(shown) / kTargetMs);
    std::printf("selection move, panel hidden  median %6.2f ms, worst %6.2f ms\n", Median(hidden), Worst(hidden));
    std::printf("game model build: after opening %.1f ms, after one edited row %.1f ms\n", firstBuildMs, editBuildMs);
    const double peak = PeakMB();
    std::printf("peak memory %.1f MB = %.1fx the file\n", peak, peak * 1048576.0 / fileSize);

    DeactivateHooks();
    scheme.reset();
    return 0;
}
