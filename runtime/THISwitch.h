// THISwitch: a two-state toggle that emits the value of the state it enters.
//
// Naming: where a property and a data point share a name, the property keeps it and the data
// point carries the suffix `Point` (`DataOn` is the property, `DataOnPoint` the data point).
#pragma once

#include <cstdint>

#include "runtime/Dispatch.h"

class THISwitch {
public:
    // Construction: a byte 0 starts on, any other value off; Value := the DataOn or DataOff
    // property of that state. Raises nothing.
    void SetInitial(uint8_t b);

    // Method point #0: toggles State; Value := DataOnPoint (default DataOn) when now on, else
    // DataOffPoint (default DataOff). Calls onSwitch with Value in the record, then passes
    // Value on to onOn or onOff, afresh even if onSwitch's receivers changed the record.
    void doSwitch(TData& d, uint16_t index);
    // Method point #1: when on, exactly doSwitch (the switch ends off); when off, nothing.
    void doReset(TData& d, uint16_t index);

    bool State = false;
    TData Value;             // the value of the current state
    TData DataOn;            // property: default value of the on state
    TData DataOff;           // property: default value of the off state
    THI_Event DataOnPoint;   // data point: the value of the on state
    THI_Event DataOffPoint;  // data point: the value of the off state
    THI_Event onSwitch;      // every change of state, with Value
    THI_Event onOn;          // after onSwitch, on entering the on state
    THI_Event onOff;         // after onSwitch, on entering the off state
};
