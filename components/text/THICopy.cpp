#include "components/text/THICopy.h"

#include <algorithm>

#include "components/text/StrOps.h"
#include "runtime/ReadDataRef.h"

void THICopy::doCopy(TData& d, uint16_t) {
    // The text is looked at where it is held: a table walk copies from every row.
    Bytes heldStr;
    const Bytes& s = ReadStringRef(d, Str, kNoString, heldStr);
    if (s.empty()) return;
    int32_t pos = ReadInteger(d, PositionPoint, Position);
    int32_t count = ReadInteger(d, CountPoint, Count);
    if (pos <= 0) {
        // Widened: a very negative count and position must not wrap round to a large count.
        count = static_cast<int32_t>(std::max<int64_t>(int64_t{count} + pos - 1, 0));
        pos = 1;
    }
    ForwardString(d, onCopy, CopyStr(s, pos, count));
}
