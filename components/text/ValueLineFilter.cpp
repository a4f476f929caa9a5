#include "components/text/ValueLineFilter.h"

void ValueLineFilter::doLine(TData& d, uint16_t) {
    const Bytes line = ToString(d);
    RaiseString(values_.Take(line.view()) ? onValueLine : onLine, line);
}

void ValueLineFilter::doReset(TData&, uint16_t) { values_.Reset(); }
