#include "runtime/THIMemory.h"

void THIMemory::SetDefault(const TData& value) {
    CopyValue(Default, value);
    StoredValue = Default;
}

void THIMemory::doValue(TData& d, uint16_t) {
    StoredValue = TakeValue(d);
    ForwardCopy(d, onData, StoredValue);
}

void THIMemory::doClear(TData& d, uint16_t) {
    StoredValue = Default;
    ForwardCopy(d, onData, StoredValue);
}

void THIMemory::Value(TData& d, uint16_t) { d = StoredValue; }
