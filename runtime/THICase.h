// THICase: one link of a chain of cases; matches the incoming value against a constant.
#pragma once

#include "runtime/Dispatch.h"

class THICase {
public:
    // Method point: takes the first value of the record; when it equals Value (CompareValues,
    // kind Equal) raises onMatch with NULL (not the value); otherwise calls onNext with the
    // whole record as it arrived (the chain included), usually the next case of the chain.
    void doCase(TData& d, uint16_t index);

    TData Value;  // the constant this case matches
    THI_Event onMatch;
    THI_Event onNext;
};
