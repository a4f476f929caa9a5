// GameNames: section names as the game compares them, without regard to ASCII case, and a
// table of sections by name whose hashes are worked out once, when the names are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

inline char GameFoldedByte(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

inline size_t GameNameHash(std::string_view name) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(GameFoldedByte(c))) * 1099511628211ull;
    return static_cast<size_t>(hash);
}

inline bool GameSameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (GameFoldedByte(a[i]) != GameFoldedByte(b[i])) return false;
    return true;
}

// The live sections of a load by name: open addressing over the names' hashes, so that a
// lookup in a load of hundreds of thousands of sections touches one slot, not a chain of
// nodes. A slot holds the hash and the section; the name itself is asked of `nameOf`.
class GameNameTable {
public:
    // The section of that name, or -1. NameOf: int -> std::string_view.
    template <typename NameOf>
    int Find(std::string_view name, size_t hash, NameOf nameOf) const {
        if (slots_.empty()) return -1;
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (slot.section == kEmpty) return -1;
            if (slot.section != kRemoved && slot.hash == hash && GameSameName(nameOf(slot.section), name))
                return slot.section;
        }
    }
    // Adds a section whose name is not in the table.
    void Add(size_t hash, int section) {
        if ((used_ + 1) * 2 > slots_.size()) Grow();
        size_t i = hash & mask_;
        while (slots_[i].section >= 0) i = (i + 1) & mask_;
        used_ += slots_[i].section == kEmpty;
        slots_[i] = {hash, section};
    }
    void Remove(size_t hash, int section) {
        for (size_t i = hash & mask_; slots_[i].section != kEmpty; i = (i + 1) & mask_)
            if (slots_[i].section == section) {
                slots_[i].section = kRemoved;  // the slot stays taken, so that later ones are still found
                return;
            }
    }
    void Reserve(size_t sections) {
        while (slots_.size() < sections * 2) Grow();
    }

private:
    static constexpr int kEmpty = -1, kRemoved = -2;
    struct Slot {
        size_t hash = 0;
        int section = kEmpty;
    };

    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 16 : old.size() * 2, Slot());
        mask_ = slots_.size() - 1;
        used_ = 0;
        for (const Slot& slot : old)
            if (slot.section >= 0) Add(slot.hash, slot.section);
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t used_ = 0;  // slots not empty, removed ones included
};
