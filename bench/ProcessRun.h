// Runs a program as a process of its own and measures its wall time and peak memory.
//
// A child made by fork starts with its parent's resident pages, and the kernel counts them in
// the child's peak even after exec, so a benchmark holding big files would be charged to every
// program it runs. The runs are therefore made by a launcher forked while the benchmark is
// still small: call StartProcessLauncher() first thing in main.
#pragma once

#include <string>
#include <vector>

struct ProcessFigures {
    double seconds = 0;
    long peakKiB = 0;
};

void StartProcessLauncher();
ProcessFigures RunProgram(const std::string& program, const std::vector<std::string>& args);
