#include "runtime/CompareValues.h"

#include <cstring>

namespace {

template <class T>
bool Holds(const T& x, const T& y, uint8_t kind) {
    switch (kind) {
    case Compare::Equal: return x == y;
    case Compare::Less: return x < y;
    case Compare::Greater: return x > y;
    case Compare::LessOrEqual: return x <= y;
    case Compare::GreaterOrEqual: return x >= y;
    case Compare::NotEqual: return x != y;
    default: return false;
    }
}

// Whether two strings hold the same bytes; most unequal strings already differ in length or in
// their first byte, which is looked at before the library compares the rest.
bool SameBytes(const Bytes& x, const Bytes& y) {
    if (x.size() != y.size()) return false;
    if (x.empty()) return true;
    return x[0] == y[0] && std::memcmp(x.data(), y.data(), x.size()) == 0;
}

bool CompareStrings(const Bytes& x, const Bytes& y, uint8_t kind) {
    if (kind == Compare::Equal) return SameBytes(x, y);
    if (kind == Compare::NotEqual) return !SameBytes(x, y);
    return Holds(x.size(), y.size(), kind);
}

}  // namespace

bool CompareOtherValues(const TData& a, const TData& b, uint8_t kind) {
    switch (a.Tag()) {
    // Operands of one kind, the usual case, are compared without a conversion call.
    case Tag::Integer: return Holds(a.IntValue, b.Tag() == Tag::Integer ? b.IntValue : ToInteger(b), kind);
    case Tag::String: {
        if (b.Tag() == Tag::String) return CompareStrings(a.StrValue, b.StrValue, kind);
        Bytes spare;
        return CompareStrings(a.StrValue, StringRef(b, spare), kind);
    }
    case Tag::Real: return Holds(a.RealValue, ToReal(b), kind);
    default: return false;
    }
}
