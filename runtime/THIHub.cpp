#include "runtime/THIHub.h"

void THIHub::SetOutCount(uint8_t n) {
    onEvent.resize(n);
    OutCount = n;
}

void THIHub::doEvent(TData& d, uint16_t) {
    // OutCount always equals onEvent.size() (both set by SetOutCount, never while events
    // travel), so the outputs are walked without reading the list's size again after each.
    for (const THI_Event& out : onEvent) RaiseEvent(out, d);
}
