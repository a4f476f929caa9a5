// THILength: the length of a string in bytes.
#pragma once

#include "runtime/Dispatch.h"

// doLength stores the length of Str in Result and raises it through onLength at once.
//
// Points: method doLength; data point Str; event onLength; value point ResultPoint (the
// value point `Result`, suffixed because the stored field has that name).
class THILength {
public:
    void doLength(TData& d, uint16_t index);
    // Answers the last length as an integer.
    void ResultPoint(TData& d, uint16_t index);

    int32_t Result = 0;
    THI_Event Str;
    THI_Event onLength;
};
