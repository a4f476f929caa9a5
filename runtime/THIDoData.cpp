#include "runtime/THIDoData.h"

void THIDoData::doData(TData& d, uint16_t) {
    // With the record NULL, an unconnected DataPoint falls back on the property and nothing else.
    SetNull(d);
    TData value = ReadData(d, DataPoint, &Data);
    ForwardCopy(d, onEventData, value);
}
