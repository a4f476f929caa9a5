// TList: a growable array of pointer-sized values.
#pragma once

#include <cstdint>

#include "objlib/TObj.h"

// Growth is linear: an append that finds the array full adds `Growth` slots (4 unless the
// owner sets more; 0 or less is reset to 4 on the next append). Elements are plain values:
// the list never frees what they point to. Index arguments out of range do nothing (Get
// answers 0), so a caller's slip cannot write outside the array.
class TList : public TObj {
public:
    using Item = uintptr_t;

    TList() = default;
    ~TList() override;

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    int Growth = 4;

    void Add(Item value);
    // Stores value at index 0..Count, moving the elements from index on one slot up.
    void Insert(int index, Item value);
    // The element, or 0 when the index is out of range.
    Item Get(int index) const { return index >= 0 && index < count_ ? items_[index] : 0; }
    // Replaces the element at an index in range.
    void Put(int index, Item value);
    void Delete(int index) { DeleteRange(index, 1); }
    // Removes up to n elements from index (index in 0..Count-1); nothing when n <= 0.
    void DeleteRange(int index, int n);
    // Reallocates to n slots, never below Count.
    void SetCapacity(int n);
    void Clear();

private:
    Item* items_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
};
