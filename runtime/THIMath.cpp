#include "runtime/THIMath.h"

#include <cmath>

#include "runtime/Dispatch.h"

namespace {

// RoundToInteger without its wrap into 32 bits where the rounded value fits already, as a
// row index always does; a whole number, as the sum of two row numbers, is taken as it is.
int32_t Rounded(double r) {
    if (r >= -2147483648.0 && r <= 2147483647.0) {
        const auto whole = static_cast<int32_t>(r);
        if (whole == r) return whole;
        return static_cast<int32_t>(std::nearbyint(r));
    }
    return RoundToInteger(r);
}

}  // namespace

// Inline into both operations: a table walk sums once per row.
inline void THIMath::SendResult() {
    if (ResultType == 0)
        RaiseInteger(onResult, Rounded(Result));
    else
        RaiseReal(onResult, Result);
}

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

