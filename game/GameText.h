// GameText: one file's text taken apart line by line as the game reads it (the rules are in
// GameModel.h), before any other file is known: its headers with the key lines under each,
// its #include lines, and the problems that lie in the file alone.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/GameModel.h"

enum class GameKeyOp : uint8_t { Set, Delete, Append, Remove };

struct GameTextKey {
    int line = 0;
    GameKeyOp op = GameKeyOp::Set;
    std::string_view key;    // without the overlay mark
    std::string_view value;  // as the game keeps it
};

struct GameTextParent {
    std::string_view name;
    bool removed = false;  // "!name" in the overlay dialect
};

struct GameTextHeader {
    int line = 0;
    GameHeaderMark mark = GameHeaderMark::None;
    std::string_view name;
    size_t nameHash = 0;                      // GameNameHash(name)
    uint32_t parentBegin = 0, parentEnd = 0;  // in GameText::parents
    uint32_t keyBegin = 0, keyEnd = 0;        // in GameText::keys: the key lines up to the next header
};

struct GameTextInclude {
    int line = 0;
    std::string_view name;
};

// A problem found in the file alone; its file is filled in by the model.
using GameTextProblem = GameProblem;

struct GameText {
    // Headers and includes in file order: a header's index, or ~index for an include.
    std::vector<int32_t> steps;
    std::vector<GameTextHeader> headers;
    std::vector<GameTextKey> keys;
    std::vector<GameTextParent> parents;
    std::vector<GameTextInclude> includes;
    std::vector<GameTextProblem> problems;
    bool overlaySyntax = false;  // a marked header, a marked key or a removed parent
    bool readAsOverlay = false;  // how it was read

    // The bytes everything above points into, and the values the game composes.
    std::string ownBytes;  // a text given in memory (empty for one read from disk)
    std::vector<std::unique_ptr<char[]>> composed;
};

// Takes the text apart; the views in `out` point into `text` and into out.composed, so the
// text must live as long as `out`. With `overlay` the overlay dialect's marks are read as such,
// otherwise as the plain bytes of headers and keys.
void ReadGameText(std::string_view text, bool overlay, GameText& out);
