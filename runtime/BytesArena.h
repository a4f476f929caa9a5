// BytesArena: keeps many small texts back to back in shared blocks.
//
// A text copied in costs its own bytes only: no allocation of its own, no block header. The
// copy is an ordinary Bytes slice, so a block lives as long as any text in it does. Texts of
// a table's rows are kept this way: their count, not their length, would dominate otherwise.
#pragma once

#include <cstring>
#include <string_view>

#include "runtime/Bytes.h"

class BytesArena {
public:
    static constexpr size_t kBlockSize = 64 * 1024;

    // A copy of `text`; large texts get a block of their own.
    Bytes Copy(std::string_view text) {
        if (text.empty()) return Bytes();
        if (text.size() > kBlockSize / 8) return Bytes(text);
        if (used_ + text.size() > kBlockSize) {
            block_ = Bytes::Uninitialized(kBlockSize, base_);
            used_ = 0;
        }
        std::memcpy(base_ + used_, text.data(), text.size());
        Bytes copy = block_.substr(used_, text.size());
        used_ += text.size();
        return copy;
    }

    // Lets go of the current block; texts already copied stay valid.
    void Release() {
        block_ = Bytes();
        base_ = nullptr;
        used_ = kBlockSize;
    }

private:
    Bytes block_;  // the block being filled; only its unused tail is ever written
    char* base_ = nullptr;
    size_t used_ = kBlockSize;
};
