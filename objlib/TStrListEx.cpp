#include "objlib/TStrListEx.h"

int TStrListEx::AddObject(const Bytes& s, TList::Item value) {
    int index = Add(s);
    objects_.Put(index, value);
    return index;
}

void TStrListEx::LinesInserted(int index, int count) {
    // A whole text arrives at once: size the array once rather than four slots at a time.
    if (count > 1 && objects_.Capacity() < objects_.Count() + count) objects_.SetCapacity(objects_.Count() + count);
    for (int i = 0; i < count; ++i) objects_.Insert(index + i, 0);
}
