// ReadString, ReadInteger and ReadReal for the components that a table walk passes once per
// row (the row's search, its copy, the sum that makes its index): the same answers by the
// same rule, with the common cases taken in place, without a call into the dispatcher's
// general reader: a connected point that answers a value of the wanted kind, a non-empty
// default of an unconnected point, and a single value of the wanted kind taken from the
// record. Every other case is left to the general reader.
#pragma once

#include <utility>

#include "runtime/Dispatch.h"

// The empty default of a string read that has none; a reference to it stays valid.
inline const Bytes kNoString;

// ReadString(d, point, def), as a reference to the default or to the string held in `spare`.
// It lives while def and spare do and spare is not changed.
[[gnu::always_inline]] inline const Bytes& ReadStringInPlace(TData& d, const THI_Event& point, const Bytes& def,
                                                             Bytes& spare) {
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() == Tag::String)
            spare = std::move(answer.StrValue);
        else
            spare = answer.Tag() == Tag::Break ? ReadString(d, THI_Event{}, def) : ConvertedToString(answer);
        return spare;
    }
    if (!def.empty() || d.Tag() == Tag::Null) return def;
    if (d.Tag() == Tag::String && !d.Next) {
        spare = std::move(d.StrValue);  // consumed, as ReadString hands it over
        d.DataType = Tag::Null;
        return spare;
    }
    spare = ReadString(d, point, def);
    return spare;
}

// ReadInteger(d, point, def).
[[gnu::always_inline]] inline int32_t ReadIntegerInPlace(TData& d, const THI_Event& point, int32_t def) {
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() == Tag::Integer) return answer.IntValue;
        if (answer.Tag() != Tag::Break) return ToInteger(answer);
        return ReadInteger(d, THI_Event{}, def);  // a Break is read past, as if unconnected
    }
    if (def != 0 || d.Tag() == Tag::Null) return def;
    if (d.Tag() == Tag::Integer && !d.Next) {
        d.DataType = Tag::Null;  // consumed, as ReadInteger consumes the value it takes
        return d.IntValue;
    }
    return ReadInteger(d, point, def);
}

// ReadReal(d, point, def).
[[gnu::always_inline]] inline double ReadRealInPlace(TData& d, const THI_Event& point, double def) {
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() == Tag::Integer) return answer.IntValue;
        if (answer.Tag() != Tag::Break) return ToReal(answer);
        return ReadReal(d, THI_Event{}, def);  // a Break is read past, as if unconnected
    }
    if (def == 0.0 && d.Tag() == Tag::Integer && !d.Next) {
        d.DataType = Tag::Null;  // consumed, as ReadReal consumes the value it takes
        return d.IntValue;
    }
    return ReadReal(d, point, def);
}
