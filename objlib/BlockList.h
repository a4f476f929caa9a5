// BlockList: a sequence of items (a string table's rows, a string list's lines) in blocks of a
// fixed power-of-two size.
//
// A walk asks for every item by its index, so finding item i is one add, one shift and one
// mask, with the count kept as a plain number. As a deque does, the list grows block by block
// (a large one never needs one huge buffer, nor a second one while it grows), takes an item in
// or out at either end without moving the others, and for one in the middle moves the items on
// the shorter side.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

template <class Row>
class BlockList {
public:
    BlockList() = default;
    // The tail points into the blocks: a list is not copied, and one moved takes its blocks,
    // which stay where they are, leaving the other empty.
    BlockList(const BlockList&) = delete;
    BlockList& operator=(const BlockList&) = delete;
    BlockList(BlockList&& other) noexcept { *this = std::move(other); }
    BlockList& operator=(BlockList&& other) noexcept {
        if (this == &other) return *this;
        blocks_ = std::move(other.blocks_);
        head_ = other.head_;
        size_ = other.size_;
        tail_ = other.tail_;
        tailBlockEnd_ = other.tailBlockEnd_;
        other.blocks_.clear();
        other.head_ = other.size_ = 0;
        other.tail_ = other.tailBlockEnd_ = nullptr;
        return *this;
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    Row& operator[](size_t i) { return At(head_ + i); }
    const Row& operator[](size_t i) const { return At(head_ + i); }

    // Appending is one store at a slot kept at hand: a table read in appends every row.
    void push_back(const Row& row) {
        if (tail_ == tailBlockEnd_) GrowTail();
        *tail_++ = row;
        ++size_;
    }

    // Inserts before the row at index (0..size()).
    void insert(size_t index, const Row& row) {
        if (index < size_ / 2) {
            if (head_ == 0) {  // room for one more row in front
                blocks_.insert(blocks_.begin(), NewBlock());
                head_ = kBlockRows;
            }
            --head_;
            ++size_;
            for (size_t i = 0; i < index; ++i) (*this)[i] = (*this)[i + 1];
        } else {
            push_back(row);
            for (size_t i = size_ - 1; i > index; --i) (*this)[i] = (*this)[i - 1];
        }
        (*this)[index] = row;
        FindTail();
    }

    // Removes the row at index (0..size()-1).
    void erase(size_t index) {
        if (index < size_ / 2) {
            for (size_t i = index; i > 0; --i) (*this)[i] = (*this)[i - 1];
            ++head_;
            --size_;
            if (head_ == kBlockRows) {  // the first block holds no row any more
                blocks_.erase(blocks_.begin());
                head_ = 0;
            }
        } else {
            for (size_t i = index; i + 1 < size_; ++i) (*this)[i] = (*this)[i + 1];
            --size_;
            if (head_ + size_ <= (blocks_.size() - 1) * kBlockRows) blocks_.pop_back();  // the last block is empty
        }
        if (size_ == 0) clear();
        FindTail();
    }

    // Lets go of every block.
    void clear() {
        blocks_.clear();
        blocks_.shrink_to_fit();
        head_ = size_ = 0;
        tail_ = tailBlockEnd_ = nullptr;
    }

private:
    static constexpr unsigned kBlockBits = 10;  // 1024 rows a block
    static constexpr size_t kBlockRows = size_t{1} << kBlockBits;
    static constexpr size_t kRowMask = kBlockRows - 1;

    static std::unique_ptr<Row[]> NewBlock() { return std::make_unique<Row[]>(kBlockRows); }
    Row& At(size_t slot) const { return blocks_[slot >> kBlockBits][slot & kRowMask]; }
    // Points tail_ at the slot after the last row, within its block, or at nothing when every
    // block is full.
    void FindTail() {
        const size_t slot = head_ + size_;
        if (slot == blocks_.size() * kBlockRows) {
            tail_ = tailBlockEnd_ = nullptr;
            return;
        }
        Row* const block = blocks_[slot >> kBlockBits].get();
        tail_ = block + (slot & kRowMask);
        tailBlockEnd_ = block + kBlockRows;
    }
    // The tail reached the end of its block: the next block, new if there is none.
    void GrowTail() {
        if (head_ + size_ == blocks_.size() * kBlockRows) blocks_.push_back(NewBlock());
        FindTail();
    }

    std::vector<std::unique_ptr<Row[]>> blocks_;
    size_t head_ = 0;  // unused slots before the first row, in the first block
    size_t size_ = 0;
    Row* tail_ = nullptr;  // the slot after the last row
    Row* tailBlockEnd_ = nullptr;  // the end of tail_'s block
};
