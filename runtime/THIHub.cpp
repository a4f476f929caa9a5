#include "runtime/THIHub.h"

void THIHub::SetOutCount(uint8_t n) {
    onEvent.resize(n);
    OutCount = n;
}

void THIHub::doEvent(TData& d, uint16_t) {
    // OutCount always equals onEvent.size() (both set by SetOutCount).
    for (size_t k = 0; k < onEvent.size(); ++k) RaiseEvent(onEvent[k], d);
}
