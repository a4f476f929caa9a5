#include "game/GameModel.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "game/GameModelState.h"
#include "game/GamePaths.h"

namespace {

using State = GameModelState;

// Finds, reads and takes apart the files of one Build, keeping the texts that did not change.
class FileReader {
public:
    FileReader(State& state, GameInput& input, bool overlay) : state_(state), overlay_(overlay) {
        for (GameInput::Text& text : input.texts) memory_[GameFileIdentity(text.path)] = &text.bytes;
        previous_.swap(state_.cache);
    }

    // The file of the path: read now, or known already; -1 when it cannot be read (`error`
    // says why), unless it was given (a given file is always listed).
    int Reach(const std::string& path, bool given, FileError& error) {
        // A path reached again in one Build answers as it did: a large file names the same
        // few includes thousands of times, and each try would ask the file system anew.
        if (!given)
            if (auto known = reached_.find(path); known != reached_.end()) {
                error = known->second.error;
                return known->second.file;
            }
        const int file = ReachAnew(path, given, error);
        if (!given) reached_.emplace(path, Reached{file, error});
        return file;
    }

private:
    struct Reached {
        int file;
        FileError error;
    };

    int ReachAnew(const std::string& path, bool given, FileError& error) {
        const std::string identity = GameFileIdentity(path);
        if (auto known = state_.fileByIdentity.find(identity); known != state_.fileByIdentity.end()) {
            state_.files[known->second].given |= given;
            return known->second;
        }
        std::shared_ptr<GameSourceFile> source = Source(identity, path, error);
        if (!source && !given) return -1;
        const int file = static_cast<int>(state_.files.size());
        GameFile& entry = state_.files.emplace_back();
        entry.path = path;
        entry.found = source != nullptr;
        entry.error = source ? FileError::None : error;
        entry.given = given;
        if (source) entry.encoding = source->encoding;
        state_.fileStates.emplace_back().source = source;
        state_.fileByIdentity.emplace(identity, file);
        if (source) state_.cache.emplace(identity, std::move(source));
        return file;
    }

    std::shared_ptr<GameSourceFile> Source(const std::string& identity, const std::string& path, FileError& error) {
        auto cached = previous_.find(identity);
        const bool haveCached = cached != previous_.end() && cached->second->text.readAsOverlay == overlay_;
        if (auto text = memory_.find(identity); text != memory_.end()) {
            if (haveCached && cached->second->fromMemory && cached->second->text.ownBytes == *text->second)
                return cached->second;
            auto source = std::make_shared<GameSourceFile>();
            source->fromMemory = true;
            source->text.ownBytes = std::move(*text->second);  // Build reaches each file once
            // An edited text is mostly what it was: only the headers around the edit are read.
            if (haveCached && cached->second->fromMemory)
                ReadGameTextAgain(source->text.ownBytes, overlay_, cached->second->text.ownBytes, cached->second->text,
                                  source->text);
            else
                ReadGameText(source->text.ownBytes, overlay_, source->text);
            source->encoding = DetectTextEncoding(source->text.ownBytes);
            return source;
        }
        FileStamp stamp;
        if (haveCached && !cached->second->fromMemory && StampOfFile(path, stamp) && stamp == cached->second->stamp)
            return cached->second;
        auto source = std::make_shared<GameSourceFile>();
        if (!ReadWholeFile(path, source->diskBytes, &source->stamp)) {
            error = LastFileError();
            return nullptr;
        }
        ReadGameText(source->diskBytes.view(), overlay_, source->text);
        source->encoding = DetectTextEncoding(source->diskBytes.view());
        return source;
    }

    State& state_;
    bool overlay_;
    std::unordered_map<std::string, std::string*> memory_;
    std::unordered_map<std::string, std::shared_ptr<GameSourceFile>> previous_;
    std::unordered_map<std::string, Reached> reached_;  // by path, for paths not given
};

// Follows the includes from the given files, depth first, so that the files come in the order
// the game first reads them. Without recursion, since chains of includes can be long.
class Discovery {
public:
    Discovery(State& state, FileReader& reader) : state_(state), reader_(reader) {}

