// morvane-ltx: the editor's LTX reading and writing for scripts and batch work.
//
//   morvane-ltx rows FILE                      the row strings sent to the main table, one per line
//   morvane-ltx contents FILE                  the table-of-contents entries, one per line
//   morvane-ltx save FILE [--to OUT] [--keep-lines]
//                                              write what "save file" writes right after opening
//   morvane-ltx get FILE SECTION KEY           print the key's value
//   morvane-ltx set FILE SECTION KEY VALUE     change or add the key, line by line
//   morvane-ltx del FILE SECTION [KEY]         delete the key's line, or the whole section
//   morvane-ltx check PATH...                  the problems the game meets reading the files
//   morvane-ltx get --effective FILE SECTION KEY
//                                              the value as the game resolves it
//   morvane-ltx tree FILE SECTION              the section's parents as the game resolves them
//
// SECTION, KEY and VALUE are taken in the file's own encoding (UTF-8 or cp1251), and get prints
// the value's bytes as the file holds them.
//
// The tool tells its user: 0 done; 1 a file that cannot be read whole, or cannot be written,
// with nothing written; 2 a usage error; 3 no such section or key (get, del and tree). check
// answers 1 when it finds an error. Every message is one line on standard error. "--" ends the
// options.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "game/GameOverlayEntry.h"
#include "objlib/Cp1251.h"
#include "objlib/FileSystem.h"
#include "objlib/TextEncoding.h"
#include "tools/GameCommands.h"
#include "tools/LtxEdits.h"
#include "tools/LtxDocument.h"

namespace {

constexpr const char* kUsage =
    "usage: morvane-ltx rows FILE\n"
    "       morvane-ltx contents FILE\n"
    "       morvane-ltx save FILE [--to OUT] [--keep-lines]\n"
    "       morvane-ltx get FILE SECTION KEY\n"
    "       morvane-ltx set FILE SECTION KEY VALUE\n"
    "       morvane-ltx del FILE SECTION [KEY]\n"
    "       morvane-ltx check PATH...\n"
    "       morvane-ltx get --effective FILE SECTION KEY\n"
    "       morvane-ltx tree FILE SECTION\n"
    "\n"
    "  rows      print every row string the editor's main table receives, each followed by LF\n"
    "  contents  print every table-of-contents entry (row index+section name), each followed by LF\n"
    "  save      open FILE as the editor does and write what \"save file\" writes right after\n"
    "            opening: over FILE itself, or to OUT with --to; with --keep-lines every line\n"
    "            is written as it was read\n"
    "  get       print the value of KEY in SECTION (its last occurrence), followed by LF\n"
    "  set       give KEY in SECTION the VALUE, changing only that line, or add the key after\n"
    "            the section's last key (and the section at the end of the file)\n"
    "  del       delete the line of KEY in SECTION, or SECTION with all its lines\n"
    "  check     read the files as the game does (a folder: every *.ltx file in it), following\n"
    "            includes, parents and mod overlays, and print each problem as\n"
    "            FILE:LINE: error: message or FILE:LINE: warning: message\n"
    "  get --effective  print KEY's value as the game resolves it through SECTION's parents,\n"
    "            includes and overlays; where it comes from goes to standard error\n"
    "  tree      print SECTION and its parents as the game resolves them, a parent under its\n"
    "            child, a later parent winning over an earlier one\n"
    "\n"
    "Section names compare without regard to case, keys exactly. \"--\" ends the options.\n"
    "SECTION, KEY and VALUE are taken in the file's encoding, UTF-8 or cp1251.\n"
    "Exit codes: 0 done, 1 a file that cannot be read or written (nothing written), or an error\n"
    "found by check, 2 usage, 3 no such section or key.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "morvane-ltx: %s (usage: morvane-ltx --help)\n", message.c_str());
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "morvane-ltx: %s\n", message.c_str());
    return 1;
}

