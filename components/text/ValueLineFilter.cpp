#include "components/text/ValueLineFilter.h"

void ValueLineFilter::doLine(TData& d, uint16_t) {
    Bytes line = ToString(d);
    const bool valueLine = values_.Take(line.view());
    RaiseString(valueLine ? onValueLine : onLine, std::move(line));
}

void ValueLineFilter::doReset(TData&, uint16_t) { values_.Reset(); }