    int Visit(const std::string& path, bool given) {
        FileError error = FileError::None;
        const int file = reader_.Reach(path, given, error);
        if (!Enter(file)) return file;
        while (!way_.empty()) Step();
        return file;
    }

private:
    // The paths an include name may read, in groups tried in order: every path of a group is
    // reached, and the first group that reaches any ends the search.
    struct Candidate {
        std::vector<std::vector<std::string>> groups;
        std::string tried;
        // Once one include of this folder and name was followed, the files it reads: every
        // path answers as it did (FileReader::Reach), so a repeat reads the same ones.
        bool resolved = false;
        std::vector<int> files;
    };

    // A file whose includes are being followed, and where in them.
    struct Frame {
        int file;
        size_t include = 0;  // the one being resolved
        bool resolving = false;
        GameInclude resolved;
        // The paths the include may name (kept by CandidatesOf), and where in them.
        Candidate* names = nullptr;
        size_t group = 0, candidate = 0;
    };

    // Starts following a file's includes unless it was not read or is followed already.
    bool Enter(int file) {
        if (file < 0 || !state_.files[file].found) return false;
        visited_.resize(state_.files.size(), false);
        if (visited_[file]) return false;
        visited_[file] = true;
        way_.emplace_back().file = file;
        state_.fileStates[file].includes.reserve(state_.TextOf(file).includes.size());
        state_.fileStates[file].includeTried.reserve(state_.TextOf(file).includes.size());
        return true;
    }

    // One move: begins an include, reaches one of its paths, or ends it or the file.
    void Step() {
        Frame& frame = way_.back();
        const std::vector<GameTextInclude>& includes = state_.TextOf(frame.file).includes;
        if (!frame.resolving) {
            if (frame.include == includes.size()) {
                way_.pop_back();
                return;
            }
            const GameTextInclude& include = includes[frame.include];
            frame.resolved = {{frame.file, include.line}, include.name, {}};
            Candidate& names = CandidatesOf(GameFolderOf(state_.files[frame.file].path), include.name);
            if (names.resolved) {  // the same files as before, followed already
                frame.resolved.files = names.files;
                Resolved(frame, names.tried);
                return;
            }
            frame.names = &names;
            frame.group = frame.candidate = 0;
            frame.resolving = true;
            return;
        }
        const std::vector<std::vector<std::string>>& groups = frame.names->groups;
        if (frame.group < groups.size() && frame.candidate < groups[frame.group].size()) {
            FileError error = FileError::None;
            const int target = reader_.Reach(groups[frame.group][frame.candidate++], false, error);
            if (target < 0) return;
            frame.resolved.files.push_back(target);
            Enter(target);  // `frame` may be gone from here on
            return;
        }
        if (frame.group < groups.size()) {
            frame.group = frame.resolved.files.empty() ? frame.group + 1 : groups.size();
            frame.candidate = 0;
            return;
        }
        frame.names->resolved = true;
        frame.names->files = frame.resolved.files;
        Resolved(frame, frame.names->tried);
    }

    // Ends the frame's include: its files are known.
    void Resolved(Frame& frame, const std::string& tried) {
        for (int target : frame.resolved.files)
            if (target != frame.file) state_.fileStates[target].includedByOther = true;
        state_.fileStates[frame.file].includes.push_back(std::move(frame.resolved));
        state_.fileStates[frame.file].includeTried.push_back(tried);
        frame.resolving = false;
        ++frame.include;
    }

    // Candidates, worked out once per folder and name in a Build: the same names come again
    // and again.
    Candidate& CandidatesOf(std::string_view folder, std::string_view name) {
        key_.assign(folder);  // a buffer kept between calls: a name met before costs no allocation
        key_ += '\0';
        key_ += name;
        if (auto found = candidates_.find(key_); found != candidates_.end()) return found->second;
        Candidate& added = candidates_[key_];
        added.groups = Candidates(std::string(folder), name, added.tried);
        return added;
    }

    // The paths an include name may read: as written, else in lower case; a wildcard in its
    // last part reads every matching file of that folder in name order.
    static std::vector<std::vector<std::string>> Candidates(const std::string& folder, std::string_view name,
                                                            std::string& tried) {
        tried = GameJoinPath(folder, name);
        const std::string lower = GameJoinPath(folder, GameLowerCase(name));
        const std::vector<std::string> paths = lower == tried ? std::vector{tried} : std::vector{tried, lower};
        std::vector<std::vector<std::string>> groups;
        for (const std::string& path : paths) {
            if (!GameHasWildcard(name)) {
                groups.push_back({path});
                continue;
            }
            const std::string_view pathFolder = GameFolderOf(path);
            const std::string_view pattern = std::string_view(path).substr(path.rfind('/') + 1);
            std::vector<std::string>& group = groups.emplace_back();
            for (const std::string& match : GameMatchingFiles(pathFolder, pattern))
                group.push_back(GameJoinPath(pathFolder, match));
        }
        return groups;
    }

