// THIArrayEnum: walks an array from one end to the other and raises each element.
#pragma once

#include "runtime/Dispatch.h"

// Points:
//   doEnum (0)  reads Array; without an array nothing is raised at all. Otherwise asks the array
//               for the element at 0, 1, 2 ... (Backward 1: Count-1, Count-2 ... 0) until it
//               answers none, raising onItem at once with each element; elements added during
//               the walk are therefore reached. A doStop during onItem ends the walk after that
//               element. Then, on return with the incoming value: onBreak when stopped and
//               UseBreak is 1, otherwise onEndEnum.
//   doStop (1)  ends the running walk after the current element.
//   Index       value point: the index last tried, as an Integer (NULL before the first walk).
class THIArrayEnum {
public:
    void doEnum(TData& d, uint16_t index);
    void doStop(TData& d, uint16_t index);
    void Index(TData& d, uint16_t index);

    THI_Event Array;
    THI_Event onItem;
    THI_Event onEndEnum;
    THI_Event onBreak;
    uint8_t Backward = 0;
    uint8_t UseBreak = 0;

private:
    bool stopped_ = false;
    TData index_;
};
