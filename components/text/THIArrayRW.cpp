#include "components/text/THIArrayRW.h"

#include "runtime/ReadDataRef.h"

void THIArrayRW::doRead(TData& d, uint16_t) {
    // ReadArray, with the answer looked at where it is read: a table walk reads every row.
    TData answer;
    if (Array.Method) ReadHook(Array, answer);
    if (answer.Tag() != Tag::Array || !answer.Ref) return;
    TArrayIntf& array = *static_cast<TArrayIntf*>(answer.Ref);
    // A walk's index is the arriving single value itself, as ReadDataRef answers it for an
    // unconnected point without a default; only the other cases need its spare record.
    if (!IndexPoint.Method && Index.Tag() == Tag::Null && !(d.Tag() != Tag::Null && d.Next)) {
        d.Next = nullptr;
        ReadAt(array, d, d);
    } else {
        ReadAtReadIndex(array, d);
    }
}

void THIArrayRW::ReadAtReadIndex(TArrayIntf& array, TData& d) {
    TData spare;
    // The index is looked at where it is held; Get takes it by reference but only reads it.
    ReadAt(array, const_cast<TData&>(ReadDataRef(d, IndexPoint, &Index, spare)), d);
}

inline void THIArrayRW::ReadAt(TArrayIntf& array, TData& index, TData& d) {
    if (ArrayGet(array, index, item_)) ForwardCopy(d, onRead, item_);
}

void THIArrayRW::Item(TData& d, uint16_t) { CopyValue(d, item_); }
