#include "runtime/THIDoData.h"

#include <utility>

#include "runtime/ReadDataRef.h"

void THIDoData::doData(TData& d, uint16_t) {
    // With the record NULL, an unconnected DataPoint falls back on the property and nothing else.
    SetNull(d);
    // The value is copied once, where it is held: a point's answer moves in from `spare`, the
    // property is copied in, and a NULL d (neither gave a value) stays as it is.
    TData spare;
    const TData& value = ReadDataRef(d, DataPoint, &Data, spare);
    if (&value == &spare)
        ForwardCopy(d, onEventData, std::move(spare));
    else
        ForwardCopy(d, onEventData, value);
}
