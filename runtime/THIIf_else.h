// THIIf_else: compares two values and passes the arriving record one of two ways.
//
// Naming: where a property and a data point share a name, the property keeps it and the data
// point carries the suffix `Point` (`Op1` is the property, `Op1Point` the data point).
#pragma once

#include <cstdint>

#include "runtime/CompareValues.h"
#include "runtime/Dispatch.h"

class THIIf_else {
public:
    // Method point: a := Op1Point (default Op1), b := Op2Point (default Op2), read in this
    // order, so unconnected points take the values of the arriving chain. Then the record,
    // exactly as it arrived whatever the reads consumed, is passed on to onTrue when
    // CompareValues(a, b, Type) holds, otherwise to onFalse.
    void doCompare(TData& d, uint16_t index);

    uint8_t Type = Compare::Equal;  // a kind of CompareValues
    TData Op1;                      // property: default of the first operand
    TData Op2;                      // property: default of the second operand
    THI_Event Op1Point;             // data point: the first operand
    THI_Event Op2Point;             // data point: the second operand
    THI_Event onTrue;
    THI_Event onFalse;

private:
    // doCompare for one pair of connected (true) and unconnected operand points. Never inlined
    // into doCompare, which would then build the frame of them all.
    template <bool ReadFirst, bool ReadSecond>
    [[gnu::noinline]] void CompareWith(TData& d);
};
