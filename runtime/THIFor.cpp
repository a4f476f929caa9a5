#include "runtime/THIFor.h"

void THIFor::doFor(TData& d, uint16_t) {
    if (!InData) SetNull(d);
    Stop = false;
    Counter = ReadInteger(d, StartPoint, Start);
    int64_t last = ReadInteger(d, EndPoint, End);
    if (Step > 0) Iterate(IncludeEnd ? last : last - 1);
    if (Step < 0) Iterate(IncludeEnd ? last : last + 1);
    if (Stop && BreakEvent)
        ForwardNull(d, onBreak);
    else
        ForwardInteger(d, onStop, Counter);
}

void THIFor::Iterate(int64_t last) {
    // Each step starts from Counter itself, so a loop started over from inside an iteration
    // carries on from where that run left Counter. The step is taken in 64 bits so that a
    // bound at the edge of the 32-bit range still ends the loop; Counter keeps the result
    // wrapped to 32 bits, as 32-bit arithmetic would leave it.
    int64_t value = Counter;
    while (Step > 0 ? value <= last : value >= last) {
        RaiseInteger(onEvent, Counter);
        if (Stop) return;
        value = int64_t{Counter} + Step;
        Counter = static_cast<int32_t>(static_cast<uint32_t>(value));
    }
}

void THIFor::doStop(TData&, uint16_t) { Stop = true; }
