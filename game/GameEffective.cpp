// What a section holds after inheritance, and its chain of parents, answered from the
// sections and blocks a Build made.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "game/GameModelState.h"

namespace {

using State = GameModelState;

// The keys of one section in the making: in order of first appearance, a deleted key left as
// a gap until the end.
struct KeySet {
    std::vector<GameKey> keys;
    std::vector<bool> gone;
    std::unordered_map<std::string_view, size_t> index;

    GameKey* Find(std::string_view key) {
        auto found = index.find(key);
        return found == index.end() || gone[found->second] ? nullptr : &keys[found->second];
    }
    GameKey& Put(std::string_view key) {
        auto [found, added] = index.try_emplace(key, keys.size());
        if (added) {
            keys.push_back({key, {}, -1, {}});
            gone.push_back(false);
        }
        gone[found->second] = false;
        return keys[found->second];
    }
    void Erase(std::string_view key) {
        if (auto found = index.find(key); found != index.end()) gone[found->second] = true;
    }
};

// The items of a comma list.
std::vector<std::string_view> Items(std::string_view list) {
    std::vector<std::string_view> items;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        items.push_back(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return items;
}

std::string WithoutItems(std::string_view list, std::string_view removed) {
    const std::vector<std::string_view> drop = Items(removed);
    std::string kept;
    for (std::string_view item : Items(list)) {
        if (std::find(drop.begin(), drop.end(), item) != drop.end()) continue;
        if (!kept.empty()) kept += ',';
        kept += item;
    }
    return kept;
}

class Resolver {
public:
    explicit Resolver(const State& state) : state_(state) {}

    // The section's keys; sections met again on the way down (a ring) give nothing. Depth
    // first without recursion, since chains of parents can be long.
    const KeySet& Keys(int section) {
        if (auto done = done_.find(section); done != done_.end()) return done->second;
        std::vector<Frame> way;
        Enter(way, section);
        while (true) {
            Frame& frame = way.back();
            const std::vector<GameParent>& parents = state_.sections[frame.section].parents;
            if (frame.nextParent < parents.size()) {
                const int parent = parents[frame.nextParent++].section;
                if (parent < 0 || onWay_.contains(parent)) continue;
                if (auto done = done_.find(parent); done != done_.end())
                    Inherit(frame.keys, done->second);
                else
                    Enter(way, parent);
                continue;
            }
            for (int block = state_.sectionStates[frame.section].firstBlock; block >= 0;
                 block = state_.blocks[block].nextOfSection)
                ApplyBlock(frame.keys, frame.section, state_.blocks[block]);
            onWay_.erase(frame.section);
            const KeySet& keys = done_.emplace(frame.section, std::move(frame.keys)).first->second;
            way.pop_back();
            if (way.empty()) return keys;
            Inherit(way.back().keys, keys);
        }
    }

private:
    // A section on the way down, with the keys it has gathered from the parents before
    // `nextParent`.
    struct Frame {
        int section;
        size_t nextParent = 0;
        KeySet keys;
    };

    void Enter(std::vector<Frame>& way, int section) {
        onWay_.insert(section);
        way.push_back({section, 0, {}});
    }

    static void Inherit(KeySet& keys, const KeySet& inherited) {
        for (size_t i = 0; i < inherited.keys.size(); ++i)
            if (!inherited.gone[i]) Assign(keys.Put(inherited.keys[i].key), inherited.keys[i]);
    }

    static void Assign(GameKey& to, const GameKey& from) {
        to.value = from.value;
        to.section = from.section;
        to.at = from.at;
    }

    void ApplyBlock(KeySet& keys, int section, const GameBlock& block) {
        const GameText& text = state_.TextOf(block.file);
        const GameTextHeader& header = text.headers[block.header];
        for (uint32_t k = header.keyBegin; k < header.keyEnd; ++k) {
            const GameTextKey& line = text.keys[k];
            if (line.op == GameKeyOp::Delete) {
                keys.Erase(line.key);
                continue;
            }
            std::string value(line.value);
            if (line.op != GameKeyOp::Set) {
                const GameKey* current = keys.Find(line.key);
                const std::string_view was = current ? std::string_view(current->value) : std::string_view();
                if (line.op == GameKeyOp::Append)
                    value = was.empty() ? value : value.empty() ? std::string(was) : std::string(was) + "," + value;
                else
                    value = WithoutItems(was, line.value);
            }
            GameKey& key = keys.Put(line.key);
            key.value = std::move(value);
            key.section = section;
            key.at = {block.file, line.line};
        }
    }

    const State& state_;
    std::unordered_map<int, KeySet> done_;
    std::unordered_set<int> onWay_;
};

// Depth first in listed order without recursion, since chains of parents can be long.
std::vector<GameChainStep> Chain(const State& state, int section) {
    std::vector<GameChainStep> steps;
    std::vector<std::pair<int, size_t>> way;  // the sections on the way down, each with its next parent
    std::unordered_set<int> onWay, shown;
    // Adds the step; true when its parents are to be followed.
    auto step = [&](int at, std::string_view name, int depth) {
        GameChainStep& added = steps.emplace_back();
        added.name = name;
        added.section = at;
        added.depth = depth;
        if (at < 0) return false;
        added.cycle = onWay.contains(at);
        added.shown = !added.cycle && !shown.insert(at).second;
        return !added.cycle && !added.shown;
    };
    step(section, state.sections[section].name, 0);
    way.emplace_back(section, 0);
    onWay.insert(section);
    while (!way.empty()) {
        auto& [at, nextParent] = way.back();
        const std::vector<GameParent>& parents = state.sections[at].parents;
        if (nextParent == parents.size()) {
            onWay.erase(at);
            way.pop_back();
            continue;
        }
        const GameParent& parent = parents[nextParent++];
        if (step(parent.section, parent.name, static_cast<int>(way.size()))) {
            way.emplace_back(parent.section, 0);
            onWay.insert(parent.section);
        }
    }
    return steps;
}

}  // namespace

std::vector<GameKey> GameModel::EffectiveKeys(int section) const {
    std::vector<GameKey> keys;
    if (section < 0 || section >= static_cast<int>(state_->sections.size())) return keys;
    Resolver resolver(*state_);
    const KeySet& all = resolver.Keys(section);
    for (size_t i = 0; i < all.keys.size(); ++i)
        if (!all.gone[i]) keys.push_back(all.keys[i]);
    return keys;
}

bool GameModel::EffectiveKey(int section, std::string_view key, GameKey& found) const {
    for (GameKey& candidate : EffectiveKeys(section))
        if (candidate.key == key) {
            found = std::move(candidate);
            return true;
        }
    return false;
}

std::vector<GameChainStep> GameModel::ParentChain(int section) const {
    if (section < 0 || section >= static_cast<int>(state_->sections.size())) return {};
    return Chain(*state_, section);
}