    State& state_;
    FileReader& reader_;
    std::vector<bool> visited_;
    std::vector<Frame> way_;
    std::unordered_map<std::string, Candidate> candidates_;  // by folder and name
    std::string key_;
};

// Marks the files a file reaches through includes.
void MarkReached(const State& state, int file, std::vector<bool>& reached) {
    std::vector<int> pending{file};
    while (!pending.empty()) {
        const int next = pending.back();
        pending.pop_back();
        if (reached[next]) continue;
        reached[next] = true;
        for (const GameInclude& include : state.fileStates[next].includes)
            for (int target : include.files) pending.push_back(target);
    }
}

// The roots: the given files no other file includes; then, for files that only include each
// other in a ring, the first given file of each ring.
std::vector<int> ChooseRoots(const State& state) {
    std::vector<int> roots;
    std::vector<bool> reached(state.files.size(), false);
    for (int file = 0; file < static_cast<int>(state.files.size()); ++file)
        if (state.files[file].given && state.files[file].found && !state.fileStates[file].includedByOther) {
            roots.push_back(file);
            MarkReached(state, file, reached);
        }
    for (int file = 0; file < static_cast<int>(state.files.size()); ++file)
        if (state.files[file].given && state.files[file].found && !reached[file]) {
            roots.push_back(file);
            MarkReached(state, file, reached);
        }
    return roots;
}

// "mod_<root>_*.ltx" beside a root: its name without ".ltx" after "mod_".
std::string OverlayPattern(std::string_view rootPath) {
    std::string_view name = rootPath.substr(rootPath.rfind('/') + 1);
    if (GameLowerCase(name).ends_with(".ltx")) name.remove_suffix(4);
    return "mod_" + std::string(name) + "_*.ltx";
}

void SortAndIndexProblems(State& state) {
    auto& problems = state.problems;
    // By place, and on one line errors first; a file read twice, or by two loads, tells the
    // same problem again: one is kept.
    auto key = [](const GameProblem& p) { return std::tie(p.at.file, p.at.line, p.kind, p.subject, p.other); };
    // Their indexes are sorted rather than the problems, which carry two strings each.
    std::vector<uint32_t> order(problems.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return key(problems[a]) < key(problems[b]); });
    std::vector<GameProblem> sorted;
    sorted.reserve(problems.size());
    for (uint32_t i : order)
        if (sorted.empty() || key(sorted.back()) != key(problems[i])) sorted.push_back(std::move(problems[i]));
    problems = std::move(sorted);
    state.problemsFrom.assign(state.files.size() + 1, problems.size());
    for (size_t i = problems.size(); i-- > 0;) state.problemsFrom[problems[i].at.file] = i;
    for (size_t file = state.files.size(); file-- > 0;)
        state.problemsFrom[file] = std::min(state.problemsFrom[file], state.problemsFrom[file + 1]);
}

}  // namespace

GameProblem& GameModelState::AddProblem(GameProblemKind kind, GameLocation at, std::string_view subject,
                                          std::string_view other) {
    GameProblem& problem = problems.emplace_back();
    problem.kind = kind;
    problem.at = at;
    problem.subject = subject;
    problem.other = other;
    return problem;
}

bool IsError(GameProblemKind kind) { return kind < GameProblemKind::RepeatedKey; }

GameModel::GameModel() : state_(std::make_unique<GameModelState>()) {}
GameModel::~GameModel() = default;

void GameModel::Build(const GameInput& input) {
    GameInput copy = input;
    Build(std::move(copy));
}

