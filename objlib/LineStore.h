// LineStore: the text of a string list's lines, addressed by 32-bit positions.
//
// A list of many short lines would spend more on one handle per line than on the lines
// themselves. Here a line is named by 8 bytes (position and length) and its bytes lie in a few
// shared blocks: a text taken in whole (a loaded file) stays the one block it was read into,
// and lines copied in go back to back, each followed by CR LF, into blocks of up to 64 KiB,
// so that the list's one-text form is mostly written straight from the blocks.
//
// Positions address slots of 64 KiB: a position's high half picks the slot, its low half the
// byte in it. A block takes as many slots as it needs, so the store holds at most 4 GiB,
// wasted slot tails included; a store without room says so before anything changes.
// Bytes once stored are never changed: a line handed out (Slice) stays as it was.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/Bytes.h"

class LineStore {
public:
    struct Line {
        uint32_t start = 0;
        uint32_t length = 0;
    };
    // The size of a block of copied lines, and of a slot.
    static constexpr uint32_t kBlockSize = 1u << 16;

    LineStore() = default;
    // Only one store may write into a block's free tail: a store is moved, never copied.
    LineStore(const LineStore&) = delete;
    LineStore& operator=(const LineStore&) = delete;
    LineStore(LineStore&& other) noexcept { *this = std::move(other); }
    LineStore& operator=(LineStore&& other) noexcept;

    // Whether `size` more bytes fit: Copy of a text of size - 2 bytes, or Take of `size` bytes.
    bool HasRoom(uint64_t size) const;
    // Copies the text followed by CR LF; the answer names the copy without the CR LF. The
    // store must have room for text.size() + 2 bytes, which it always has when FitsFill says so.
    // Inline when the fill block has room: a string list copies every line added this way.
    Line Copy(std::string_view text) {
        if (!FitsFill(text.size() + 2)) return CopyToNewBlock(text);
        char* out = fill_ + fillUsed_;
        const Line line{static_cast<uint32_t>((fillSlot_ << kSlotBits) + fillUsed_), static_cast<uint32_t>(text.size())};
        fillUsed_ += static_cast<uint32_t>(text.size() + 2);
        if (!text.empty()) std::memcpy(out, text.data(), text.size());  // an empty view may have no data
        out[text.size()] = '\r';
        out[text.size() + 1] = '\n';
        return line;
    }
    // Whether `size` bytes fit in what is left of the block copied lines go into; they then
    // take no slot of their own.
    bool FitsFill(uint64_t size) const { return size <= fillCapacity_ - fillUsed_; }
    // Copies the text alone, right after what was copied before; the store must have room for
    // text.size() bytes. For texts that are never written out as lines. Inline when the fill
    // block has room: a row store appends every row's text this way.
    Line Append(std::string_view text) {
        if (text.empty()) return Line{};
        if (!FitsFill(text.size())) return AppendToNewBlock(text);
        const Line line{static_cast<uint32_t>((fillSlot_ << kSlotBits) + fillUsed_), static_cast<uint32_t>(text.size())};
        std::memcpy(fill_ + fillUsed_, text.data(), text.size());
        fillUsed_ += static_cast<uint32_t>(text.size());
        return line;
    }
    // Takes the text's block in as it is, without copying: the byte at offset k of the text
    // lies at position base + k, where base is the answer. The store must have room for it.
    uint32_t Take(const Bytes& text);

    const char* Data(Line line) const { return slots_[line.start >> kSlotBits].data() + (line.start & kSlotMask); }
    // An empty line is the empty string, wherever it was stored.
    std::string_view View(Line line) const { return line.length ? std::string_view(Data(line), line.length) : std::string_view(); }
    // The line as a slice of its block.
    Bytes Slice(Line line) const {
        return line.length ? slots_[line.start >> kSlotBits].substr(line.start & kSlotMask, line.length) : Bytes();
    }
    // Whether CR LF follows the line's bytes in the store (always so for a copied line).
    // Inline: a list's one-text form asks it for every line.
    bool FollowedByLineEnd(Line line) const {
        const Bytes& slot = slots_[line.start >> kSlotBits];
        const size_t end = (line.start & kSlotMask) + size_t{line.length};
        if (end + 2 > slot.size()) return false;
        const char* after = slot.data() + end;
        return after[0] == '\r' && after[1] == '\n';
    }

    // Lets go of every block.
    void Clear();

private:
    static constexpr unsigned kSlotBits = 16;
    static constexpr uint32_t kSlotSize = kBlockSize;
    static constexpr uint32_t kSlotMask = kSlotSize - 1;
    static constexpr size_t kMaxSlots = size_t{1} << (32 - kSlotBits);
    static constexpr uint32_t kFirstFill = 256;  // a list of a few short lines stays small

    static size_t SlotsFor(uint64_t size) { return size == 0 ? 1 : static_cast<size_t>((size + kSlotMask) >> kSlotBits); }
    // Adds the block at the end of the slots; answers its first slot.
    size_t AddBlock(const Bytes& block, size_t slots);
    // Append of a non-empty text when the fill block has no room left for it.
    Line AppendToNewBlock(std::string_view text);
    // Copy when the fill block has no room left for the text.
    Line CopyToNewBlock(std::string_view text);
    // Room for `size` bytes in the fill block, or in a block of their own; answers where.
    char* Reserve(uint64_t size, uint32_t& start);

    // slots_[i] is the part of its block from slot i on; a block's later slots repeat it.
    std::vector<Bytes> slots_;
    char* fill_ = nullptr;  // the block copied lines go into, in slot fillSlot_
    size_t fillSlot_ = 0;
    uint32_t fillUsed_ = 0;
    uint32_t fillCapacity_ = 0;
};
