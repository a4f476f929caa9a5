#include "runtime/Bytes.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>
#include <stdexcept>

Bytes::Block* Bytes::Allocate(size_t size, char*& out) {
    if (size > UINT32_MAX) throw std::length_error("Bytes: a block holds at most 4 GiB");
    void* raw = std::malloc(sizeof(Block) + size);
    if (!raw) throw std::bad_alloc();
    Block* block = static_cast<Block*>(raw);
    block->refs = 1;
    block->reserved = 0;
    out = reinterpret_cast<char*>(block + 1);
    return block;
}

void Bytes::Free(Block* block) noexcept { std::free(block); }

Bytes::Bytes(std::string_view text) {
    if (text.empty()) return;
    char* out = nullptr;
    block_ = Allocate(text.size(), out);
    std::memcpy(out, text.data(), text.size());
    length_ = static_cast<uint32_t>(text.size());
}

Bytes Bytes::Uninitialized(size_t size, char*& out) {
    Bytes result;
    if (size == 0) {
        out = nullptr;
        return result;
    }
    result.block_ = Allocate(size, out);
    result.length_ = static_cast<uint32_t>(size);
    return result;
}

Bytes Bytes::Concat(std::initializer_list<std::string_view> pieces) {
    size_t total = 0;
    for (auto piece : pieces) total += piece.size();
    char* out = nullptr;
    Bytes result = Uninitialized(total, out);
    for (auto piece : pieces) {
        if (piece.empty()) continue;
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    }
    return result;
}

std::ostream& operator<<(std::ostream& out, const Bytes& b) { return out << b.view(); }
