// THIMath: adds or subtracts two numbers; a scheme picks the operation by the point it connects.
//
// Naming: where a property and a data point share a name, the property keeps it and the data
// point carries the suffix `Point` (`Op1` is the property, `Op1Point` the data point).
#pragma once

#include <cstdint>

#include "runtime/Dispatch.h"

class THIMath {
public:
    // Construction: Result := r.
    void SetDefault(double r);

    // Method points: a := Op1Point (default Op1), b := Op2Point (default Op2), read in this
    // order, so unconnected points take the values of the arriving chain and a non-zero
    // property wins over an unconnected point. Result := a + b (doAdd) or a - b (doSubtract),
    // raised on onResult as an Integer rounded to nearest, ties to even (ResultType 0), or
    // as a Real (any other ResultType).
    void doAdd(TData& d, uint16_t index);
    void doSubtract(TData& d, uint16_t index);

    double Result = 0.0;
    double Op1 = 0.0;         // property: default of the first operand
    double Op2 = 0.0;         // property: default of the second operand
    uint8_t ResultType = 0;   // 0: Integer, otherwise Real
    THI_Event Op1Point;       // data point: the first operand
    THI_Event Op2Point;       // data point: the second operand
    THI_Event onResult;

private:
    void SendResult();
};
