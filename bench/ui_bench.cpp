// Benchmarks of the editor's window, offscreen: opening a large file from the double click to
// the table holding all its rows, compared with `morvane-ltx rows` on the same file; one
// search keystroke that matches nothing (a walk over every row); selecting and scrolling at
// that size; and the peak memory with the file open.
//
//   ui_bench [LINES]     default: 200000
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "SyntheticLtx.h"
#include "objlib/FileSystem.h"
#include "objlib/qt/Application.h"
#include "runtime/THIGlobalVar.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassChildPanel_1B60E80.h"
#include "scheme/TClassMainForm_12C49D4.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Wall time of `morvane-ltx rows input > output`, in milliseconds.
double RowsProcessMs(const std::string& input, const std::string& output) {
    QElapsedTimer timer;
    timer.start();
    pid_t pid = fork();
    if (pid == 0) {
        if (!freopen(output.c_str(), "w", stdout)) _exit(126);
        execl(MORVANE_LTX_PATH, "morvane-ltx", "rows", input.c_str(), (char*)nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return timer.nsecsElapsed() / 1e6;
}

class Editor {
public:
    Editor() {
        InitDone = false;
        scheme_ = std::make_unique<TClassMainForm_12C49D4>();
        ActivateHooks();
        RunInitQueue();
        if (!QTest::qWaitForWindowExposed(Main())) std::fprintf(stderr, "the window did not appear\n");
    }
    ~Editor() {
        DeactivateHooks();
        scheme_.reset();
    }

    TClassChildPanelEx_12B76E4& FilePanel() {
        return *static_cast<TClassChildPanelEx_12B76E4*>(scheme_->FilePanelBox.Inner->Scheme);
    }
    TClassChildPanelEx_1299360& Tables() {
        return *static_cast<TClassChildPanelEx_1299360*>(scheme_->TablesBox.Inner->Scheme);
    }
    TClassChildPanel_1B60E80& Search() {
        return *static_cast<TClassChildPanel_1B60E80*>(Tables().SearchPanel.Inner->Scheme);
    }
    QWidget* Main() { return scheme_->MainForm.Control->Widget(); }
    QTableView* MainView() { return Tables().MainTable.Control->As<QTableView>(); }

    // Drops nothing: puts the path into the file list as a drop would.
    void Remember(const std::string& path) {
        TData d;
        SetString(d, Bytes(path));
        scheme_->FileListBox.doWork(d, 0);
        TData none;
        scheme_->FileListBox.doWork(none, 1);
    }
    // A real double click on the first file name, then events until the table shows every row.
    double OpenMs(int expectedRows) {
        QListWidget* list = FilePanel().FileList.Control->As<QListWidget>();
        const QPoint at = list->viewport()->mapTo(Main(), list->visualItemRect(list->item(0)).center());
        QElapsedTimer timer;
        timer.start();
        QTest::mouseDClick(Main()->windowHandle(), Qt::LeftButton, {}, at);
        while (MainView()->model()->rowCount() < expectedRows) QCoreApplication::processEvents();
        QCoreApplication::processEvents();  // the first paint of the filled table
        return timer.nsecsElapsed() / 1e6;
    }

private:
    std::unique_ptr<TClassMainForm_12C49D4> scheme_;
};

}  // namespace

int main(int argc, char** argv) {
    const size_t lines = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QApplication> app = CreateApplication(argc, argv);
    Q_INIT_RESOURCE(morvane);

    char dirTemplate[] = "/tmp/morvane-ui-bench-XXXXXX";
    const char* dir = mkdtemp(dirTemplate);
    if (!dir) return 1;
    QDir::setCurrent(dir);
    const std::string input = std::string(dir) + "/synthetic.ltx";
    const size_t fileSize = [&] {  // the text itself is not kept: it would count as the editor's memory
        const std::string text = SyntheticLtx(lines);
        WriteWholeFile(input, text);
        return text.size();
    }();

    const std::string rowsOutput = std::string(dir) + "/rows.txt";
    std::vector<double> rowsRuns;
    for (int i = 0; i < 5; ++i) rowsRuns.push_back(RowsProcessMs(input, rowsOutput));
    const double rowsMs = Median(rowsRuns);
    Bytes rowsText;
    ReadWholeFile(rowsOutput, rowsText);
    const int expectedRows = static_cast<int>(std::count(rowsText.data(), rowsText.data() + rowsText.size(), '\n'));
    rowsText = Bytes();
    std::remove(rowsOutput.c_str());

    const long emptyKiB = PeakKiB();
    Editor editor;
    editor.Remember(input);
    const long windowKiB = PeakKiB();
    long firstOpenKiB = 0;

    {
        std::vector<double> runs;
        runs.push_back(editor.OpenMs(expectedRows));
        firstOpenKiB = PeakKiB();
        for (int i = 0; i < 2; ++i) runs.push_back(editor.OpenMs(expectedRows));  // reopening it
        const double openMs = Median(runs);
        std::printf("%zu lines, %.2f MB, %d rows\n", lines, fileSize / 1e6, expectedRows);
        std::printf("open in the window   %8.1f ms | morvane-ltx rows %8.1f ms | ratio %.2f (target <= 1.5)\n",
                    openMs, rowsMs, openMs / rowsMs);

        QLineEdit* box = editor.Search().SearchBox.Control->As<QLineEdit>();
        box->setFocus();
        std::vector<double> keys;
        for (int i = 0; i < 5; ++i) {
            TData top;
            SetInteger(top, 0);
            editor.Tables().MainTable.doSelect(top, 0);
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(box, i % 2 ? Qt::Key_Backspace : Qt::Key_AsciiTilde, Qt::NoModifier);
            keys.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("search keystroke     %8.1f ms (no match, whole table) | ratio to open %.2f (target <= 1)\n",
                    Median(keys), Median(keys) / openMs);

        std::vector<double> selects, pages;
        for (int i = 0; i < 5; ++i) {
            TData row;
            SetInteger(row, expectedRows / 2 + i * 1000);
            QElapsedTimer timer;
            timer.start();
            editor.Tables().MainTable.doSelect(row, 0);
            QCoreApplication::processEvents();
            selects.push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
            QTest::keyClick(editor.MainView(), Qt::Key_PageDown);
            QCoreApplication::processEvents();
            pages.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("select a row         %8.2f ms | page down %8.2f ms\n", Median(selects), Median(pages));
    }
    const long peakKiB = PeakKiB();
    std::printf("peak memory          %8.1f MB after the first open = %.1fx the file; %.1f MB after reopening it ="
                " %.1fx (target < 10; empty process %.1f MB, window %.1f MB)\n",
                firstOpenKiB / 1024.0, firstOpenKiB * 1024.0 / fileSize, peakKiB / 1024.0, peakKiB * 1024.0 / fileSize,
                emptyKiB / 1024.0, windowKiB / 1024.0);
    std::remove(input.c_str());
    return 0;
}
