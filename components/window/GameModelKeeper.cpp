#include "components/window/GameModelKeeper.h"

#include <algorithm>

#include "components/window/FileKeeper.h"
#include "components/window/StringTableRows.h"
#include "objlib/TStrList.h"

GameModelKeeper::GameModelKeeper(const FileKeeper& keeper, const TStringTableRows& rows, const TStrList& listed)
    : keeper_(keeper), rows_(rows), listed_(listed) {}

std::vector<std::string> GameModelKeeper::Paths() const {
    std::vector<std::string> paths;
    const std::string open = keeper_.OpenPath().str();
    if (!open.empty()) paths.push_back(open);
    for (int i = 0; i < listed_.Count(); ++i) {
        std::string path = listed_.Get(i).str();
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(std::move(path));
    }
    return paths;
}

bool GameModelKeeper::EnsureBuilt() {
    std::vector<std::string> paths = Paths();
    const bool open = !keeper_.OpenPath().empty();
    if (built_ && paths == builtPaths_ && (!open || rows_.Revision() == builtRevision_)) return false;

    GameInput input;
    input.paths = paths;
    if (open) input.texts.push_back({paths.front(), rowsText_.Of(keeper_.OpenBytes(), rows_)});
    else rowsText_.Forget();  // the bytes it split went with the file
    model_->Build(std::move(input));
    openFile_ = open ? model_->FileOf(paths.front()) : -1;
    builtPaths_ = std::move(paths);
    builtRevision_ = rows_.Revision();
    built_ = true;
    ++generation_;
    return true;
}

void GameModelKeeper::Forget() {
    rowsText_.Forget();
    model_.reset();
    model_ = std::make_unique<GameModel>();
    built_ = false;
    builtPaths_.clear();
    openFile_ = -1;
}
