// THIFor: a counting loop that raises one event per value of its counter.
//
// Naming: where a property and a data point share a name, the property keeps it and the data
// point carries the suffix `Point` (`Start` is the property, `StartPoint` the data point).
#pragma once

#include <cstdint>

#include "runtime/Dispatch.h"

class THIFor {
public:
    // Method point #0: runs the loop.
    //  - Unless InData, the arriving record is discarded first, so unconnected bounds fall
    //    back on their properties only.
    //  - Counter := StartPoint (default Start), end := EndPoint (default End); a non-zero
    //    property wins over an unconnected point.
    //  - Step > 0 counts up while Counter <= end, Step < 0 down while Counter >= end (without
    //    IncludeEnd the end itself is left out); Step 0 runs no iteration.
    //  - Each iteration raises onEvent with the Integer Counter; a doStop during it ends the
    //    loop with Counter at that iteration's value.
    //  - At the end the record is passed on: NULL to onBreak when stopped and BreakEvent,
    //    otherwise the Integer Counter (the first value beyond the range) to onStop.
    void doFor(TData& d, uint16_t index);
    // Method point #1: asks the running loop to stop after the current iteration.
    void doStop(TData& d, uint16_t index);

    int32_t Counter = 0;
    bool Stop = false;
    int32_t Start = 0;        // property: default of the first value
    int32_t End = 0;          // property: default of the bound
    int32_t Step = 1;
    bool IncludeEnd = false;  // whether the bound itself is reached
    bool InData = false;      // whether the arriving record supplies unconnected bounds
    bool BreakEvent = false;  // whether a stopped loop ends through onBreak instead of onStop
    THI_Event StartPoint;     // data point: the first value
    THI_Event EndPoint;       // data point: the bound
    THI_Event onEvent;
    THI_Event onStop;
    THI_Event onBreak;

private:
    // Raises onEvent for counter values from Counter towards `last` (inclusive) by Step.
    void Iterate(int64_t last);
};
