// GameModel: a set of LTX files as the game reads them, with the game's rules rather than the
// editor's: sections and their parents, the keys a section really holds after inheritance,
// where includes point, mod overlays, and what would stop the game or surprise the modder.
//
// Reading a file, line by line (a line ends at CR or LF; CR LF, a lone LF and a lone CR each
// count as one line end for line numbers, which are 1-based):
// - bytes up to 0x20 are trimmed at both ends; the comment starts at the first ";", or at "//"
//   when the line's first "/" begins one before it; when that start lies inside the first
//   pair of double quotes, the line has no comment at all; a line is read up to a NUL byte;
// - a line starting with "#" that holds "#include" includes the file named between its first
//   two double quotes; a line starting with "[" is a header; any other line is a key line;
// - a header names the text between "[" and its first "]" (compared without regard to ASCII
//   case, kept as written); parents follow only the exact bytes "]:", separated by commas, each
//   trimmed; "[a] : b" has no parents;
// - a key line's key is the trimmed text before its first "=" (the whole line without one);
//   its value is the rest without the whitespace outside double quotes; a value whose quotes do
//   not balance runs on over the following lines, joined by CR LF, until they do; key lines
//   before the first header belong to no section and are dropped; keys compare exactly;
// - a line of 4095 bytes or more stops the game; a UTF-8 byte-order mark glued to a header
//   makes the game read no header there, so that section is dropped.
// Includes: the name is relative to the including file's folder, "\" and "/" separate folders,
// and a name not found as written is tried again in lower case; "*" and "?" in its last part
// take every matching file of the folder in name order. Included files share the namespace
// of the file that includes them; the section open at an #include line stays open after it.
//
// Loads. Every file of the set that no other file of the set includes is a root, and reads as
// one load, one namespace of sections: the root, what it includes, then the files
// "mod_<root name>_*.ltx" beside it in name order (with their includes). A file included by
// two roots belongs to two loads; the queries that take a file answer for its first load.
//
// Dialects (one for the whole set). Base: a section inherits its parents' keys at its header,
// so each parent must be defined (its lines read) above it; a section given twice stops the
// game (the model reads the repeat's lines as a change of the first, as an override would). Overlay (the mod-overlay framework: chosen automatically when any file has overlay
// syntax or a root has mod_ files): parents are resolved after everything is read, so they may
// come later, and a cycle stops the game; "![s]" changes an existing section, "@[s]" changes or
// creates one, "!![s]" deletes one; in a header "!p" among the parents removes parent p (the
// others are added to an existing section's list); "!key" deletes a key, also an inherited
// one; ">key = a, b" appends items to a comma list (inherited or own), "<key = a" removes
// every equal item from it. In the base dialect those lines are read as plain keys and
// headers.
//
// A section's effective keys: its parents' effective keys, a later parent winning over an
// earlier one, then its own key lines in reading order (a repeated key: the last one wins).
//
// A load that lacks files (an include not found, or an override of a section it does not have)
// tells no missing parents where the files it lacks may define them: in the overlay dialect
// anywhere, in the base dialect only for headers read after the first file it lacks.
//
// Lifetime: every string_view and span answered points into the model and stays valid until
// the next Build or the model's end. Nothing here touches Qt or reports to a user.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "objlib/FileSystem.h"
#include "objlib/TextEncoding.h"

// A place in a file of the model: `file` indexes GameModel::Files() (-1: nowhere), `line` is
// 1-based.
struct GameLocation {
    int file = -1;
    int line = 0;
    bool operator==(const GameLocation&) const = default;
};

enum class GameDialect : uint8_t { Base, Overlay };
enum class GameDialectChoice : uint8_t { Automatic, Base, Overlay };

// What the model reads.
struct GameInput {
    // The files of the set, in order (the window: the open file first, then the file list).
    // Paths are the system's cp1251 text, relative ones to the current folder.
    std::vector<std::string> paths;
    // Texts held in memory that are read instead of the file of that path on disk, wherever
    // the path is reached (given or included): the open file with its unsaved edits.
    struct Text {
        std::string path;
        std::string bytes;
    };
    std::vector<Text> texts;
    GameDialectChoice dialect = GameDialectChoice::Automatic;
};

struct GameFile {
    std::string path;     // as given, or the including file's folder + the name, with "/"
    bool found = false;   // read (from disk or memory)
    FileError error = FileError::None;  // why a given file was not read
    bool given = false;   // one of GameInput::paths
    bool root = false;    // starts a load
    bool overlay = false; // a mod_ file read after a root
    TextEncoding encoding = TextEncoding::Cp1251;  // its text's, as the editor would read it
};

enum class GameHeaderMark : uint8_t {
    None,              // [s]
    Override,          // ![s]
    CreateOrOverride,  // @[s]
    Delete,            // !![s]
};

// One header line the game reads as a header, in file order.
struct GameHeader {
    GameLocation at;
    GameHeaderMark mark = GameHeaderMark::None;
    std::string_view name;  // as written
    int section = -1;       // the section it defines or changes; -1 when it changes none
                            // (an override of a missing section)
};