// Writes each row string or contents entry to standard output as it arrives. The contents
// list overlay headers too, as the window's table of contents does.
class Printer : public LtxDocument::Listener {
public:
    explicit Printer(bool rows) : rows_(rows) {}
    void Row(const Bytes& row) override {
        if (rows_) Print(row.view());
        else if (const std::string name = OverlayEntryName(row.view()); !name.empty())
            Print(std::to_string(rowCount_) + "+" + name);
        ++rowCount_;
    }
    void ContentsEntry(const Bytes& entry) override {
        if (!rows_) Print(entry.view());
    }

private:
    static void Print(std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
    }
    bool rows_;
    int rowCount_ = 0;  // the index the next row gets
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

int Missing(const std::string& message) {
    std::fprintf(stderr, "morvane-ltx: %s\n", message.c_str());
    return 3;
}

// The command line taken apart: the command, its words in order, and the options.
struct CommandLine {
    std::string command;
    std::vector<std::string> words;
    bool keepLines = false;
    bool effective = false;
    bool haveOut = false;
    std::string out;
};

// How many words each command takes, at least and at most.
bool WordCounts(const std::string& command, size_t& least, size_t& most) {
    struct Shape {
        const char* command;
        size_t least, most;
    } shapes[] = {{"rows", 1, 1}, {"contents", 1, 1}, {"save", 1, 1}, {"get", 3, 3}, {"set", 4, 4}, {"del", 2, 3},
                  {"check", 1, SIZE_MAX}, {"tree", 2, 2}};
    for (const Shape& shape : shapes)
        if (command == shape.command) {
            least = shape.least;
            most = shape.most;
            return true;
        }
    return false;
}

// Fills `line`; answers 0, or the usage error's exit code after telling it.
int ReadCommandLine(const std::vector<std::string>& args, CommandLine& line) {
    line.command = args[0];
    size_t least = 0, most = 0;
    if (!WordCounts(line.command, least, most)) return UsageError("unknown command '" + line.command + "'");
    bool options = true;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && line.command == "save" && arg == "--to") {
            if (i + 1 >= args.size()) return UsageError("--to needs a file name");
            if (line.haveOut) return UsageError("--to given twice");
            line.out = args[++i];
            line.haveOut = true;
        } else if (options && line.command == "save" && arg == "--keep-lines") {
            line.keepLines = true;
        } else if (options && line.command == "get" && arg == "--effective") {
            line.effective = true;
        } else if (options && !arg.empty() && arg[0] == '-') {
            return UsageError("unknown option '" + arg + "'");
        } else {
            line.words.push_back(arg);
        }
    }
    if (line.words.empty() || line.words[0].empty()) return UsageError("no FILE given");
    if (line.words.size() < least) return UsageError("too few arguments for " + line.command);
    if (line.words.size() > most) return UsageError("unexpected argument '" + line.words[most] + "'");
    return 0;
}

// get, set and del on the opened document; answers the exit code.
int Edit(const CommandLine& line, LtxDocument& document) {
    const std::string& file = line.words[0];
    const std::string& section = line.words[1];
    if (line.command == "get") {
        Bytes value;
        if (!FindValue(document.MainRows, section, line.words[2], value))
            return Missing("'" + file + "': no key '" + line.words[2] + "' in section '" + section + "'");
        std::fwrite(value.data(), 1, value.size(), stdout);
        std::fputc('\n', stdout);
        return 0;
    }
    if (line.command == "set") {
        SetValue(document.MainRows, section, line.words[2], line.words[3]);
    } else if (line.words.size() == 3) {
        if (!DeleteKey(document.MainRows, section, line.words[2]))
            return Missing("'" + file + "': no key '" + line.words[2] + "' in section '" + section + "'");
    } else if (!DeleteSection(document.MainRows, section)) {
        return Missing("'" + file + "': no section '" + section + "'");
    }
    if (!document.KeepsLines())
        return Failure("'" + file + "': its lines do not match its rows, so it cannot be changed line by line");
    if (!document.SaveKeepingLines())
        return Failure("'" + file + "': cannot be written: " + DescribeFileError(LastFileError()));
    return 0;
}

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return UsageError("no command given");
    if (args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    CommandLine line;
    if (int usage = ReadCommandLine(args, line)) return usage;
    // The game's own reading is a second reader beside the editor's document.
    if (IsGameCommand(line.command, line.effective)) RunGameCommand(line.command, line.words);
    const std::string& file = line.words[0];
    const bool edits = line.command == "get" || line.command == "set" || line.command == "del";

    std::string error;
    Bytes path;
    if (!SystemPath(file, path, error)) return Failure(error);
    Bytes target = path;
    if (line.haveOut && !SystemPath(line.out, target, error)) return Failure(error);

    ActivateHooks();
    LtxDocument document;
    Printer printer(line.command == "rows");
    if (line.command == "rows" || line.command == "contents") document.SetListener(&printer);
    // A whole save needs none of the file's text beside its rows.
    const bool opened = line.command == "save" && !line.keepLines ? document.OpenForWholeSave(path) : document.Open(path);
    if (!opened) return Failure("'" + file + "': " + OpenProblem(document.Check()));
    // Section names, keys and values are the file's text: in a UTF-8 file they stay as given,
    // in a cp1251 file they are converted like the paths.
    if (DetectTextEncoding(document.Check().content.view()) == TextEncoding::Cp1251) {
        for (size_t i = 1; i < line.words.size(); ++i) {
            std::string cp1251;
            if (!Utf8ToCp1251(line.words[i], cp1251))
                return UsageError("'" + line.words[i] + "' cannot be written in code page 1251");
            line.words[i] = cp1251;
        }
    }
    int code = 0;
    if (edits) {
        code = Edit(line, document);
    } else if (line.command == "save") {
        const std::string& shown = line.haveOut ? line.out : file;
        bool saved = false;
        if (line.keepLines && document.KeepsLines()) {
            saved = document.SaveKeepingLinesTo(target);
        } else {
            if (line.keepLines)
                std::fprintf(stderr, "morvane-ltx: '%s': its lines do not match its rows, so it is written whole\n",
                             file.c_str());
            saved = document.SaveTo(target);
        }
        if (!saved) return Failure("'" + shown + "': cannot be written: " + DescribeFileError(LastFileError()));
    }
    std::fflush(stdout);
    if (std::ferror(stdout)) return Failure("cannot write to standard output");
    std::_Exit(code);  // the system takes the memory back faster than the tables' destructors
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
