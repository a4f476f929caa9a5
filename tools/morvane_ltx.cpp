// morvane-ltx: the editor's LTX reading and writing for scripts and batch work.
//
//   morvane-ltx rows FILE              the row strings sent to the main table, one per line
//   morvane-ltx contents FILE          the table-of-contents entries, one per line
//   morvane-ltx save FILE [--to OUT]   write what "save file" writes right after opening
//
// The tool tells its user: a usage error exits 2; a file that cannot be read whole, or
// cannot be written, exits 1 with nothing written; each with one line on standard error.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "objlib/Cp1251.h"
#include "objlib/FileSystem.h"
#include "tools/LtxDocument.h"

namespace {

constexpr const char* kUsage =
    "usage: morvane-ltx rows FILE\n"
    "       morvane-ltx contents FILE\n"
    "       morvane-ltx save FILE [--to OUT]\n"
    "\n"
    "  rows      print every row string the editor's main table receives, each followed by LF\n"
    "  contents  print every table-of-contents entry (row index+section name), each followed by LF\n"
    "  save      open FILE as the editor does and write what \"save file\" writes right after\n"
    "            opening: over FILE itself, or to OUT with --to\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "morvane-ltx: %s\n%s", message.c_str(), kUsage);
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "morvane-ltx: %s\n", message.c_str());
    return 1;
}

// Writes each row string or contents entry to standard output as it arrives.
class Printer : public LtxDocument::Listener {
public:
    explicit Printer(bool rows) : rows_(rows) {}
    void Row(const Bytes& row) override {
        if (rows_) Print(row);
    }
    void ContentsEntry(const Bytes& entry) override {
        if (!rows_) Print(entry);
    }

private:
    static void Print(const Bytes& text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
    }
    bool rows_;
};

// The path as the system names it (code page 1251), or an error message.
bool SystemPath(const std::string& native, Bytes& path, std::string& error) {
    std::string cp1251;
    if (!Utf8ToCp1251(native, cp1251)) {
        error = "'" + native + "': the name cannot be written in code page 1251";
        return false;
    }
    path = Bytes(cp1251);
    return true;
}

// Why a file that cannot be opened whole is refused, as the end of a message.
std::string OpenProblem(const TextFileCheck& check) {
    if (!check.Readable()) return std::string("cannot be read: ") + DescribeFileError(check.error);
    return "holds a NUL byte at offset " + std::to_string(check.nulOffset) +
           "; the text would end there, so the file cannot be read whole";
}

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return UsageError("no command given");
    if (args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::string& command = args[0];
    if (command != "rows" && command != "contents" && command != "save")
        return UsageError("unknown command '" + command + "'");

    std::string file, out;
    bool haveOut = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (command == "save" && args[i] == "--to") {
            if (i + 1 >= args.size()) return UsageError("--to needs a file name");
            if (haveOut) return UsageError("--to given twice");
            out = args[++i];
            haveOut = true;
        } else if (file.empty() && !args[i].empty() && args[i][0] != '-') {
            file = args[i];
        } else {
            return UsageError("unexpected argument '" + args[i] + "'");
        }
    }
    if (file.empty()) return UsageError("no FILE given");

    std::string error;
    Bytes path;
    if (!SystemPath(file, path, error)) return Failure(error);
    Bytes target = path;
    if (haveOut && !SystemPath(out, target, error)) return Failure(error);

    ActivateHooks();
    LtxDocument document;
    Printer printer(command == "rows");
    if (command != "save") document.SetListener(&printer);
    if (!document.Open(path)) return Failure("'" + file + "': " + OpenProblem(document.Check()));
    if (command == "save" && !document.SaveTo(target))
        return Failure("'" + (haveOut ? out : file) + "': cannot be written: " + DescribeFileError(LastFileError()));
    std::fflush(stdout);
    if (std::ferror(stdout)) return Failure("cannot write to standard output");
    std::_Exit(0);  // the system takes the memory back faster than the tables' destructors
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        // A save under way leaves the old file as it was and no temporary file behind.
        return Failure("out of memory; nothing was written");
    }
}
