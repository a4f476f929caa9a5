#include "components/text/ValueLineFilter.h"

void ValueLineFilter::doLine(TData& d, uint16_t) {
    // The line goes on in the arriving record, as the dispatcher forwards it: every line of
    // the file passes here, and a record of its own would be one more for each.
    if (d.Tag() != Tag::String) SetString(d, ConvertedToString(d));
    d.Next = nullptr;  // the line alone, as a raised string would be
    const bool valueLine = values_.Take(d.StrValue.view());
    ForwardData(d, valueLine ? onValueLine : onLine);
}

void ValueLineFilter::doReset(TData&, uint16_t) { values_.Reset(); }
