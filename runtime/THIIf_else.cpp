#include "runtime/THIIf_else.h"

void THIIf_else::doCompare(TData& d, uint16_t) {
    TData arrived = d;
    TData first = ReadData(d, Op1Point, &Op1);
    TData second = ReadData(d, Op2Point, &Op2);
    ForwardCopy(d, CompareValues(first, second, Type) ? onTrue : onFalse, std::move(arrived));
}
