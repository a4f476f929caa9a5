// Benchmarks of the LTX path without a window. For synthetic files of several sizes it prints
// the median time of: reading and splitting the file alone (the floor); a straightforward
// single-pass C++ reader and writer of the same rules, in a process of its own (direct); parsing through the schemes
// into the row store (parse); writing through the writer scheme (write); and one whole
// `morvane-ltx save` process with its peak memory. Ratios are to the floor and to direct.
// A second line gives the save that keeps the lines as read (in the process and as
// `morvane-ltx save --keep-lines`) and one `morvane-ltx set` of a value, beside the save
// through the writer scheme, with their ratios to it.
//
//   ltx_bench [LINES...]     default: 10000 100000 200000 1000000
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "DirectLtx.h"
#include "SyntheticLtx.h"
#include "objlib/FileSystem.h"
#include "objlib/TStrList.h"
#include "tools/LtxDocument.h"

namespace {

double MedianSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct ProcessFigures {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs `morvane-ltx` with the arguments and measures its wall time and peak memory.
ProcessFigures RunTool(const std::vector<std::string>& args) {
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>("morvane-ltx")};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(MORVANE_LTX_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    ProcessFigures figures;
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "morvane-ltx %s failed\n", args[0].c_str());
    return figures;
}

// The median run of the tool with the arguments, and the highest peak memory of all runs.
ProcessFigures MedianTool(int runs, const std::vector<std::string>& args) {
    std::vector<ProcessFigures> processes;
    for (int i = 0; i < runs; ++i) processes.push_back(RunTool(args));
    std::sort(processes.begin(), processes.end(),
              [](const ProcessFigures& a, const ProcessFigures& b) { return a.seconds < b.seconds; });
    ProcessFigures median = processes[processes.size() / 2];
    for (const auto& p : processes) median.peakKiB = std::max(median.peakKiB, p.peakKiB);
    return median;
}

void Measure(size_t lines, const std::string& dir) {
    const std::string input = dir + "/synthetic_" + std::to_string(lines) + ".ltx";
    const std::string output = dir + "/saved_" + std::to_string(lines) + ".ltx";
    std::string text = SyntheticLtx(lines);
    WriteWholeFile(input, text);
    const int runs = lines >= 1000000 ? 3 : 7;

    double floor = MedianSeconds(runs, [&] {
        TStrList list;
        list.LoadFromFile(Bytes(input));
    });
    // The yardstick runs in a child process of its own, as the tool does.
    double direct = MedianSeconds(runs, [&] {
        pid_t pid = fork();
        if (pid == 0) {
            Bytes content;
            ReadWholeFile(input, content);
            std::vector<std::string> rows = DirectParse(content.str());
            _exit(WriteWholeFile(output, DirectWrite(rows)) ? 0 : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
    });

    ActivateHooks();
    LtxDocument document;
    double parse = MedianSeconds(runs, [&] { document.Open(Bytes(input)); });
    double write = MedianSeconds(runs, [&] { document.SaveTo(Bytes(output)); });
    double keepLines = MedianSeconds(runs, [&] { document.SaveKeepingLinesTo(Bytes(output)); });
    int rows = document.MainRows.Count();
    DeactivateHooks();

    const ProcessFigures process = MedianTool(runs, {"save", input, "--to", output});
    const long peak = process.peakKiB;
    const ProcessFigures keepProcess = MedianTool(runs, {"save", input, "--keep-lines", "--to", output});
    // set writes over its file: a copy of the input is changed, the same value every time.
    WriteWholeFile(output, text);
    const ProcessFigures set = MedianTool(runs, {"set", output, "section_7", "bench_key", "42"});

    double mb = text.size() / 1e6;
    std::printf("%8zu lines %7.2f MB %8d rows | floor %7.1f ms | direct %7.1f ms | parse %7.1f ms (%5.1fx floor)"
                " | write %7.1f ms (%5.1fx floor) | parse+write %4.2fx direct | morvane-ltx save %7.1f ms"
                " (%4.2fx direct), peak %6.1f MB = %4.1fx file\n",
                lines, mb, rows, floor * 1e3, direct * 1e3, parse * 1e3, parse / floor, write * 1e3, write / floor,
                (parse + write) / direct, process.seconds * 1e3, process.seconds / direct, peak / 1024.0,
                peak * 1024.0 / text.size());
    std::printf("%8s keep-lines save %7.1f ms (%4.2fx write) | morvane-ltx save --keep-lines %7.1f ms (%4.2fx save),"
                " peak %6.1f MB = %4.1fx file | morvane-ltx set %7.1f ms (%4.2fx save), peak %6.1f MB = %4.1fx file\n",
                "", keepLines * 1e3, keepLines / write, keepProcess.seconds * 1e3, keepProcess.seconds / process.seconds,
                keepProcess.peakKiB / 1024.0, keepProcess.peakKiB * 1024.0 / text.size(), set.seconds * 1e3,
                set.seconds / process.seconds, set.peakKiB / 1024.0, set.peakKiB * 1024.0 / text.size());
    std::fflush(stdout);
    std::remove(input.c_str());
    std::remove(output.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoull(argv[i], nullptr, 10));
    if (sizes.empty()) sizes = {10000, 100000, 200000, 1000000};
    char dirTemplate[] = "/tmp/morvane-bench-XXXXXX";
    const char* dir = mkdtemp(dirTemplate);
    if (!dir) return 1;
    for (size_t lines : sizes) Measure(lines, dir);
    rmdir(dir);
    return 0;
}