struct GameParent {
    std::string_view name;  // as written
    GameLocation at;        // the header that lists it
    int section = -1;       // -1: not defined in the load
};

struct GameSection {
    std::string_view name;  // as written at `at`
    GameLocation at;        // the header that created it
    int load = 0;
    bool deleted = false;   // by "!![name]"; a later "[name]" makes a new section
    std::vector<GameParent> parents;  // in listed order, after the overlays' changes
    std::vector<GameLocation> changes;  // the headers that changed it after `at`, in order
};

struct GameKey {
    std::string_view key;
    std::string value;       // whitespace outside quotes dropped; empty for a key without "="
    int section = -1;        // where the winning line stands (the section itself or an ancestor)
    GameLocation at;         // that line
};

// One step of a section's parent chain, depth first in listed order (the parents of a step
// follow it one level deeper). A later sibling wins over an earlier one.
struct GameChainStep {
    std::string_view name;
    int section = -1;     // -1: not defined
    int depth = 0;        // 0 for the section asked about
    bool cycle = false;   // a section already on the way down: its parents are not followed
    bool shown = false;   // a section whose parents were shown above: they are not repeated
};

struct GameInclude {
    GameLocation at;
    std::string_view name;   // as written between the quotes
    std::vector<int> files;  // what it reads (several for a wildcard); empty when not found
};

enum class GameProblemKind : uint8_t {
    // Errors: the game stops at load.
    RepeatedSection,   // subject: the section; related: its first header
    MissingParent,     // subject: the section; other: the parent
    ParentCycle,       // subject: the section; other: the cycle "a -> b -> a"
    IncludeCycle,      // subject: the include name; other: the files "a.ltx -> b.ltx -> a.ltx"
    MissingInclude,    // subject: the include name; other: the path looked for
    LongLine,          // number: the line's length in bytes
    ParentBelowChild,  // base dialect; subject: the section; other: the parent; related: its header
    // Warnings: the game reads on, maybe not as meant.
    RepeatedKey,       // subject: the key; other: the section; related: the key's earlier line
    UnbalancedQuotes,  // subject: the key; number: the last line the value takes (0: the file's end)
    ByteOrderMark,     // subject: the section dropped (empty when the mark is on no header's line)
    SpaceBeforeColon,  // subject: the section; other: the parents the game does not read
    OverlayOnMissingSection,  // subject: the section; other: the mark ("![", "!![")
};

bool IsError(GameProblemKind kind);

struct GameProblem {
    GameProblemKind kind;
    GameLocation at;
    std::string subject;
    std::string other;
    GameLocation related;
    int64_t number = 0;
};

struct GameModelState;

class GameModel {
public:
    GameModel();
    ~GameModel();
    GameModel(const GameModel&) = delete;
    GameModel& operator=(const GameModel&) = delete;

    // Reads the set anew. Files on disk whose stamp has not changed since the last Build, and
    // texts equal to the last ones, are not read or taken apart again; a text that changed is
    // read again only around the change (ReadGameTextAgain). Nothing read stays valid across
    // a Build (see Lifetime above).
    void Build(const GameInput& input);
    // The same, taking the texts over instead of copying them.
    void Build(GameInput&& input);

    GameDialect Dialect() const;
    std::span<const GameFile> Files() const;
    // The file of that path (compared as absolute paths, "." and ".." resolved), or -1.
    int FileOf(std::string_view path) const;

    std::span<const GameSection> Sections() const;
    // The live section of that name (ASCII case ignored) in the load, or -1.
    int FindSection(std::string_view name, int load) const;
    // The load that reads the file first, or -1 when no load reads it.
    int LoadOf(int file) const;
    // The section whose lines hold the place (the last header above it in its file, as read by
    // the file's first load), or -1 above the first header or in a dropped section.
    int SectionAt(GameLocation place) const;
    // The header lines of the file in order (overlay ones included), as read by its first load.
    std::vector<GameHeader> HeadersIn(int file) const;

    // The section's keys after inheritance, in the order they first appear (parents' keys
    // first). Computed from indexes on each call; cycles are cut where they close.
    std::vector<GameKey> EffectiveKeys(int section) const;
    // One effective key; false when the section does not hold it.
    bool EffectiveKey(int section, std::string_view key, GameKey& found) const;
    // The section's ancestors as the game resolves them, the section itself first.
    std::vector<GameChainStep> ParentChain(int section) const;

    // The #include lines of the file, in order, and the one at a place (nullptr: none there).
    std::span<const GameInclude> IncludesIn(int file) const;
    const GameInclude* IncludeAt(GameLocation place) const;

    // Every problem, ordered by file (as in Files()) and line; each reported once even when
    // its file is read by several loads.
    std::span<const GameProblem> Problems() const;
    std::span<const GameProblem> ProblemsIn(int file) const;

private:
    std::unique_ptr<GameModelState> state_;
};
