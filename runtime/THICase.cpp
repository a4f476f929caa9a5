#include "runtime/THICase.h"

#include "runtime/CompareValues.h"

void THICase::doCase(TData& d, uint16_t) {
    // The first value is compared where it lies; the record is copied only when it goes on.
    if (CompareValues(d, Value, Compare::Equal)) {
        SkipValue(d);
        RaiseNull(onMatch);
        return;
    }
    TData arrived = d;
    SkipValue(d);
    CallEvent(onNext, arrived);
}
