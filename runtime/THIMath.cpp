#include "runtime/THIMath.h"

#include <cmath>

namespace {

// RoundToInteger without its wrap into 32 bits where the rounded value fits already, as a
// row index always does.
int32_t Rounded(double r) {
    if (r >= -2147483648.0 && r <= 2147483647.0) return static_cast<int32_t>(std::nearbyint(r));
    return RoundToInteger(r);
}

}  // namespace

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
        RaiseInteger(onResult, Rounded(Result));
    else
        RaiseReal(onResult, Result);
}
