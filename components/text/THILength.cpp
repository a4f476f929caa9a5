#include "components/text/THILength.h"

void THILength::doLength(TData& d, uint16_t) {
    Result = static_cast<int32_t>(ReadString(d, Str).size());
    RaiseInteger(onLength, Result);
}

void THILength::ResultPoint(TData& d, uint16_t) { SetInteger(d, Result); }
