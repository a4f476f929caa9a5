// What a GameModel holds between a Build and its queries; shared by the files that build it
// (GameModel.cpp, GameLoads.cpp) and answer from it (GameEffective.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/GameModel.h"
#include "game/GameNames.h"
#include "game/GameText.h"
#include "objlib/FileSystem.h"
#include "objlib/TextEncoding.h"
#include "runtime/Bytes.h"


// A file's text as read and taken apart; kept from one Build to the next while it is unchanged.
struct GameSourceFile {
    bool fromMemory = false;
    FileStamp stamp;  // of a file read from disk
    Bytes diskBytes;
    TextEncoding encoding = TextEncoding::Cp1251;
    GameText text;    // points into diskBytes or text.ownBytes
};

struct GameFileState {
    std::shared_ptr<GameSourceFile> source;  // null when the file was not read
    std::vector<GameInclude> includes;       // as GameModel::IncludesIn answers
    std::vector<std::string> includeTried;   // for each include, the path looked for first
    std::vector<int> headerBlock;            // for each header, its block in the first load
    int firstLoad = -1;
    bool includedByOther = false;
};

// One header as one load reads it: the section it names and the one its key lines go to.
struct GameBlock {
    int section = -1;
    int keySection = -1;  // -1 after "!![s]" or an override of a missing section
    int file = 0;
    int header = 0;       // in the file's text
    int64_t opened = 0;   // the load's count of headers and ends when it began and ended
    int64_t closed = 0;
    int nextOfSection = -1;  // the section's next block
};

struct GameSectionState {
    int firstBlock = -1, lastBlock = -1;  // whose key lines it holds, in reading order
    std::vector<int64_t> parentListed;  // for each parent, when its header began
};

struct GameLoadState {
    int root = -1;
    std::vector<int> overlays;  // mod_ files, in name order
    GameNameTable live;         // the sections by name, deleted ones left out
    // The clock when the load first lacked a file (an include not found, or an override of a
    // missing section); kNeverLacked while it lacks none.
    static constexpr int64_t kNeverLacked = INT64_MAX;
    int64_t lackingSince = kNeverLacked;
    int64_t clock = 0;          // counts the beginnings and ends of headers read
    int firstSection = 0, endSection = 0;  // the load's sections, made one load after another
};

struct GameModelState {
    std::unordered_map<std::string, std::shared_ptr<GameSourceFile>> cache;  // by file identity
    GameDialect dialect = GameDialect::Base;
    std::vector<GameFile> files;
    std::vector<GameFileState> fileStates;
    std::unordered_map<std::string, int> fileByIdentity;
    std::vector<GameSection> sections;
    std::vector<GameSectionState> sectionStates;
    std::vector<GameBlock> blocks;
    std::vector<GameLoadState> loads;
    std::vector<GameProblem> problems;
    std::vector<size_t> problemsFrom;  // for each file, its first problem; one more at the end

    const GameText& TextOf(int file) const { return fileStates[file].source->text; }
    GameProblem& AddProblem(GameProblemKind kind, GameLocation at, std::string_view subject, std::string_view other);
    // The load's live section of that name, or -1.
    int Live(int load, std::string_view name, size_t hash) const {
        return loads[load].live.Find(name, hash, [this](int section) { return sections[section].name; });
    }
};

// Reads every load of the state's files (roots and overlays chosen) and resolves the parents.
void ReadGameLoads(GameModelState& state);
