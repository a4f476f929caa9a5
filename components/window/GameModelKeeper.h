// GameModelKeeper: keeps a GameModel of the files the window works with: the open file, read
// from the main table's rows (they may hold unsaved edits), every file of the file list, and
// what they include.
//
// Building is left until the model is needed (EnsureBuilt), and then done only when the set
// of files or the open file's rows changed since the last build: moving the selection costs
// no build. Files on disk that did not change are not read again (the model caches them).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/GameModel.h"
#include "game/GameRowsText.h"
#include "runtime/Bytes.h"

class FileKeeper;
class TStrList;

class GameModelKeeper {
public:
    // The open file (its path and bytes as read), its rows, and the file list's paths.
    GameModelKeeper(const FileKeeper& keeper, const TStringTableRows& rows, const TStrList& listed);

    // Builds the model again when its files or the open rows changed; true when it did.
    bool EnsureBuilt();
    // Lets the model go, read files and all, when the open rows are emptied for another file:
    // the old model need not stay beside the new rows and the new model. The next EnsureBuilt
    // builds it anew; until then it is empty and no file is open in it.
    void Forget();
    // Counts the builds, so that what shows the model can tell whether it is up to date.
    uint64_t Generation() const { return generation_; }

    const GameModel& Model() const { return *model_; }
    // The open file in the model, or -1 when nothing is open.
    int OpenFile() const { return openFile_; }

private:
    std::vector<std::string> Paths() const;

    const FileKeeper& keeper_;
    const TStringTableRows& rows_;
    const TStrList& listed_;
    GameRowsText rowsText_;  // the open file's lines, split once while it stays open
    std::unique_ptr<GameModel> model_ = std::make_unique<GameModel>();
    uint64_t generation_ = 0;
    bool built_ = false;
    uint64_t builtRevision_ = 0;
    std::vector<std::string> builtPaths_;  // the open file first, when one is open
    int openFile_ = -1;
};
