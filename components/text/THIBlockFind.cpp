#include "components/text/THIBlockFind.h"

#include "components/text/StrOps.h"

void THIBlockFind::doFind(TData& d, uint16_t) {
    Bytes s = ReadString(d, Str);
    const int32_t startLength = static_cast<int32_t>(StartBlock.size());
    const int32_t endLength = static_cast<int32_t>(EndBlock.size());
    int32_t p1 = Pos(StartBlock, s);
    while (p1 > 0) {
        int32_t p2 = PosFrom(EndBlock, s, p1 + startLength);
        if (p2 == 0) break;
        // The block is [from, from + count), delimiters included or not.
        int32_t from = WithBounds ? p1 : p1 + startLength;
        int32_t count = WithBounds ? p2 - p1 + endLength : p2 - p1 - startLength;
        RaiseString(onFind, CopyStr(s, from, count));
        int32_t next = p2 + endLength;
        if (CutBlocks) {
            if (!UseCheck || PullInteger(Check) != 0) {
                s = InsertStr(ReplaceStr, DeleteStr(s, from, count), from);
                next = from + static_cast<int32_t>(ReplaceStr.size());
            } else {
                next = p2;
            }
        }
        p1 = PosFrom(StartBlock, s, next);
    }
    ForwardString(d, onResult, std::move(s));
}
