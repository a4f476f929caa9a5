// ReadDataRef and ReadStringRef: ReadData and ReadString for a caller that only looks at the
// value, without copying a record or string that is already held somewhere. Inline: they sit
// on the path of every row a walk visits.
#pragma once

#include "runtime/Dispatch.h"

// The value ReadData(d, point, def) would answer, by the same rule, as a reference: the
// answer of a connected point (read into `spare`, which must arrive NULL), the default itself,
// or d itself when d is a single value or NULL (ReadData leaves such a d as it was, less a
// NULL's chain). A chained d has its first value taken and consumed into `spare`, as ReadData
// does. The answer has no Next. It lives while d, *def and spare do and none of them changes.
[[gnu::always_inline]] inline const TData& ReadDataRef(TData& d, const THI_Event& point, const TData* def,
                                                         TData& spare) {
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

// The string ReadString(d, point, def) would answer, by the same rule: a non-empty default
// that wins is answered itself; every other answer is read into `spare`. A connected point is
// read here in line, unlike ReadString: the walks that use this read one on every row.
[[gnu::always_inline]] inline const Bytes& ReadStringRef(TData& d, const THI_Event& point, const Bytes& def,
                                                         Bytes& spare) {
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() != Tag::Break) {
            spare = answer.Tag() == Tag::String ? std::move(answer.StrValue) : ConvertedToString(answer);
            return spare;
        }
    }
    // A record already taken by an earlier read answers the default too, without a call.
    if (!def.empty() || d.Tag() == Tag::Null) return def;
    spare = ReadStringFromRecord(d, def);
    return spare;
}
