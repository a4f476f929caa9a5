// THIMemory: holds one value, reports every change and answers it when read.
//
// Naming: the value point is `Value` (what schemes read); the value it answers is kept in the
// field `StoredValue`, as a member function and a field cannot share a name.
#pragma once

#include "runtime/Dispatch.h"

class THIMemory {
public:
    // Construction: Default := value, and the stored value with it (first value only).
    void SetDefault(const TData& value);

    // Method point #0: stores the first value of the record (consumed), then passes the
    // stored value on to onData.
    void doValue(TData& d, uint16_t index);
    // Method point #1: restores Default, then passes it on to onData.
    void doClear(TData& d, uint16_t index);
    // Value point: the record := the stored value (never chained).
    void Value(TData& d, uint16_t index);

    TData StoredValue;  // NULL until SetDefault or doValue
    TData Default;      // restored by doClear
    THI_Event onData;   // raised whenever the stored value changes
};
