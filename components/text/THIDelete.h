// THIDelete: cuts a substring out by 1-based position and count.
#pragma once

#include "runtime/Dispatch.h"

// doDelete reads Str and raises nothing when it is empty. Otherwise it reads the position
// (PositionPoint, default Position) and the count (CountPoint, default Count) and raises
// DeleteStr of the input through onDelete at once; a position of 0 or less deletes nothing.
//
// Points: method doDelete; data points Str, PositionPoint and CountPoint (the data
// points `Position` and `Count`, suffixed because the properties have those names); event
// onDelete.
class THIDelete {
public:
    void doDelete(TData& d, uint16_t index);

    int32_t Position = 0;
    int32_t Count = 0;
    THI_Event CountPoint;
    THI_Event PositionPoint;
    THI_Event Str;
    THI_Event onDelete;
};
