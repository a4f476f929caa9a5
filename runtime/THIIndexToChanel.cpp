#include "runtime/THIIndexToChanel.h"

void THIIndexToChanel::SetCount(int32_t n) {
    onEvent.resize(n > 0 ? static_cast<size_t>(n) : 0);
    Count = n;
}

void THIIndexToChanel::doEvent(TData& d, uint16_t) {
    int32_t i = ReadInteger(d, Index, 0);
    d = ReadData(d, DataPoint, &Data);
    // Count always equals onEvent.size() (both set by SetCount).
    if (i >= 0 && static_cast<size_t>(i) < onEvent.size()) ForwardData(d, onEvent[i]);
}
