#include "components/text/THIArrayRW.h"

#include "runtime/ReadDataRef.h"

void THIArrayRW::doRead(TData& d, uint16_t) {
    // ReadArray, with the answer looked at where it is read: a table walk reads every row.
    TData answer;
    if (Array.Method) ReadHook(Array, answer);
    if (answer.Tag() != Tag::Array || !answer.Ref) return;
    TArrayIntf* array = static_cast<TArrayIntf*>(answer.Ref);
    TData spare;
    // The index is looked at where it is held; Get takes it by reference but only reads it.
    TData& index = const_cast<TData&>(ReadDataRef(d, IndexPoint, &Index, spare));
    if (ArrayGet(*array, index, item_)) ForwardCopy(d, onRead, item_);
}

void THIArrayRW::Item(TData& d, uint16_t) { CopyValue(d, item_); }
