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
    bool overlaySyntax = false;               // in its header or key lines
};

struct GameTextInclude {
    int line = 0;
    std::string_view name;
};

struct GameText {
    // Headers and includes in file order: a header's index, or ~index for an include.
    std::vector<int32_t> steps;
    std::vector<GameTextHeader> headers;
    std::vector<GameTextKey> keys;
    std::vector<GameTextParent> parents;
    std::vector<GameTextInclude> includes;
    std::vector<GameProblem> problems;  // found in the file alone; the model fills in the file
    bool overlaySyntax = false;  // a marked header, a marked key or a removed parent
    bool readAsOverlay = false;  // how it was read

    // The bytes everything above points into, and the values the game composes.
    std::string ownBytes;  // a text given in memory (empty for one read from disk)
    std::vector<std::shared_ptr<char[]>> composed;  // shared by a text read again in part
    size_t composedAgain = 0;  // bytes composed by readings in part since the last whole one
};

// Takes the text apart; the views in `out` point into `text` and into out.composed, so the
// text must live as long as `out`. With `overlay` the overlay dialect's marks are read as such,
// otherwise as the plain bytes of headers and keys.
void ReadGameText(std::string_view text, bool overlay, GameText& out);

// Takes apart the same file again after an edit: `text` is the file's new text, `earlier` what
// ReadGameText (or this) made of its text before, `earlierText`, which must still be alive.
// Only the headers around the edited lines are read again; the rest is taken over from
// `earlier`, its lines moved by the lines the edit added or removed. `out` holds what
// ReadGameText(text, overlay, out) would; it points into `text`, into its own composed values
// and into those of `earlier`, whose blocks it shares.
void ReadGameTextAgain(std::string_view text, bool overlay, std::string_view earlierText, const GameText& earlier,
                       GameText& out);

// The steps ReadGameTextAgain is made of, taken from the reading ReadGameText does.
struct GameTextStop {
    int line = 0;  // 0: the text's end
    size_t at = 0;  // where that line starts
};
struct GameTextStopTest {
    bool (*Accepts)(void* target, int line, size_t at) = nullptr;
    void* target = nullptr;
};
// Reads on from byte `from`, which starts line `line` (a header line, or the text's start),
// appending to `out`, up to the first header line `stop` accepts, left unread, or the end.
GameTextStop ReadGameTextPart(std::string_view text, bool overlay, size_t from, int line, GameTextStopTest stop,
                              GameText& out);
// Tells a byte-order mark's problem and puts the problems in line order.
void FinishGameText(std::string_view text, GameText& out);
