#include "components/text/THIDelete.h"

#include "components/text/StrOps.h"

void THIDelete::doDelete(TData& d, uint16_t) {
    Bytes s = ReadString(d, Str);
    if (s.empty()) return;
    int32_t pos = ReadInteger(d, PositionPoint, Position);
    int32_t count = ReadInteger(d, CountPoint, Count);
    RaiseString(onDelete, DeleteStr(s, pos, count));
}
