#include "components/text/THIArrayRW.h"

void THIArrayRW::doRead(TData& d, uint16_t) {
    TArrayIntf* array = ReadArray(Array);
    if (!array) return;
    TData index = ReadData(d, IndexPoint, &Index);
    if (ArrayGet(*array, index, item_)) ForwardCopy(d, onRead, item_);
}

void THIArrayRW::Item(TData& d, uint16_t) { CopyValue(d, item_); }
