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
    Bytes(std::string_view text);            // copies text into a new block
    Bytes(const char* text) : Bytes(std::string_view(text)) {}
    Bytes(const std::string& text) : Bytes(std::string_view(text)) {}
    Bytes(const Bytes& other) noexcept;
    Bytes(Bytes&& other) noexcept;
    Bytes& operator=(const Bytes& other) noexcept;
    Bytes& operator=(Bytes&& other) noexcept;
    ~Bytes();

    // A block of `size` uninitialised bytes for the caller to fill through `out`.
    static Bytes Uninitialized(size_t size, char*& out);
    // The concatenation of the given pieces, in one new block.
    static Bytes Concat(std::initializer_list<std::string_view> pieces);

    const char* data() const noexcept { return ptr_; }
    size_t size() const noexcept { return len_; }
    bool empty() const noexcept { return len_ == 0; }
    char operator[](size_t i) const noexcept { return ptr_[i]; }
    std::string_view view() const noexcept { return {ptr_, len_}; }
    operator std::string_view() const noexcept { return view(); }
    std::string str() const { return std::string(ptr_, len_); }

    // Bytes [pos, pos + count) clamped to the string; shares this block.
    Bytes substr(size_t pos, size_t count = npos) const;

    friend bool operator==(const Bytes& a, const Bytes& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const Bytes& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const Bytes& a, const char* b) noexcept { return a.view() == std::string_view(b); }
    friend std::ostream& operator<<(std::ostream& out, const Bytes& b);

private:
    struct Block {
        uint32_t refs;
    };
    static Block* Allocate(size_t size, char*& out);
    void Retain() const noexcept {
        if (block_) ++block_->refs;
    }
    void Release() noexcept;

    Block* block_ = nullptr;
    const char* ptr_ = "";
    size_t len_ = 0;
};
