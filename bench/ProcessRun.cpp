#include "ProcessRun.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

int toLauncher = -1;
int fromLauncher = -1;

bool WriteAll(int fd, const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = write(fd, p, size);
        if (n <= 0) return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, void* data, size_t size) {
    char* p = static_cast<char*>(data);
    while (size > 0) {
        ssize_t n = read(fd, p, size);
        if (n <= 0) return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// A request is the program and its arguments, each ended by NUL, preceded by its length.
ProcessFigures Launch(const std::string& request) {
    std::vector<std::string> words;
    for (size_t at = 0; at < request.size();) {
        size_t end = request.find('\0', at);
        words.push_back(request.substr(at, end - at));
        at = end + 1;
    }
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    ProcessFigures figures;
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", words[0].c_str(), words.size() > 1 ? words[1].c_str() : "");
        figures.seconds = -1;
    }
    return figures;
}

[[noreturn]] void ServeRequests(int in, int out) {
    size_t size = 0;
    while (ReadAll(in, &size, sizeof size)) {
        std::string request(size, '\0');
        if (!ReadAll(in, request.data(), size)) break;
        ProcessFigures figures = Launch(request);
        if (!WriteAll(out, &figures, sizeof figures)) break;
    }
    _exit(0);
}

}  // namespace

void StartProcessLauncher() {
    int requests[2], answers[2];
    if (pipe(requests) != 0 || pipe(answers) != 0) std::exit(1);
    if (fork() == 0) {
        close(requests[1]);
        close(answers[0]);
        ServeRequests(requests[0], answers[1]);
    }
    close(requests[0]);
    close(answers[1]);
    toLauncher = requests[1];
    fromLauncher = answers[0];
}

ProcessFigures RunProgram(const std::string& program, const std::vector<std::string>& args) {
    std::string request = program + '\0';
    for (const std::string& arg : args) request += arg + '\0';
    size_t size = request.size();
    ProcessFigures figures;
    if (!WriteAll(toLauncher, &size, sizeof size) || !WriteAll(toLauncher, request.data(), size) ||
        !ReadAll(fromLauncher, &figures, sizeof figures)) {
        std::fprintf(stderr, "the process launcher is gone\n");
        std::exit(1);
    }
    return figures;
}
