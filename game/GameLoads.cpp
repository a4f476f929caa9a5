// Reading the loads: each root with its includes and overlays, header by header, into
// sections; then the parents of every section, checked by the dialect's rules.
#include <algorithm>

#include "game/GameModelState.h"

namespace {

using State = GameModelState;

class LoadReader {
public:
    LoadReader(State& state, int load) : state_(state), load_(load) {}

    void Read() {
        Load().firstSection = static_cast<int>(state_.sections.size());
        Walk(Load().root);
        for (int overlay : Load().overlays) Walk(overlay);
        Load().endSection = static_cast<int>(state_.sections.size());
    }

private:
    GameLoadState& Load() { return state_.loads[load_]; }
    void Lack() { Load().lackingSince = std::min(Load().lackingSince, Load().clock); }

    // Reads a file's headers and includes in order; the header open at an include stays open.
    // Without recursion, since chains of includes can be long.
    void Walk(int file) {
        Enter(file);
        while (!reading_.empty()) {
            Reading& now = reading_.back();
            const std::vector<int32_t>& steps = state_.TextOf(now.file).steps;
            if (now.include >= 0) {  // going through the files of an include
                const GameInclude& include = state_.fileStates[now.file].includes[now.include];
                if (now.target < include.files.size()) {
                    const int target = include.files[now.target++];
                    if (onWay_[target]) TellIncludeCycle(include, target);
                    else Enter(target);  // `now` may be gone from here on
                    continue;
                }
                now.include = -1;
            }
            if (now.step == steps.size()) {
                if (now.open >= 0) state_.blocks[now.open].closed = ++Load().clock;
                onWay_[now.file] = false;
                reading_.pop_back();
                continue;
            }
            const int32_t step = steps[now.step++];
            if (step >= 0) {
                if (now.open >= 0) state_.blocks[now.open].closed = ++Load().clock;
                now.open = Begin(now.file, step);
                if (now.first) state_.fileStates[now.file].headerBlock[step] = now.open;
            } else if (state_.fileStates[now.file].includes[~step].files.empty()) {
                state_.AddProblem(GameProblemKind::MissingInclude, state_.fileStates[now.file].includes[~step].at,
                                  state_.fileStates[now.file].includes[~step].name,
                                  state_.fileStates[now.file].includeTried[~step]);
                Lack();
            } else {
                now.include = ~step;
                now.target = 0;
            }
        }
    }

    void Enter(int file) {
        GameFileState& own = state_.fileStates[file];
        const bool first = own.firstLoad < 0;
        if (first) {
            own.firstLoad = load_;
            own.headerBlock.assign(state_.TextOf(file).headers.size(), -1);
        }
        onWay_.resize(state_.files.size(), false);
        onWay_[file] = true;
        reading_.push_back({file, first});
    }

    void TellIncludeCycle(const GameInclude& include, int target) {
        std::string files;
        auto ring = std::find_if(reading_.begin(), reading_.end(), [&](const Reading& r) { return r.file == target; });
        for (; ring != reading_.end(); ++ring) files += state_.files[ring->file].path + " -> ";
        state_.AddProblem(GameProblemKind::IncludeCycle, include.at, include.name, files + state_.files[target].path);
    }

    // A header begins a block: it creates, changes or deletes a section by its mark.
    int Begin(int file, int index) {
        const GameTextHeader& header = state_.TextOf(file).headers[index];
        const GameLocation at{file, header.line};
        const int block = static_cast<int>(state_.blocks.size());
        state_.blocks.push_back({-1, -1, file, index, ++Load().clock, 0});
        const int section = state_.Live(load_, header.name, header.nameHash);
        switch (header.mark) {
        case GameHeaderMark::None:
            if (section < 0) return Create(block, header, at);
            state_.AddProblem(GameProblemKind::RepeatedSection, at, header.name, {}).related = state_.sections[section].at;
            return Change(block, section, header, at);
        case GameHeaderMark::CreateOrOverride:
            return section < 0 ? Create(block, header, at) : Change(block, section, header, at);
        case GameHeaderMark::Override:
            if (section >= 0) return Change(block, section, header, at);
            state_.AddProblem(GameProblemKind::OverlayOnMissingSection, at, header.name, "![");
            Lack();
            return block;
        case GameHeaderMark::Delete:
            if (section < 0) {
                state_.AddProblem(GameProblemKind::OverlayOnMissingSection, at, header.name, "!![");
                Lack();
                return block;
            }
            state_.blocks[block].section = section;
            state_.sections[section].deleted = true;
            state_.sections[section].changes.push_back(at);
            Load().live.Remove(header.nameHash, section);
            return block;
        }
        return block;
    }

    int Create(int block, const GameTextHeader& header, GameLocation at) {
        const int section = static_cast<int>(state_.sections.size());
        GameSection& created = state_.sections.emplace_back();
        created.name = header.name;
        created.at = at;
        created.load = load_;
        state_.sectionStates.emplace_back();
        Load().live.Add(header.nameHash, section);
        return Join(block, section, header, at);
    }

    int Change(int block, int section, const GameTextHeader& header, GameLocation at) {
        state_.sections[section].changes.push_back(at);
        return Join(block, section, header, at);
    }

