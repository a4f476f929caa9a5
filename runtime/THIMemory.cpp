#include "runtime/THIMemory.h"

#include <utility>

#include "runtime/ForwardOrEnd.h"

namespace {

// Every field of TData but its string; the size check fails when a field is added.
static_assert(sizeof(TData) == 56, "a new field of TData must be copied below");
inline void CopyAllButString(TData& d, const TData& s) {
    d.DataType = s.DataType;
    d.IntValue = s.IntValue;
    d.RealValue = s.RealValue;
    d.ForwardEvent = s.ForwardEvent;
    d.Next = s.Next;
    d.Ref = s.Ref;
}

}  // namespace

void THIMemory::SetDefault(const TData& value) {
    CopyValue(Default, value);
    StoredValue = Default;
}

void THIMemory::doValue(TData& d, uint16_t) {
    // The first value is kept and goes on; the rest of a chain is dropped, not taken off value
    // by value, as the record that goes on is the stored value alone.
    d.Next = nullptr;
    // Stored before d is marked to go on, the string last, as in Value.
    CopyAllButString(StoredValue, d);
    ForwardDataOrEnd(d, onData);
    StoredValue.StrValue = d.StrValue;
}

void THIMemory::doClear(TData& d, uint16_t) {
    // StoredValue := Default, then ForwardCopy(d, onData, StoredValue), with the old strings
    // swapped out and let go last, when nothing else is left to do.
    Bytes oldStored = Default.StrValue;
    Bytes oldPassed = Default.StrValue;
    CopyAllButString(StoredValue, Default);
    std::swap(StoredValue.StrValue, oldStored);
    CopyAllButString(d, Default);
    std::swap(d.StrValue, oldPassed);
    // The builders clear their memories after every row and mostly nobody listens.
    ForwardDataOrEnd(d, onData);
}

// D := the stored value, its string last: letting go of d's old string is then the copy's
// last step and its only call, so a read of the value, made for every row a search walks,
// builds no frame.
void THIMemory::Value(TData& d, uint16_t) {
    CopyAllButString(d, StoredValue);
    d.StrValue = StoredValue.StrValue;
}
