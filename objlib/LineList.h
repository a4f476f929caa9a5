// LineList: the lines of a string list, in order, in chunks of a fixed number of lines.
//
// A long list grows chunk by chunk, never moving what it holds, and a line is found with two
// loads: the index's high bits pick the chunk, its low bits the line in it. A deque does the
// same work in a dozen steps, and its append is a call. Insert and Erase move the lines
// after the place, a chunk at a time; the lists insert and erase seldom.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "objlib/LineStore.h"

class LineList {
public:
    using Line = LineStore::Line;

    size_t size() const { return size_; }
    Line& operator[](size_t i) { return chunks_[i >> kChunkBits][i & kChunkMask]; }
    const Line& operator[](size_t i) const { return chunks_[i >> kChunkBits][i & kChunkMask]; }

    // Inline: a loaded text appends every line.
    void push_back(Line line) {
        if ((size_ & kChunkMask) == 0) AddChunk();
        (*this)[size_++] = line;
    }
    // Puts the line at index 0..size().
    void Insert(size_t index, Line line) {
        push_back(line);
        // The free place moves from the end down to index.
        size_t hole = size_ - 1;
        while (hole > index) {
            const size_t chunkStart = hole & ~kChunkMask;
            const size_t from = chunkStart > index ? chunkStart : index;
            if (from < hole) {
                std::memmove(&(*this)[from + 1], &(*this)[from], (hole - from) * sizeof(Line));
                hole = from;
            }
            if (hole > index) {
                (*this)[hole] = (*this)[hole - 1];
                --hole;
            }
        }
        (*this)[index] = line;
    }
    // Removes the line at an index below size().
    void Erase(size_t index) {
        // The free place moves from index up to the end.
        size_t hole = index;
        while (hole + 1 < size_) {
            const size_t chunkLast = hole | kChunkMask;
            const size_t to = chunkLast < size_ - 1 ? chunkLast : size_ - 1;
            if (to > hole) {
                std::memmove(&(*this)[hole], &(*this)[hole + 1], (to - hole) * sizeof(Line));
                hole = to;
            }
            if (hole + 1 < size_) {
                (*this)[hole] = (*this)[hole + 1];
                ++hole;
            }
        }
        --size_;
        if ((size_ & kChunkMask) == 0) chunks_.pop_back();
    }
    // Lets go of every chunk.
    void Clear() {
        std::vector<Chunk>().swap(chunks_);
        size_ = 0;
    }

private:
    static constexpr unsigned kChunkBits = 9;  // 512 lines, 4 KiB
    static constexpr size_t kChunkSize = size_t{1} << kChunkBits;
    static constexpr size_t kChunkMask = kChunkSize - 1;

    // A chunk's lines are written before they are read: its memory is taken as it is.
    struct ChunkFree {
        void operator()(Line* chunk) const { ::operator delete(chunk); }
    };
    using Chunk = std::unique_ptr<Line[], ChunkFree>;

    // Out of line: once per chunk, and push_back stays small enough to inline.
    [[gnu::noinline]] void AddChunk() {
        chunks_.push_back(Chunk(static_cast<Line*>(::operator new(kChunkSize * sizeof(Line)))));
    }

    std::vector<Chunk> chunks_;
    size_t size_ = 0;
};
