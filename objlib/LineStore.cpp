#include "objlib/LineStore.h"

#include <algorithm>
#include <cstring>

LineStore& LineStore::operator=(LineStore&& other) noexcept {
    slots_ = std::move(other.slots_);
    fill_ = other.fill_;
    fillSlot_ = other.fillSlot_;
    fillUsed_ = other.fillUsed_;
    fillCapacity_ = other.fillCapacity_;
    other.Clear();
    return *this;
}

bool LineStore::HasRoom(uint64_t size) const { return slots_.size() + SlotsFor(size) <= kMaxSlots; }

size_t LineStore::AddBlock(const Bytes& block, size_t slots) {
    const size_t first = slots_.size();
    for (size_t i = 0; i < slots; ++i) slots_.push_back(block.substr(i << kSlotBits));
    return first;
}

char* LineStore::Reserve(uint64_t size, uint32_t& start) {
    char* out = nullptr;
    if (size > kSlotSize) {
        // A long line gets a block of its own.
        const Bytes block = Bytes::Uninitialized(size, out);
        start = static_cast<uint32_t>(AddBlock(block, SlotsFor(size)) << kSlotBits);
        return out;
    }
    if (fillUsed_ + size > fillCapacity_) {
        // Blocks grow from small to a slot's size, so a short list costs little.
        const uint32_t capacity =
            std::max({std::min(fillCapacity_ * 2, kSlotSize), kFirstFill, static_cast<uint32_t>(size)});
        fillSlot_ = AddBlock(Bytes::Uninitialized(capacity, fill_), 1);
        fillCapacity_ = capacity;
        fillUsed_ = 0;
    }
    out = fill_ + fillUsed_;
    start = static_cast<uint32_t>((fillSlot_ << kSlotBits) + fillUsed_);
    fillUsed_ += static_cast<uint32_t>(size);
    return out;
}

LineStore::Line LineStore::CopyToNewBlock(std::string_view text) {
    uint32_t start = 0;
    char* out = Reserve(text.size() + 2, start);
    if (!text.empty()) std::memcpy(out, text.data(), text.size());  // an empty view may have no data
    out[text.size()] = '\r';
    out[text.size() + 1] = '\n';
    return Line{start, static_cast<uint32_t>(text.size())};
}

LineStore::Line LineStore::AppendToNewBlock(std::string_view text) {
    uint32_t start = 0;
    std::memcpy(Reserve(text.size(), start), text.data(), text.size());
    return Line{start, static_cast<uint32_t>(text.size())};
}

uint32_t LineStore::Take(const Bytes& text) {
    return static_cast<uint32_t>(AddBlock(text, SlotsFor(text.size())) << kSlotBits);
}

void LineStore::Clear() {
    std::vector<Bytes>().swap(slots_);
    fill_ = nullptr;
    fillSlot_ = 0;
    fillUsed_ = fillCapacity_ = 0;
}
