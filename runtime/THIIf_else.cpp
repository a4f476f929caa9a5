#include "runtime/THIIf_else.h"

void THIIf_else::doCompare(TData& d, uint16_t) {
    const TData arrived = d;
    TData first = ReadData(d, Op1Point, &Op1);
    TData second = ReadData(d, Op2Point, &Op2);
    ForwardCopy(d, CompareValues(first, second, Type) ? onTrue : onFalse, arrived);
}