    // The block's key lines go to the section, and its header's parents change the section's:
    // "!p" removes p, any other is added unless listed already.
    int Join(int block, int section, const GameTextHeader& header, GameLocation at) {
        GameBlock& joined = state_.blocks[block];
        joined.section = joined.keySection = section;
        GameSection& target = state_.sections[section];
        GameSectionState& targetState = state_.sectionStates[section];
        if (targetState.lastBlock >= 0) state_.blocks[targetState.lastBlock].nextOfSection = block;
        else targetState.firstBlock = block;
        targetState.lastBlock = block;
        const std::vector<GameTextParent>& parents = state_.TextOf(at.file).parents;
        if (target.parents.empty()) {  // one allocation each for the usual header that lists them all
            target.parents.reserve(header.parentEnd - header.parentBegin);
            targetState.parentListed.reserve(header.parentEnd - header.parentBegin);
        }
        for (uint32_t p = header.parentBegin; p < header.parentEnd; ++p) {
            const GameTextParent& parent = parents[p];
            for (size_t i = target.parents.size(); i-- > 0;)
                if (parent.removed && GameSameName(target.parents[i].name, parent.name)) {
                    target.parents.erase(target.parents.begin() + i);
                    targetState.parentListed.erase(targetState.parentListed.begin() + i);
                }
            const bool listed = std::any_of(target.parents.begin(), target.parents.end(),
                                            [&](const GameParent& p) { return GameSameName(p.name, parent.name); });
            if (parent.removed || listed) continue;
            target.parents.push_back({parent.name, at, -1});
            targetState.parentListed.push_back(joined.opened);
        }
        return block;
    }

    // A file being read, and where in it.
    struct Reading {
        int file;
        bool first;           // the first load to read it
        size_t step = 0;      // the next of its headers and includes
        int open = -1;        // the block of the header open now
        int include = -1;     // the include whose files are being read, or -1
        size_t target = 0;    // the next of that include's files
    };

    State& state_;
    int load_;
    std::vector<Reading> reading_;  // the files being read, each inside the one before
    std::vector<bool> onWay_;       // for each file, whether it is in reading_
};

// Where the chain of parents from a section comes back to one on the way: "a -> b -> a".
std::string CycleText(const State& state, const std::vector<int>& way, int back) {
    std::string text;
    for (auto it = std::find(way.begin(), way.end(), back); it != way.end(); ++it)
        text += std::string(state.sections[*it].name) + " -> ";
    return text + std::string(state.sections[back].name);
}

// Overlay dialect: parents come from anywhere in the load; a ring of parents stops the game.
// Depth first over the parents, without recursion (chains can be long).
void TellCycles(State& state, int load) {
    enum Mark : uint8_t { New, OnWay, Done };
    const int first = state.loads[load].firstSection, end = state.loads[load].endSection;
    std::vector<Mark> marks(end - first, New);  // parents lie in the same load
    auto mark = [&](int section) -> Mark& { return marks[section - first]; };
    std::vector<int> way;
    std::vector<size_t> next;  // for each section on the way, its next parent to follow
    for (int start = first; start < end; ++start) {
        if (state.sections[start].deleted || mark(start) != New) continue;
        way = {start};
        next = {0};
        mark(start) = OnWay;
        while (!way.empty()) {
            const int section = way.back();
            const std::vector<GameParent>& parents = state.sections[section].parents;
            if (next.back() == parents.size()) {
                mark(section) = Done;
                way.pop_back();
                next.pop_back();
                continue;
            }
            const GameParent& parent = parents[next.back()++];
            if (parent.section < 0 || mark(parent.section) == Done) continue;
            if (mark(parent.section) == OnWay) {
                state.AddProblem(GameProblemKind::ParentCycle, parent.at, state.sections[section].name,
                                 CycleText(state, way, parent.section));
                continue;
            }
            mark(parent.section) = OnWay;
            way.push_back(parent.section);
            next.push_back(0);
        }
    }
}

// Whether a file the load lacks may define the section's parent: in the base dialect only one
// lacked before the child's header was read, in the overlay dialect any.
bool MayBeLacked(const State& state, const GameLoadState& load, int64_t parentListed) {
    if (state.dialect == GameDialect::Overlay) return load.lackingSince != GameLoadState::kNeverLacked;
    return load.lackingSince < parentListed;
}

// Finds every parent in the load; tells missing ones (unless the load lacks files that may
// define them) and, in the base dialect, parents not read before their child's header.
void ResolveParents(State& state, int load) {
    const GameLoadState& own = state.loads[load];
    for (int s = own.firstSection; s < own.endSection; ++s) {
        GameSection& section = state.sections[s];
        for (size_t i = 0; i < section.parents.size(); ++i) {
            GameParent& parent = section.parents[i];
            parent.section = state.Live(load, parent.name, GameNameHash(parent.name));
            if (parent.section < 0) {
                if (!MayBeLacked(state, own, state.sectionStates[s].parentListed[i]) && !section.deleted)
                    state.AddProblem(GameProblemKind::MissingParent, parent.at, section.name, parent.name);
                continue;
            }
            if (state.dialect != GameDialect::Base) continue;
            if (parent.section == s) {
                state.AddProblem(GameProblemKind::ParentCycle, parent.at, section.name,
                                 std::string(section.name) + " -> " + std::string(section.name));
                continue;
            }
            const GameBlock& definition = state.blocks[state.sectionStates[parent.section].firstBlock];
            if (definition.closed > state.sectionStates[s].parentListed[i])
                state.AddProblem(GameProblemKind::ParentBelowChild, parent.at, section.name, parent.name).related =
                    state.sections[parent.section].at;
        }
    }
    if (state.dialect == GameDialect::Overlay) TellCycles(state, load);
}

}  // namespace

void ReadGameLoads(GameModelState& state) {
    size_t headers = 0;  // a header read once makes one block and at most one section
    for (const GameFileState& file : state.fileStates)
        if (file.source) headers += file.source->text.headers.size();
    state.blocks.reserve(headers);
    state.sections.reserve(headers);
    state.sectionStates.reserve(headers);
    for (int load = 0; load < static_cast<int>(state.loads.size()); ++load) {
        LoadReader(state, load).Read();
        ResolveParents(state, load);
    }
}
