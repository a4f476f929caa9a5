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

    // The section's keys; sections met again on the way down (a ring) give nothing.
    const KeySet& Keys(int section) {
        if (auto done = done_.find(section); done != done_.end()) return done->second;
        static const KeySet kNone;
        if (!onWay_.insert(section).second) return kNone;
        KeySet keys;
        for (const GameParent& parent : state_.sections[section].parents) {
            if (parent.section < 0) continue;
            const KeySet& inherited = Keys(parent.section);
            for (size_t i = 0; i < inherited.keys.size(); ++i)
                if (!inherited.gone[i]) Assign(keys.Put(inherited.keys[i].key), inherited.keys[i]);
        }
        for (int block = state_.sectionStates[section].firstBlock; block >= 0; block = state_.blocks[block].nextOfSection)
            ApplyBlock(keys, section, state_.blocks[block]);
        onWay_.erase(section);
        return done_.emplace(section, std::move(keys)).first->second;
    }

private:
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

void Chain(const State& state, int section, std::string_view name, int depth, std::vector<int>& way,
           std::unordered_set<int>& shown, std::vector<GameChainStep>& steps) {
    GameChainStep& step = steps.emplace_back();
    step.name = name;
    step.section = section;
    step.depth = depth;
    if (section < 0) return;
    step.cycle = std::find(way.begin(), way.end(), section) != way.end();
    step.shown = !step.cycle && !shown.insert(section).second;
    if (step.cycle || step.shown) return;
    way.push_back(section);
    for (const GameParent& parent : state.sections[section].parents)
        Chain(state, parent.section, parent.name, depth + 1, way, shown, steps);
    way.pop_back();
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
    std::vector<GameChainStep> steps;
    if (section < 0 || section >= static_cast<int>(state_->sections.size())) return steps;
    std::vector<int> way;
    std::unordered_set<int> shown;
    Chain(*state_, section, state_->sections[section].name, 0, way, shown, steps);
    return steps;
}
