#include "components/text/THIPosition.h"

#include "components/text/StrOps.h"
#include "runtime/ReadDataRef.h"

void THIPosition::doSearch(TData& d, uint16_t) {
    // Both texts are looked at where they are held: a table walk searches every row.
    Bytes heldStr, heldSub;
    const Bytes& s = ReadStringRef(d, Str, kNoString, heldStr);
    const Bytes& sub = ReadStringRef(d, SubStrPoint, SubStr, heldSub);
    if (ResetPos || Position == 0) Position = ReadInteger(d, StartPosPoint, StartPos);
    if (Position < 1) Position = 1;
    int32_t found = !s.empty() && !sub.empty() ? PosFrom(sub, s, Position) : 0;
    // The continuation is stored before raising, so a search started from behind onSearch
    // continues from it and is not overwritten afterwards.
    Position = found > 0 ? found + static_cast<int32_t>(sub.size()) : 0;
    if (!SkipNotFound || found > 0) RaiseInteger(onSearch, found);
}
