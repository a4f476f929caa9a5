#include "runtime/Bytes.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>

Bytes::Block* Bytes::Allocate(size_t size, char*& out) {
    void* raw = std::malloc(sizeof(Block) + size + 1);
    if (!raw) throw std::bad_alloc();
    Block* block = static_cast<Block*>(raw);
    block->refs = 1;
    out = reinterpret_cast<char*>(block + 1);
    out[size] = '\0';  // handy for debugging; never relied upon
    return block;
}

Bytes::Bytes(std::string_view text) {
    if (text.empty()) return;
    char* out = nullptr;
    block_ = Allocate(text.size(), out);
    std::memcpy(out, text.data(), text.size());
    ptr_ = out;
    len_ = text.size();
}

Bytes Bytes::Uninitialized(size_t size, char*& out) {
    Bytes result;
    if (size == 0) {
        out = nullptr;
        return result;
    }
    result.block_ = Allocate(size, out);
    result.ptr_ = out;
    result.len_ = size;
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

Bytes::Bytes(const Bytes& other) noexcept : block_(other.block_), ptr_(other.ptr_), len_(other.len_) {
    Retain();
}

Bytes::Bytes(Bytes&& other) noexcept : block_(other.block_), ptr_(other.ptr_), len_(other.len_) {
    other.block_ = nullptr;
    other.ptr_ = "";
    other.len_ = 0;
}

Bytes& Bytes::operator=(const Bytes& other) noexcept {
    other.Retain();  // before Release: other may share our block
    Release();
    block_ = other.block_;
    ptr_ = other.ptr_;
    len_ = other.len_;
    return *this;
}

Bytes& Bytes::operator=(Bytes&& other) noexcept {
    if (this == &other) return *this;
    Release();
    block_ = other.block_;
    ptr_ = other.ptr_;
    len_ = other.len_;
    other.block_ = nullptr;
    other.ptr_ = "";
    other.len_ = 0;
    return *this;
}

Bytes::~Bytes() { Release(); }

void Bytes::Release() noexcept {
    if (block_ && --block_->refs == 0) std::free(block_);
    block_ = nullptr;
}

Bytes Bytes::substr(size_t pos, size_t count) const {
    if (pos >= len_) return Bytes();
    if (count > len_ - pos) count = len_ - pos;
    if (count == 0) return Bytes();
    Bytes result;
    result.block_ = block_;
    result.ptr_ = ptr_ + pos;
    result.len_ = count;
    Retain();
    return result;
}

std::ostream& operator<<(std::ostream& out, const Bytes& b) { return out << b.view(); }
