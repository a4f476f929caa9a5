// Benchmarks of the LTX path without a window, for synthetic files of several sizes and for
// files made by repeating the repository's own fixtures and, when they lie beside the checkout,
// real files of other authors (realistic lines). The first line of
// each file gives the floor: `ltx_floor`, the plainest program that writes the same bytes as
// `morvane-ltx save`, run as a process like the tool; then that save's time and peak memory with
// their targets (at most 2 times the floor, at most 2 times the file) and ratios, checked to
// write the floor's bytes. The second line gives the in-process steps: reading and splitting the
// file alone (read), a straightforward single-pass reader and writer in a process of its own
// (direct, the older yardstick), parsing through the schemes into the row store (parse) and
// writing through the writer scheme (write). The third gives the save that keeps the lines as
// read (in the process and as `morvane-ltx save --keep-lines`) and one `morvane-ltx set` of a
// value, beside the save through the writer scheme. Two files of long lines, one ending them
// in LF alone and one in CR alone, follow the sizes, with `morvane-ltx check` of each beside its
// floor as well.
//
//   ltx_bench [--one-byte-lines] [LINES...]     default: 10000 100000 200000 1000000
//   --one-byte-lines adds a file of 25M lines of one byte each (peak target 24 times the file).
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
#include "ProcessRun.h"
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

// The median run of the program with the arguments, and the highest peak memory of all runs.
ProcessFigures MedianRun(int runs, const char* program, const std::vector<std::string>& args) {
    std::vector<ProcessFigures> processes;
    for (int i = 0; i < runs; ++i) processes.push_back(RunProgram(program, args));
    std::sort(processes.begin(), processes.end(),
              [](const ProcessFigures& a, const ProcessFigures& b) { return a.seconds < b.seconds; });
    ProcessFigures median = processes[processes.size() / 2];
    for (const auto& p : processes) median.peakKiB = std::max(median.peakKiB, p.peakKiB);
    return median;
}

ProcessFigures MedianTool(int runs, const std::vector<std::string>& args) {
    return MedianRun(runs, MORVANE_LTX_PATH, args);
}

std::string FileText(const std::string& path) {
    Bytes content;
    ReadWholeFile(path, content);
    return content.str();
}

// Files repeated up to the count of lines; empty when one of them cannot be read.
std::string Repeated(const std::string& dir, const std::vector<std::string>& names, size_t lines) {
    std::string block;
    for (const std::string& name : names) {
        std::string text = FileText(dir + "/" + name);
        if (text.empty()) return {};
        if (text.back() != '\n') text += "\r\n";
        block += text;
    }
    const size_t blockLines = std::count(block.begin(), block.end(), '\n');
    std::string text;
    for (size_t done = 0; done < lines; done += blockLines) text += block;
    return text;
}

// The repository's own fixtures of ordinary configuration lines: sections with parents,
// includes, cp1251 comments and indentation.
const std::vector<std::string> repositoryFixtures = {"parents_crlf.ltx", "includes_cp1251.ltx", "indented_ws.ltx",
                                                     "lf_cp1251.ltx", "road_includes.ltx"};
// Real configuration files of other authors, when they lie beside the checkout.
const std::vector<std::string> realFixtures = {"weapons_mp_indented.ltx", "damages_parents.ltx",
                                               "upgrade_info_long_lines.ltx"};

// Lines of about 220 bytes, longer than a line end search reads without a call, all ending in
// `lineEnd` alone: a text with no CR, or no LF, at all.
std::string LongLines(const std::string& lineEnd, size_t lines) {
    const std::string rest = std::string(60, 'k') + " = " + std::string(150, 'v') + " ; note" + lineEnd;
    std::string text = "[long_lines]" + lineEnd;
    for (size_t i = 1; i < lines; ++i) text += "key_" + std::to_string(i) + rest;
    return text;
}

