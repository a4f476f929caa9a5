#include "runtime/THIMath.h"

void THIMath::SetDefault(double r) { Result = r; }

void THIMath::doAdd(TData& d, uint16_t) {
    double a = ReadReal(d, Op1Point, Op1);
    double b = ReadReal(d, Op2Point, Op2);
    Result = a + b;
    SendResult();
}

void THIMath::doSubtract(TData& d, uint16_t) {
    double a = ReadReal(d, Op1Point, Op1);
    double b = ReadReal(d, Op2Point, Op2);
    Result = a - b;
    SendResult();
}

void THIMath::SendResult() {
    if (ResultType == 0)
        RaiseInteger(onResult, RoundToInteger(Result));
    else
        RaiseReal(onResult, Result);
}
