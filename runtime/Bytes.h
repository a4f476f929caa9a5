// Bytes: an immutable, reference-counted byte string.
//
// Text inside the system is bytes in code page 1251. A Bytes value is a slice of a shared
// block: copying it only bumps a counter, and substr() returns a slice of the same block, so
// splitting a line into fields never copies its bytes. Single-threaded by design (the whole
// system runs on one GUI thread), so the counter is a plain integer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>

class Bytes {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    Bytes() noexcept = default;
    Bytes(std::string_view text);  // copies text into a new block
    Bytes(const char* text) : Bytes(std::string_view(text)) {}
    Bytes(const std::string& text) : Bytes(std::string_view(text)) {}
    Bytes(const Bytes& other) noexcept : block_(other.block_), offset_(other.offset_), length_(other.length_) {
        Retain();
    }
    Bytes(Bytes&& other) noexcept : block_(other.block_), offset_(other.offset_), length_(other.length_) {
        other.block_ = nullptr;
        other.offset_ = other.length_ = 0;
    }
    Bytes& operator=(const Bytes& other) noexcept {
        // Our old block is let go only once other's is taken: other may share it, or be this
        // very string.
        other.Retain();
        Block* const old = block_;
        block_ = other.block_;
        offset_ = other.offset_;
        length_ = other.length_;
        if (old && --old->refs == 0) Free(old);
        return *this;
    }
    Bytes& operator=(Bytes&& other) noexcept {
        if (this != &other) {
            Release();
            block_ = other.block_;
            offset_ = other.offset_;
            length_ = other.length_;
            other.block_ = nullptr;
            other.offset_ = other.length_ = 0;
        }
        return *this;
    }
    ~Bytes() { Release(); }

    // A block of `size` uninitialised bytes for the caller to fill through `out`.
    static Bytes Uninitialized(size_t size, char*& out);
    // The concatenation of the given pieces, in one new block.
    static Bytes Concat(std::initializer_list<std::string_view> pieces);

    const char* data() const noexcept {
        return block_ ? reinterpret_cast<const char*>(block_ + 1) + offset_ : "";
    }
    size_t size() const noexcept { return length_; }
    bool empty() const noexcept { return length_ == 0; }
    char operator[](size_t i) const noexcept { return data()[i]; }
    std::string_view view() const noexcept { return {data(), length_}; }
    operator std::string_view() const noexcept { return view(); }
    std::string str() const { return std::string(data(), length_); }

    // Bytes [pos, pos + count) clamped to the string; shares this block. Inline: the text
    // components cut every line into slices.
    Bytes substr(size_t pos, size_t count = npos) const {
        Bytes result;
        if (pos >= length_) return result;
        if (count > length_ - pos) count = length_ - pos;
        if (count == 0) return result;
        Retain();
        result.block_ = block_;
        result.offset_ = offset_ + static_cast<uint32_t>(pos);
        result.length_ = static_cast<uint32_t>(count);
        return result;
    }

    friend bool operator==(const Bytes& a, const Bytes& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const Bytes& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const Bytes& a, const char* b) noexcept { return a.view() == std::string_view(b); }
    friend bool operator==(const Bytes& a, const std::string& b) noexcept { return a.view() == std::string_view(b); }
    friend std::ostream& operator<<(std::ostream& out, const Bytes& b);

private:
    // The block header; the bytes follow it. One block holds at most 4 GiB.
    struct Block {
        uint32_t refs;
        uint32_t reserved;
    };
    static Block* Allocate(size_t size, char*& out);
    static void Free(Block* block) noexcept;
    void Retain() const noexcept {
        if (block_) ++block_->refs;
    }
    void Release() noexcept {
        if (block_ && --block_->refs == 0) Free(block_);
        block_ = nullptr;
    }

    Block* block_ = nullptr;
    uint32_t offset_ = 0;
    uint32_t length_ = 0;
};
