// THIArrayRW: reads the element of an array at an index.
#pragma once

#include "runtime/Dispatch.h"

// Points:
//   doRead (0)  reads Array (none: nothing happens). index = IndexPoint, else the Index
//               property when it is not NULL, else the incoming value (ReadData). When the
//               array has an element there, it becomes Item and onRead is raised on return with
//               it; an index out of range raises nothing.
//   Item        value point: the element last read (NULL before the first).
// The Index property and the Index data point share a name; the data point is IndexPoint.
class THIArrayRW {
public:
    void doRead(TData& d, uint16_t index);
    void Item(TData& d, uint16_t index);

    TData Index;  // empty (NULL) unless the scheme sets it
    THI_Event IndexPoint;
    THI_Event Array;
    THI_Event onRead;

private:
    // The element at index becomes Item and goes on to onRead with d.
    void ReadAt(TArrayIntf& array, TData& index, TData& d);
    // ReadAt with the index read by the whole rule (a connected point, a default, a chain).
    [[gnu::noinline]] void ReadAtReadIndex(TArrayIntf& array, TData& d);

    TData item_;
};
