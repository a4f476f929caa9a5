// GameFiles: small sets of LTX files for the game model's tests, written into a fresh folder
// (or handed over in memory), and short answers from the model built over them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/GameModel.h"
#include "tests/objlib/ScratchDir.h"

class GameFiles {
public:
    // Writes the files (name relative to the folder, with "/" between subfolders).
    GameFiles(std::initializer_list<std::pair<std::string, std::string>> files = {}) {
        for (const auto& [name, text] : files) Write(name, text);
    }
    void Write(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(dir_ / name).parent_path());
        ScratchDir::WriteFile(dir_ / name, text);
    }
    std::string Path(const std::string& name) const { return dir_ / name; }

    // Builds the model over the named files, in order.
    const GameModel& Build(std::vector<std::string> names,
                           GameDialectChoice dialect = GameDialectChoice::Automatic) {
        GameInput input;
        for (const std::string& name : names) input.paths.push_back(Path(name));
        input.dialect = dialect;
        model_.Build(input);
        return model_;
    }
    GameModel& Model() { return model_; }

private:
    ScratchDir dir_;
    GameModel model_;
};

// A model of one text held in memory, as the window hands over the open file.
inline void BuildFromText(GameModel& model, const std::string& text,
                          GameDialectChoice dialect = GameDialectChoice::Automatic) {
    GameInput input;
    input.paths = {"/nonexistent-morvane/open.ltx"};
    input.texts = {{input.paths[0], text}};
    input.dialect = dialect;
    model.Build(input);
}

// The section's effective value of the key in the load (the first one unless told),
// "(no section)" or "(no key)".
inline std::string ValueOf(const GameModel& model, const std::string& section, const std::string& key, int load = 0) {
    const int found = model.FindSection(section, load);
    if (found < 0) return "(no section)";
    GameKey value;
    return model.EffectiveKey(found, key, value) ? value.value : "(no key)";
}

// The problems as "kind@line" words, in order, for tables of expected problems; the file's
// name is added when the problem is not in the first file.
std::string ProblemKindName(GameProblemKind kind);
inline std::vector<std::string> ProblemWords(const GameModel& model) {
    std::vector<std::string> words;
    for (const GameProblem& problem : model.Problems()) {
        std::string word = ProblemKindName(problem.kind) + "@";
        if (problem.at.file != 0)
            word += std::filesystem::path(model.Files()[problem.at.file].path).filename().string() + ":";
        words.push_back(word + std::to_string(problem.at.line));
    }
    return words;
}

inline std::string ProblemKindName(GameProblemKind kind) {
    switch (kind) {
    case GameProblemKind::RepeatedSection: return "RepeatedSection";
    case GameProblemKind::MissingParent: return "MissingParent";
    case GameProblemKind::ParentCycle: return "ParentCycle";
    case GameProblemKind::IncludeCycle: return "IncludeCycle";
    case GameProblemKind::MissingInclude: return "MissingInclude";
    case GameProblemKind::LongLine: return "LongLine";
    case GameProblemKind::ParentBelowChild: return "ParentBelowChild";
    case GameProblemKind::RepeatedKey: return "RepeatedKey";
    case GameProblemKind::UnbalancedQuotes: return "UnbalancedQuotes";
    case GameProblemKind::ByteOrderMark: return "ByteOrderMark";
    case GameProblemKind::SpaceBeforeColon: return "SpaceBeforeColon";
    case GameProblemKind::OverlayOnMissingSection: return "OverlayOnMissingSection";
    }
    return "?";
}