void Measure(const std::string& label, const std::string& text, size_t lines, double peakTarget,
             const std::string& dir) {
    const std::string input = dir + "/" + label + ".ltx";
    const std::string output = dir + "/saved_" + label + ".ltx";
    const std::string floorOutput = dir + "/floor_" + label + ".ltx";
    WriteWholeFile(input, text);
    const int runs = lines >= 1000000 ? 3 : 7;
    const double mb = text.size() / 1e6;

    const ProcessFigures floor = MedianRun(runs, LTX_FLOOR_PATH, {input, floorOutput});
    const ProcessFigures process = MedianTool(runs, {"save", input, "--to", output});
    const bool same = FileText(output) == FileText(floorOutput);
    const double saveRatio = process.seconds / floor.seconds;
    const double peakRatio = process.peakKiB * 1024.0 / text.size();
    std::printf("%-22s %9zu lines %7.2f MB | floor %7.1f ms, peak %4.1fx file | morvane-ltx save %7.1f ms = %4.2fx floor"
                " (target <= 2x) %s | peak %6.1f MB = %4.1fx file (target <= %.0fx) %s | %s\n",
                label.c_str(), lines, mb, floor.seconds * 1e3, floor.peakKiB * 1024.0 / text.size(),
                process.seconds * 1e3, saveRatio, saveRatio <= 2 ? "met" : "NOT MET", process.peakKiB / 1024.0,
                peakRatio, peakTarget, peakRatio <= peakTarget ? "met" : "NOT MET",
                same ? "same bytes as the floor" : "FAIL: bytes differ from the floor");
    std::fflush(stdout);
    if (lines > 2000000) {  // the in-process steps add nothing new for a file of one-byte lines
        std::remove(input.c_str());
        std::remove(output.c_str());
        std::remove(floorOutput.c_str());
        return;
    }

    double read = MedianSeconds(runs, [&] {
        TStrList list;
        list.LoadFromFile(Bytes(input));
    });
    // The older yardstick runs in a child process of its own, as the tool does.
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

    const ProcessFigures keepProcess = MedianTool(runs, {"save", input, "--keep-lines", "--to", output});
    // set writes over its file: a copy of the input is changed, the same value every time.
    WriteWholeFile(output, text);
    const ProcessFigures set = MedianTool(runs, {"set", output, "section_7", "bench_key", "42"});

    std::printf("%22s %8d rows | read %7.1f ms | direct %7.1f ms (%4.2fx floor) | parse %7.1f ms | write %7.1f ms"
                " | parse+write %4.2fx floor\n",
                "", rows, read * 1e3, direct * 1e3, direct / floor.seconds, parse * 1e3, write * 1e3,
                (parse + write) / floor.seconds);
    std::printf("%22s keep-lines save %7.1f ms (%4.2fx write) | morvane-ltx save --keep-lines %7.1f ms (%4.2fx save),"
                " peak %6.1f MB = %4.1fx file | morvane-ltx set %7.1f ms (%4.2fx save), peak %6.1f MB = %4.1fx file\n",
                "", keepLines * 1e3, keepLines / write, keepProcess.seconds * 1e3, keepProcess.seconds / process.seconds,
                keepProcess.peakKiB / 1024.0, keepProcess.peakKiB * 1024.0 / text.size(), set.seconds * 1e3,
                set.seconds / process.seconds, set.peakKiB / 1024.0, set.peakKiB * 1024.0 / text.size());
    std::fflush(stdout);
    std::remove(input.c_str());
    std::remove(output.c_str());
    std::remove(floorOutput.c_str());
}

// `morvane-ltx check` of a file without problems, beside the floor's save of it.
void MeasureCheck(const std::string& label, const std::string& text, const std::string& dir) {
    const std::string input = dir + "/" + label + ".ltx";
    const std::string floorOutput = dir + "/floor_" + label + ".ltx";
    WriteWholeFile(input, text);
    const int runs = 7;
    const ProcessFigures floor = MedianRun(runs, LTX_FLOOR_PATH, {input, floorOutput});
    const ProcessFigures check = MedianTool(runs, {"check", input});
    std::printf("%22s morvane-ltx check %7.1f ms = %4.2fx floor\n", "", check.seconds * 1e3,
                check.seconds / floor.seconds);
    std::fflush(stdout);
    std::remove(input.c_str());
    std::remove(floorOutput.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    StartProcessLauncher();
    std::vector<size_t> sizes;
    bool oneByteLines = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--one-byte-lines")
            oneByteLines = true;
        else
            sizes.push_back(std::strtoull(argv[i], nullptr, 10));
    }
    if (sizes.empty()) sizes = {10000, 100000, 200000, 1000000};
    char dirTemplate[] = "/tmp/morvane-bench-XXXXXX";
    const char* dir = mkdtemp(dirTemplate);
    if (!dir) return 1;
    for (size_t lines : sizes) {
        Measure("synthetic_" + std::to_string(lines), SyntheticLtx(lines), lines, 2, dir);
        Measure("fixtures_" + std::to_string(lines), Repeated(MORVANE_REPO_FIXTURES_DIR, repositoryFixtures, lines),
                lines, 2, dir);
        const std::string real = Repeated(MORVANE_REAL_FIXTURES_DIR, realFixtures, lines);
        if (!real.empty()) Measure("real_" + std::to_string(lines), real, lines, 2, dir);
    }
    // Each pass over the lines must stay one pass with long lines and a single kind of line end.
    const size_t longLines = 50000;
    for (const auto& [label, lineEnd] : {std::pair{"long_lines_lf", "\n"}, std::pair{"long_lines_cr", "\r"}}) {
        const std::string text = LongLines(lineEnd, longLines);
        Measure(label, text, longLines, 2, dir);
        MeasureCheck(label, text, dir);
    }
    if (oneByteLines) {
        const size_t lines = 25000000;
        std::string text;
        for (size_t i = 0; i < lines; ++i) text += "x\n";
        Measure("one_byte_lines", text, lines, 24, dir);
    }
    rmdir(dir);
    return 0;
}
