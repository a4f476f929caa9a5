// THIIndexToChanel: routes a value to one of several outputs chosen by number.
//
// Naming: where a property and a data point share a name, the property keeps it and the data
// point carries the suffix `Point` (`Data` is the property, `DataPoint` the data point).
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/Dispatch.h"

class THIIndexToChanel {
public:
    // Sizes the outputs and sets Count; the scheme calls this before it connects them.
    void SetCount(int32_t n);

    // Method point: i := Index (or the first value of the record, consumed); v := DataPoint
    // (or the Data property when not NULL, or the next value of the record). The record
    // becomes v and is passed on to onEvent #i; an i outside 0..Count-1 raises nothing.
    // So a chain (i, v) arriving at unconnected points sends v to output i.
    void doEvent(TData& d, uint16_t index);

    int32_t Count = 0;    // set through SetCount only
    TData Data;           // property: default value to route
    THI_Event DataPoint;  // data point: the value to route
    THI_Event Index;      // data point: the output number
    std::vector<THI_Event> onEvent;  // onEvent #0..#Count-1
};
