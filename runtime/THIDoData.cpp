#include "runtime/THIDoData.h"

#include <utility>

#include "runtime/ReadDataRef.h"

void THIDoData::doData(TData& d, uint16_t) {
    if (WillDispatch(DataPoint)) {
        // What arrived is discarded, so the point answers into d itself, made the fresh record
        // a read starts from: the answer goes on where it was written, with no move out of a
        // spare record.
        d = TData();
        ReadHook(DataPoint, d);
        if (d.Tag() != Tag::Break) {
            d.Next = nullptr;
            ForwardData(d, onEventData);
            return;
        }
        // Break: the point is read past, as if unconnected.
    }
    // With the record NULL, an unconnected DataPoint falls back on the property and nothing else.
    SetNull(d);
    // The value is copied once, where it is held: the property is copied in, what `spare` holds
    // (a point read with the hooks off answers NULL there) moves in, and a NULL d stays as it is.
    static const THI_Event readPast;
    TData spare;
    const TData& value = ReadDataRef(d, WillDispatch(DataPoint) ? readPast : DataPoint, &Data, spare);
    if (&value == &spare)
        ForwardCopy(d, onEventData, std::move(spare));
    else
        ForwardCopy(d, onEventData, value);
}
