// BytesBuilder: builds texts piece by piece, one after another, at the tail of a shared block.
//
// A text built costs its own bytes only: no allocation of its own and no copy out of a work
// buffer. It is an ordinary Bytes slice, so a block lives as long as any text in it does, and
// only the block's unused tail is ever written. The texts a component makes for every line (a
// formatted row) are built this way.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "runtime/Bytes.h"

class BytesBuilder {
public:
    static constexpr size_t kBlockSize = 16 * 1024;

    BytesBuilder() = default;
    // Not copied or moved: a second builder over the same block would write over its texts.
    BytesBuilder(const BytesBuilder&) = delete;
    BytesBuilder& operator=(const BytesBuilder&) = delete;

    // Starts a new text; what was appended since the last Finish is dropped.
    void Start() { used_ = start_; }
    // Always in line: a formatted line is a handful of appends.
    [[gnu::always_inline]] void Append(std::string_view piece) {
        const size_t size = piece.size();
        if (size > capacity_ - used_) Grow(size);
        char* to = base_ + used_;
        used_ += size;
        const char* from = piece.data();
        // Pieces of up to 16 bytes (most values and the text a mask puts between them) are
        // copied without a call, as two overlapping words from each end.
        // The text between values is mostly a byte or three, so the shortest come first.
        if (size <= 3) {
            if (size > 0) {
                to[0] = from[0];
                to[size / 2] = from[size / 2];
                to[size - 1] = from[size - 1];
            }
        } else if (size < 8) {
            CopyEnds<4>(to, from, size);
        } else if (size <= 16) {
            CopyEnds<8>(to, from, size);
        } else {
            std::memcpy(to, from, size);
        }
    }
    // Appends the decimal digits of i, with a '-' before a negative number, as ToString
    // writes an integer: straight into the block, without a string of their own.
    void AppendDecimal(int32_t i) {
        constexpr size_t kMost = 11;  // "-2147483648"
        if (kMost > capacity_ - used_) Grow(kMost);
        char* to = base_ + used_;
        used_ += static_cast<size_t>(std::to_chars(to, to + kMost, i).ptr - to);
    }
    // The text appended since Start.
    Bytes Finish() {
        Bytes text = block_.substr(start_, used_ - start_);
        start_ = used_;
        return text;
    }

private:
    // Copies size bytes, W <= size <= 2 * W, as the first and the last W of them.
    template <size_t W>
    [[gnu::always_inline]] static void CopyEnds(char* to, const char* from, size_t size) {
        char head[W];
        char tail[W];
        std::memcpy(head, from, W);
        std::memcpy(tail, from + size - W, W);
        std::memcpy(to, head, W);
        std::memcpy(to + size - W, tail, W);
    }
    // Moves the text being built to a new block with room for `more` bytes behind it.
    void Grow(size_t more) {
        const size_t length = used_ - start_;
        char* base = nullptr;
        const size_t capacity = std::max(kBlockSize, 2 * (length + more));
        Bytes block = Bytes::Uninitialized(capacity, base);
        if (length > 0) std::memcpy(base, base_ + start_, length);
        block_ = std::move(block);
        base_ = base;
        capacity_ = capacity;
        start_ = 0;
        used_ = length;
    }

    Bytes block_;  // the block being filled
    char* base_ = nullptr;
    size_t capacity_ = 0;
    size_t used_ = 0;   // bytes of the block written
    size_t start_ = 0;  // where the text being built starts
};
