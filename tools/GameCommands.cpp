#include "tools/GameCommands.h"

#include <cstdio>
#include <cstdlib>

#include "game/GameModel.h"
#include "game/GamePaths.h"
#include "objlib/Cp1251.h"
#include "objlib/FileSystem.h"
#include "tools/GameProblemText.h"

namespace {

int Tell(int code, const std::string& message) {
    std::fprintf(stderr, "morvane-ltx: %s\n", message.c_str());
    return code;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// The files the words name, as cp1251 paths: a folder stands for every *.ltx file in it and
// its subfolders. Answers 0, or the exit code after telling why.
int GivenFiles(const std::vector<std::string>& words, std::vector<std::string>& files) {
    for (const std::string& word : words) {
        std::string path;
        if (!Utf8ToCp1251(word, path)) return Tell(1, "'" + word + "': the name cannot be written in code page 1251");
        if (!IsDirectory(path)) {
            files.push_back(path);
        } else if (!GameLtxFilesUnder(path, files)) {
            return Tell(1, "'" + word + "': the folder cannot be read");
        }
    }
    return 0;
}

// Builds the model of the files; answers 0, or 1 after telling which given file cannot be read.
int Build(GameModel& model, const std::vector<std::string>& files) {
    GameInput input;
    input.paths = files;
    model.Build(input);
    for (const GameFile& file : model.Files())
        if (file.given && !file.found)
            return Tell(1, "'" + ShownText(file.path) + "': cannot be read: " + DescribeFileError(file.error));
    return 0;
}

int Check(GameModel& model, const std::vector<std::string>& words) {
    std::vector<std::string> files;
    if (int code = GivenFiles(words, files)) return code;
    if (int code = Build(model, files)) return code;
    bool error = false;
    for (const GameProblem& problem : model.Problems()) {
        Print(ProblemLine(model, problem));
        error = error || IsError(problem.kind);
    }
    return error ? 1 : 0;
}

// The section of that name in the load that reads the file, or the exit code after telling.
int FindSection(const GameModel& model, const std::string& path, const std::string& name, int& section) {
    section = model.FindSection(name, model.LoadOf(model.FileOf(path)));
    if (section >= 0) return 0;
    return Tell(3, "'" + ShownText(path) + "': no section '" + ShownText(name) + "'");
}

// words: FILE SECTION [KEY], converted to cp1251 here.
int Resolve(GameModel& model, const std::string& command, std::vector<std::string> words) {
    for (std::string& word : words) {
        std::string cp1251;
        if (!Utf8ToCp1251(word, cp1251)) return Tell(1, "'" + word + "' cannot be written in code page 1251");
        word = cp1251;
    }
    int section = -1;
    if (int code = Build(model, {words[0]})) return code;
    if (int code = FindSection(model, words[0], words[1], section)) return code;
    if (command == "get") {
        GameKey key;
        if (!model.EffectiveKey(section, words[2], key))
            return Tell(3, "'" + ShownText(words[0]) + "': no key '" + ShownText(words[2]) + "' in section '" +
                               ShownText(words[1]) + "' or its parents");
        Print(key.value);
        std::fprintf(stderr, "%s: from section '%s'\n", ShownLocation(model, key.at).c_str(),
                     ShownText(model.Sections()[key.section].name).c_str());
        return 0;
    }
    for (const GameChainStep& step : model.ParentChain(section)) {
        std::string line = std::string(2 * step.depth, ' ') + ShownText(step.name) + "  ";
        if (step.section < 0) {
            line += "(not defined)";
        } else {
            line += ShownLocation(model, model.Sections()[step.section].at);
            if (step.cycle) line += " (a cycle: not followed)";
            if (step.shown) line += " (parents shown above)";
        }
        Print(line);
    }
    return 0;
}

}  // namespace

bool IsGameCommand(const std::string& command, bool effective) {
    return command == "check" || command == "tree" || (command == "get" && effective);
}

void RunGameCommand(const std::string& command, const std::vector<std::string>& words) {
    GameModel model;
    int code = command == "check" ? Check(model, words) : Resolve(model, command, words);
    std::fflush(stdout);
    if (std::ferror(stdout)) code = Tell(1, "cannot write to standard output");
    std::_Exit(code);  // the system takes the model's memory back faster than its destructors

}
