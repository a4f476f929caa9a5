#include "runtime/THIMemory.h"

void THIMemory::SetDefault(const TData& value) {
    CopyValue(Default, value);
    StoredValue = Default;
}

void THIMemory::doValue(TData& d, uint16_t) {
    // The first value is kept and goes on; the rest of a chain is dropped, not taken off value
    // by value, as the record that goes on is the stored value alone.
    d.Next = nullptr;
    StoredValue = d;
    ForwardData(d, onData);
}

void THIMemory::doClear(TData& d, uint16_t) {
    StoredValue = Default;
    ForwardCopy(d, onData, StoredValue);
}

void THIMemory::Value(TData& d, uint16_t) { d = StoredValue; }
