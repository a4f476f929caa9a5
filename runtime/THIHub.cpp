#include "runtime/THIHub.h"

#include "runtime/RaiseEach.h"

void THIHub::SetOutCount(uint8_t n) {
    onEvent.resize(n);
    OutCount = n;
}

void THIHub::doEvent(TData& d, uint16_t) {
    // OutCount always equals onEvent.size() (both set by SetOutCount, never while events
    // travel), so the outputs are the list's whole range.
    RaiseEach(onEvent.data(), onEvent.data() + onEvent.size(), d);
}
