#include "runtime/THIMemory.h"

void THIMemory::SetDefault(const TData& value) {
    CopyValue(Default, value);
    StoredValue = Default;
}

void THIMemory::doValue(TData& d, uint16_t) {
    if (!d.Next) {
        // A single value is stored as it is and goes on as it is: nothing is left to take.
        StoredValue = d;
        ForwardData(d, onData);
        return;
    }
    StoredValue = TakeValue(d);
    ForwardCopy(d, onData, StoredValue);
}

void THIMemory::doClear(TData& d, uint16_t) {
    StoredValue = Default;
    ForwardCopy(d, onData, StoredValue);
}

void THIMemory::Value(TData& d, uint16_t) { d = StoredValue; }
