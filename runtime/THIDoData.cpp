#include "runtime/THIDoData.h"

void THIDoData::doData(TData& d, uint16_t) {
    // With the record NULL, an unconnected DataPoint falls back on the property and nothing else.
    SetNull(d);
    // The read's answer is this call's own: it moves into the record that goes on.
    ForwardCopy(d, onEventData, ReadData(d, DataPoint, &Data));
}
