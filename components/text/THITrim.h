// THITrim: strips one character from both ends of a string.
#pragma once

#include "runtime/Dispatch.h"

// doTrim reads Text, strips the run of the first character of Char (a space when Char is
// empty) at its start and at its end, and raises the result, a slice of the input, through
// onTrim at once, also when it is empty. No other character is stripped: a TAB stays unless
// Char names it.
//
// Points: method doTrim; data point Text; event onTrim.
class THITrim {
public:
    void doTrim(TData& d, uint16_t index);

    Bytes Result;
    Bytes Char;
    THI_Event Text;
    THI_Event onTrim;
};
