#include "runtime/THICase.h"

#include "runtime/CompareValues.h"

void THICase::doCase(TData& d, uint16_t) {
    TData arrived = d;
    TData first = TakeValue(d);
    if (CompareValues(first, Value, Compare::Equal))
        RaiseNull(onMatch);
    else
        CallEvent(onNext, arrived);
}