void GameModel::Build(GameInput&& input) {
    auto cache = std::move(state_->cache);
    state_ = std::make_unique<GameModelState>();
    state_->cache = std::move(cache);
    State& state = *state_;

    // Read as the overlay dialect unless told otherwise: a file without overlay syntax reads
    // the same either way, and one with it decides for the overlay dialect.
    const bool forcedBase = input.dialect == GameDialectChoice::Base;
    FileReader reader(state, input, !forcedBase);
    Discovery discovery(state, reader);
    for (const std::string& path : input.paths) discovery.Visit(path, true);

    bool overlaySyntax = false;
    std::vector<int> roots = ChooseRoots(state);
    std::vector<std::vector<int>> overlays(roots.size());
    if (!forcedBase)
        for (size_t r = 0; r < roots.size(); ++r) {
            const std::string folder(GameFolderOf(state.files[roots[r]].path));
            for (const std::string& name : GameMatchingFiles(folder, OverlayPattern(state.files[roots[r]].path))) {
                const int file = discovery.Visit(GameJoinPath(folder, name), false);
                if (file < 0 || file == roots[r]) continue;
                overlays[r].push_back(file);
                state.files[file].overlay = true;
                overlaySyntax = true;
            }
        }
    for (size_t r = 0; r < roots.size(); ++r) {
        if (state.files[roots[r]].overlay) continue;  // read after the root it belongs to
        state.files[roots[r]].root = true;
        GameLoadState& load = state.loads.emplace_back();
        load.root = roots[r];
        load.overlays = overlays[r];
    }
    for (const GameFileState& file : state.fileStates)
        overlaySyntax = overlaySyntax || (file.source && file.source->text.overlaySyntax);
    state.dialect = input.dialect == GameDialectChoice::Overlay || (!forcedBase && overlaySyntax) ? GameDialect::Overlay
                                                                                                  : GameDialect::Base;

    for (int file = 0; file < static_cast<int>(state.files.size()); ++file) {
        if (!state.files[file].found) continue;
        for (GameProblem problem : state.TextOf(file).problems) {
            problem.at.file = file;
            if (problem.related.line) problem.related.file = file;
            state.problems.push_back(std::move(problem));
        }
    }
    ReadGameLoads(state);
    SortAndIndexProblems(state);
}

GameDialect GameModel::Dialect() const { return state_->dialect; }
std::span<const GameFile> GameModel::Files() const { return state_->files; }

int GameModel::FileOf(std::string_view path) const {
    auto found = state_->fileByIdentity.find(GameFileIdentity(path));
    return found == state_->fileByIdentity.end() ? -1 : found->second;
}

std::span<const GameSection> GameModel::Sections() const { return state_->sections; }

int GameModel::FindSection(std::string_view name, int load) const {
    if (load < 0 || load >= static_cast<int>(state_->loads.size())) return -1;
    return state_->Live(load, name, GameNameHash(name));
}

int GameModel::LoadOf(int file) const {
    return file >= 0 && file < static_cast<int>(state_->files.size()) ? state_->fileStates[file].firstLoad : -1;
}

int GameModel::SectionAt(GameLocation place) const {
    if (LoadOf(place.file) < 0) return -1;
    const std::vector<GameTextHeader>& headers = state_->TextOf(place.file).headers;
    auto after = std::upper_bound(headers.begin(), headers.end(), place.line,
                                  [](int line, const GameTextHeader& header) { return line < header.line; });
    if (after == headers.begin()) return -1;
    const int block = state_->fileStates[place.file].headerBlock[after - headers.begin() - 1];
    return state_->blocks[block].keySection;
}

std::vector<GameHeader> GameModel::HeadersIn(int file) const {
    std::vector<GameHeader> headers;
    if (LoadOf(file) < 0) return headers;
    const std::vector<GameTextHeader>& own = state_->TextOf(file).headers;
    for (size_t i = 0; i < own.size(); ++i)
        headers.push_back({{file, own[i].line}, own[i].mark, own[i].name,
                           state_->blocks[state_->fileStates[file].headerBlock[i]].section});
    return headers;
}

std::span<const GameInclude> GameModel::IncludesIn(int file) const {
    if (file < 0 || file >= static_cast<int>(state_->files.size())) return {};
    return state_->fileStates[file].includes;
}

const GameInclude* GameModel::IncludeAt(GameLocation place) const {
    for (const GameInclude& include : IncludesIn(place.file))
        if (include.at.line == place.line) return &include;
    return nullptr;
}

std::span<const GameProblem> GameModel::Problems() const { return state_->problems; }

std::span<const GameProblem> GameModel::ProblemsIn(int file) const {
    if (file < 0 || file >= static_cast<int>(state_->files.size())) return {};
    const auto& from = state_->problemsFrom;
    return std::span<const GameProblem>(state_->problems).subspan(from[file], from[file + 1] - from[file]);
}
