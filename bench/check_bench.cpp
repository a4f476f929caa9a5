// Benchmark of reading files as the game does. It makes a tree of about 2,000 files and 50 MB
// from the repository's own fixture files: a root that includes 40 folder indexes, each of
// which includes its 49 files, each made of the fixtures in turn (their sections renamed to
// the file's own, their include lines made comments) and, on every tenth file, the largest
// fixture too; each file adds a section whose parents lie in an earlier file and its index. Then it prints, side by side, the median
// time of `morvane-ltx check` over the tree and of `morvane-ltx rows` over one file of the same
// bytes, with their ratio (target: at most 1.5).
// A second line gives what the window's view of effective keys costs on a 200k-line file held
// in memory: building the model once, and the median of finding a row's section and its
// effective keys (target: well under 5 ms).
//
//   check_bench [FILES]     default 2000
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SyntheticLtx.h"
#include "game/GameModel.h"
#include "objlib/FileSystem.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kLeafBytes = 22 * 1024;
constexpr int kFolders = 40;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Runs `morvane-ltx` with its output thrown away; answers the wall time.
double RunTool(const std::vector<std::string>& args) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "wb", stdout)) _exit(126);
        std::vector<char*> argv{const_cast<char*>("morvane-ltx")};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(MORVANE_LTX_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) std::fprintf(stderr, "morvane-ltx %s failed\n", args[0].c_str());
    return Seconds(start);
}

double MedianTool(int runs, const std::vector<std::string>& args) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(RunTool(args));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A plain write: the tree is scratch, with no need of the safe save's flush to disk.
void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::vector<std::string> FixtureTexts() {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(MORVANE_REPO_FIXTURES_DIR))
        if (entry.path().extension() == ".ltx") paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> texts;
    for (const fs::path& path : paths) {
        Bytes bytes;
        if (ReadWholeFile(path.string(), bytes)) texts.push_back(bytes.str());
    }
    return texts;
}

// The text with every header's name and parents given the file's own prefix, so that each
// file defines sections of its own and its parents lie in it.
std::string Renamed(const std::string& text, const std::string& prefix) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        // The tree's own includes give its shape: the fixtures' ones become comments.
        if (line.find("#include") != std::string::npos) line.insert(0, ";");
        const size_t open = line.find('[');
        if (open != std::string::npos && line.find_first_not_of(" \t!@") == open) {
            line.insert(open + 1, prefix);
            const size_t colon = line.find("]:");
            if (colon != std::string::npos) {
                const size_t stop = std::min(line.find(';', colon), line.size());
                std::string parents = line.substr(colon + 2, stop - colon - 2), renamed;
                for (size_t from = 0; from <= parents.size();) {
                    size_t comma = std::min(parents.find(',', from), parents.size());
                    std::string item = parents.substr(from, comma - from);
                    const size_t name = item.find_first_not_of(" \t!");
                    if (name != std::string::npos) item.insert(name, prefix);
                    renamed += (from ? "," : "") + item;
                    from = comma + 1;
                }
                line = line.substr(0, colon + 2) + renamed + line.substr(stop);
            }
        }
        out += line;
        // The line end as it was (CR LF, CR or LF).
        size_t next = end;
        if (next < text.size()) next += (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
        out.append(text, end, next - end);
        start = next;
    }
    return out;
}

// Writes the tree under `root`; answers every file's text in one, in the order written.
std::string MakeTree(const std::string& root, int files) {
    std::vector<std::string> small = FixtureTexts();
    auto largest = std::max_element(small.begin(), small.end(),
                                    [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    const std::string large = *largest;
    small.erase(largest);
    const int perFolder = std::max(1, (files - 1 - kFolders + kFolders - 1) / kFolders);
    std::string all, rootText;
    int leaf = 0;
    size_t next = 0;
    for (int folder = 0; folder < kFolders; ++folder) {
        const std::string folderName = "group_" + std::to_string(folder);
        fs::create_directories(root + "/" + folderName);
        rootText += "#include \"" + folderName + "\\index.ltx\"\r\n";
        std::string index = "[" + folderName + "_index]\r\nfiles = " + std::to_string(perFolder) + "\r\n";
        for (int k = 0; k < perFolder; ++k, ++leaf) {
            const std::string prefix = "f" + std::to_string(leaf) + "_";
            std::string text;
            // The small fixture texts in turn up to the file's size, and on every tenth file
            // the large one too.
            for (int copy = 0; text.size() < kLeafBytes; ++copy)
                text += Renamed(small[next++ % small.size()], prefix + std::to_string(copy) + "_") + "\r\n";
            if (leaf % 10 == 0) text += Renamed(large, prefix) + "\r\n";
            // Parents across files: a section of this file inherits from one read before it.
            if (leaf > 0)
                text += "[" + prefix + "link]:f" + std::to_string(leaf / 2) + "_link, " + folderName + "_index\r\nk = 1\r\n";
            else
                text += "[" + prefix + "link]\r\n";
            const std::string name = "leaf_" + std::to_string(k) + ".ltx";
            index += "#include \"" + name + "\"\r\n";
            Write(root + "/" + folderName + "/" + name, text);
            all += text;
        }
        Write(root + "/" + folderName + "/index.ltx", index);
        all += index;
    }
    Write(root + "/system.ltx", rootText);
    return all + rootText;
}

// The window's question on every row move: the row's section and its effective keys.
void MeasureView(const std::string& dir) {
    const std::string path = dir + "/open.ltx";
    GameInput input;
    input.paths = {path};
    input.texts = {{path, SyntheticLtx(200000)}};
    GameModel model;
    auto start = std::chrono::steady_clock::now();
    model.Build(input);
    const double build = Seconds(start);
    const int file = model.FileOf(path);
    std::vector<double> times;
    size_t keys = 0;
    for (int line = 1; line <= 200000; line += 997) {
        start = std::chrono::steady_clock::now();
        keys += model.EffectiveKeys(model.SectionAt({file, line})).size();
        times.push_back(Seconds(start));
    }
    std::sort(times.begin(), times.end());
    std::printf("view of effective keys, 200k lines held in memory: build %.1f ms | row's section and keys: median "
                "%.3f ms, 95th percentile %.3f ms, slowest %.3f ms (target < 5 ms; %zu keys over %zu rows)\n",
                build * 1e3, times[times.size() / 2] * 1e3, times[times.size() * 95 / 100] * 1e3, times.back() * 1e3,
                keys, times.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    char dirTemplate[] = "/tmp/morvane-check-bench-XXXXXX";
    const char* dir = mkdtemp(dirTemplate);
    if (!dir) return 1;
    const std::string tree = std::string(dir) + "/tree", joined = std::string(dir) + "/joined.ltx";
    const std::string all = MakeTree(tree, files);
    Write(joined, all);
    size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(tree)) count += entry.is_regular_file();

    const int runs = 5;
    const double check = MedianTool(runs, {"check", tree});
    const double rows = MedianTool(runs, {"rows", joined});
    std::printf("check over %zu files, %.1f MB: %.0f ms | rows over one file of the same bytes: %.0f ms | "
                "ratio %.2f (target <= 1.5)\n",
                count, all.size() / 1e6, check * 1e3, rows * 1e3, check / rows);
    std::fflush(stdout);
    MeasureView(dir);
    fs::remove_all(dir);
    return 0;
}
