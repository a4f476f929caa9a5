// THICopy: takes a substring by 1-based position and count.
#pragma once

#include "runtime/Dispatch.h"

// doCopy reads Str and raises nothing when it is empty. Otherwise it reads the position
// (PositionPoint, default Position) and the count (CountPoint, default Count); a position of
// 0 or less shortens the count by the bytes before position 1 and starts at 1. CopyStr of the
// input, a slice of its bytes, leaves through onCopy on return.
//
// Points: method doCopy; data points Str, PositionPoint and CountPoint (the data
// points `Position` and `Count`, suffixed because the properties have those names); event
// onCopy.
class THICopy {
public:
    void doCopy(TData& d, uint16_t index);

    int32_t Position = 0;
    int32_t Count = 0;
    THI_Event CountPoint;
    THI_Event PositionPoint;
    THI_Event Str;
    THI_Event onCopy;
};
