#include "runtime/ReadDataRef.h"

const TData& ReadDataRef(TData& d, const THI_Event& point, const TData* def, TData& spare) {
    if (point.Method) {
        ReadHook(point, spare);
        spare.Next = nullptr;
        if (spare.Tag() != Tag::Break) return spare;
    }
    if (def && def->Tag() != Tag::Null) {
        if (!def->Next) return *def;
        spare = *def;
        spare.Next = nullptr;
        return spare;
    }
    if (d.Tag() != Tag::Null && d.Next) {
        spare = TakeValue(d);
        return spare;
    }
    d.Next = nullptr;  // a single value has none; a NULL drops its chain, as ReadData does
    return d;
}
