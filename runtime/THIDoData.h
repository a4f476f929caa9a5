// THIDoData: turns any trigger into the sending of one value, pulled at that moment or constant.
//
// Naming: where a property and a data point share a name, the property keeps it and the data
// point carries the suffix `Point` (`Data` is the property, `DataPoint` the data point).
#pragma once

#include "runtime/Dispatch.h"

class THIDoData {
public:
    // Method point: discards what arrived, then sends onEventData the value read through
    // DataPoint (when connected and not answering Break), else the Data property (when not
    // NULL), else NULL. Passes its record on as its last action.
    void doData(TData& d, uint16_t index);

    TData Data;            // property: the value sent when DataPoint gives nothing; NULL by default
    THI_Event DataPoint;   // data point: where the value is read from
    THI_Event onEventData;
};
