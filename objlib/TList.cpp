#include "objlib/TList.h"

#include <cstdlib>
#include <cstring>
#include <new>

TList::~TList() { Clear(); }

void TList::Add(Item value) {
    if (Growth <= 0) Growth = 4;
    if (count_ >= capacity_) SetCapacity(count_ + Growth);
    items_[count_++] = value;
}

void TList::Insert(int index, Item value) {
    if (index < 0 || index > count_) return;
    Add(0);
    std::memmove(items_ + index + 1, items_ + index, sizeof(Item) * (count_ - 1 - index));
    items_[index] = value;
}

void TList::Put(int index, Item value) {
    if (index >= 0 && index < count_) items_[index] = value;
}

void TList::DeleteRange(int index, int n) {
    if (n <= 0 || index < 0 || index >= count_) return;
    if (n > count_ - index) n = count_ - index;
    std::memmove(items_ + index, items_ + index + n, sizeof(Item) * (count_ - index - n));
    count_ -= n;
}

void TList::SetCapacity(int n) {
    if (n < count_) n = count_;
    if (n == capacity_) return;
    if (n == 0) {
        Clear();
        return;
    }
    void* grown = std::realloc(items_, sizeof(Item) * static_cast<size_t>(n));
    if (!grown) throw std::bad_alloc();
    items_ = static_cast<Item*>(grown);
    capacity_ = n;
}

void TList::Clear() {
    std::free(items_);
    items_ = nullptr;
    count_ = 0;
    capacity_ = 0;
}
