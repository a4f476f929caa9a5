#include "runtime/Data.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const kTypeNames[Tag::Count] = {
    "NULL", "Integer", "String", "Data",   "Combo", "StrList", "Icon", "Real",   "Color", "Script", "Stream",
    "Bitmap", "Wave", "Array", "ComboEx", "Font", "Matrix", "Jpeg", "Menu", "Code", "Object", "Break"};

void SetNothing(void*, TData&, TData&) {}
void AddNothing(void*, TData&) {}

}  // namespace

const char* DataTypeName(uint8_t tag) {
    tag &= ~ForwardFlag;
    return tag < Tag::Count ? kTypeNames[tag] : "";
}

std::unique_ptr<TArrayIntf> CreateArray(void* target, void (*set)(void*, TData&, TData&),
                                        bool (*get)(void*, TData&, TData&), int32_t (*count)(void*),
                                        void (*add)(void*, TData&)) {
    auto a = std::make_unique<TArrayIntf>();
    a->Target = target;
    a->Set = set ? set : &SetNothing;
    a->Get = get;
    a->Count = count;
    a->Add = add ? add : &AddNothing;
    return a;
}

int32_t StrToInteger(std::string_view s) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) value = value * 10u + uint32_t(s[i] - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

double StrToReal(std::string_view s) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    double whole = 0.0, fraction = 0.0, scale = 1.0;
    bool inFraction = false;
    int exponent = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            if (inFraction) {
                scale /= 10.0;
                fraction += (c - '0') * scale;
            } else {
                whole = whole * 10.0 + (c - '0');
            }
        } else if (c == '.') {
            if (inFraction) break;
            inFraction = true;
        } else if (c == 'E' || c == 'e') {
            exponent = StrToInteger(s.substr(i + 1));
            break;
        }
    }
    double value = (whole + fraction) * std::pow(10.0, exponent);
    return negative ? -value : value;
}

int32_t RoundToInteger(double r) {
    if (!std::isfinite(r)) return 0;
    double rounded = std::nearbyint(r);  // default rounding mode: nearest, ties to even
    double wrapped = std::fmod(rounded, 4294967296.0);
    if (wrapped < 0) wrapped += 4294967296.0;
    return static_cast<int32_t>(static_cast<uint32_t>(wrapped));
}

Bytes IntToBytes(int32_t i) {
    // By hand rather than through snprintf: a row's index becomes text for every section.
    char buffer[12];
    char* const end = buffer + sizeof buffer;
    char* first = end;
    uint32_t magnitude = i < 0 ? 0u - static_cast<uint32_t>(i) : static_cast<uint32_t>(i);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (i < 0) *--first = '-';
    return Bytes(std::string_view(first, static_cast<size_t>(end - first)));
}

int32_t ToInteger(const TData& d) {
    switch (d.Tag()) {
    case Tag::Integer: return d.IntValue;
    case Tag::String: return StrToInteger(d.StrValue);
    case Tag::Real: return RoundToInteger(d.RealValue);
    default: return 0;
    }
}

Bytes ConvertedToString(const TData& d) {
    switch (d.Tag()) {
    case Tag::Integer: return IntToBytes(d.IntValue);
    case Tag::String: return d.StrValue;
    case Tag::Real: {
        char buffer[40];
        int n = std::snprintf(buffer, sizeof buffer, "%.15g", d.RealValue);
        return Bytes(std::string_view(buffer, static_cast<size_t>(n)));
    }
    default: return Bytes();
    }
}

int32_t ToIndex(const TData& d) {
    switch (d.Tag()) {
    case Tag::Integer: return d.IntValue;
    case Tag::String: {
        if (d.StrValue.empty()) return -1;
        int32_t value = StrToInteger(d.StrValue);
        if (value == 0 && d.StrValue[0] != '0') return -1;
        return value;
    }
    case Tag::Real: return RoundToInteger(d.RealValue);
    default: return -1;
    }
}

bool IsNonZero(const TData& d) { return d.Tag() != Tag::Integer || d.IntValue != 0; }

double ToReal(const TData& d) {
    switch (d.Tag()) {
    case Tag::Integer: return d.IntValue;
    case Tag::String: return StrToReal(d.StrValue);
    case Tag::Real: return d.RealValue;
    default: return 0.0;
    }
}

uint8_t DataTypeOf(const TData& d) { return d.DataType; }
