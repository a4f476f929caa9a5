#include "runtime/THIIf_else.h"

#include "runtime/ReadDataRef.h"

void THIIf_else::doCompare(TData& d, uint16_t) {
    TData spare1, spare2;
    if (!d.Next) {
        // A single value is left as it arrived by the reads: it goes on as it is, and the
        // operands are looked at where they are held instead of being copied.
        const TData& first = ReadDataRef(d, Op1Point, &Op1, spare1);
        const TData& second = ReadDataRef(d, Op2Point, &Op2, spare2);
        ForwardData(d, CompareValues(first, second, Type) ? onTrue : onFalse);
        return;
    }
    TData arrived = d;
    const TData& first = ReadDataRef(d, Op1Point, &Op1, spare1);
    const TData& second = ReadDataRef(d, Op2Point, &Op2, spare2);
    const bool holds = CompareValues(first, second, Type);
    ForwardCopy(d, holds ? onTrue : onFalse, std::move(arrived));
}
