// TData, the tagged value that travels along every connection, and THI_Event, one connection.
//
// A method point and a value point have one signature: they receive the caller's record by
// reference and a 16-bit index. A method may change the record; a value point answers by
// writing it. The builders, conversions and the array interface live here too.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "runtime/Bytes.h"

// Type tags (bits 0..6 of DataType).
namespace Tag {
constexpr uint8_t Null = 0;
constexpr uint8_t Integer = 1;
constexpr uint8_t String = 2;
constexpr uint8_t Data = 3;
constexpr uint8_t Combo = 4;
constexpr uint8_t StrList = 5;
constexpr uint8_t Icon = 6;
constexpr uint8_t Real = 7;
constexpr uint8_t Color = 8;
constexpr uint8_t Script = 9;
constexpr uint8_t Stream = 10;
constexpr uint8_t Bitmap = 11;
constexpr uint8_t Wave = 12;
constexpr uint8_t Array = 13;
constexpr uint8_t ComboEx = 14;
constexpr uint8_t Font = 15;
constexpr uint8_t Matrix = 16;
constexpr uint8_t Jpeg = 17;
constexpr uint8_t Menu = 18;
constexpr uint8_t Code = 19;
constexpr uint8_t Object = 20;
constexpr uint8_t Break = 21;
constexpr uint8_t Count = 22;
}  // namespace Tag

// Asks the dispatcher to go on with ForwardEvent after the current method returns.
constexpr uint8_t ForwardFlag = 0x80;

// The name of a type tag ("NULL", "Integer", ...), or "" for a tag outside the table.
const char* DataTypeName(uint8_t tag);

struct TData;
struct TArrayIntf;

// A method point or value point: the target component, the caller's record, the index.
using PointFn = void (*)(void* target, TData& data, uint16_t index);

// One connection: the target's point, the target and an index. Unconnected when Method is nil.
struct THI_Event {
    PointFn Method = nullptr;
    void* Target = nullptr;
    uint16_t Index = 0;

    bool Connected() const { return Method != nullptr; }
};

struct TData {
    uint8_t DataType = Tag::Null;
    int32_t IntValue = 0;
    Bytes StrValue;
    double RealValue = 0.0;
    const THI_Event* ForwardEvent = nullptr;  // meaningful only while ForwardFlag is set
    TData* Next = nullptr;                    // next value of a chain; not owned
    // The array interface of an Array value or the stream of a Stream value. A pointer does
    // not fit the 32-bit IntValue on a 64-bit platform, so it has a field of its own.
    void* Ref = nullptr;

    uint8_t Tag() const { return DataType & ~ForwardFlag; }
};

// ---- Point binding: one thunk per method point -------------------------------------------
// The class is a template argument of its own (deduced from the target) rather than derived
// from the member pointer: GCC 12 gives an `auto` member-pointer instantiation weak linkage
// even for classes in an anonymous namespace, which merges like-named thunks across files.

template <class M>
struct MemberOf;
template <class Owner, class Signature>
struct MemberOf<Signature Owner::*> {
    using Class = Owner;
};

template <class C, auto Method>
void PointThunk(void* target, TData& data, uint16_t index) {
    using Owner = typename MemberOf<decltype(Method)>::Class;  // C itself or a base of it
    Owner* owner = static_cast<C*>(target);
    (owner->*Method)(data, index);
}

// The connection record that calls `Method` of `target` with `index`.
template <auto Method, class C>
THI_Event Point(C& target, uint16_t index = 0) {
    return THI_Event{&PointThunk<C, Method>, &target, index};
}

// ---- Array interface -----------------------------------------------------------------------

// The four operations of an Array value. Get answers false for an index out of range.
struct TArrayIntf {
    void* Target = nullptr;
    void (*Set)(void* target, TData& index, TData& item) = nullptr;
    bool (*Get)(void* target, TData& index, TData& item) = nullptr;
    int32_t (*Count)(void* target) = nullptr;
    void (*Add)(void* target, TData& item) = nullptr;
};

// Builds the interface record; a missing set or add becomes an operation that does nothing.
std::unique_ptr<TArrayIntf> CreateArray(void* target, void (*set)(void*, TData&, TData&),
                                        bool (*get)(void*, TData&, TData&), int32_t (*count)(void*),
                                        void (*add)(void*, TData&));

inline void ArraySet(TArrayIntf& a, TData& index, TData& item) { a.Set(a.Target, index, item); }
inline bool ArrayGet(TArrayIntf& a, TData& index, TData& item) { return a.Get(a.Target, index, item); }
inline int32_t ArrayCount(TArrayIntf& a) { return a.Count(a.Target); }
inline void ArrayAdd(TArrayIntf& a, TData& item) { a.Add(a.Target, item); }

// ---- Value builders: each clears ForwardEvent and Next -------------------------------------
// Inline: the raising operations build every fresh record with them.

// What every value builder does last: the record is no longer on its way, nor part of a chain.
inline void CutLinks(TData& d) {
    d.ForwardEvent = nullptr;
    d.Next = nullptr;
}

inline void SetNull(TData& d) {
    d.DataType = Tag::Null;
    CutLinks(d);
}

inline void SetInteger(TData& d, int32_t i) {
    d.DataType = Tag::Integer;
    d.IntValue = i;
    CutLinks(d);
}

inline void SetString(TData& d, const Bytes& s) {
    d.DataType = Tag::String;
    d.StrValue = s;
    CutLinks(d);
}

// A string the caller no longer needs moves in instead of being shared.
inline void SetString(TData& d, Bytes&& s) {
    d.DataType = Tag::String;
    d.StrValue = std::move(s);
    CutLinks(d);
}

inline void SetReal(TData& d, double r) {
    d.DataType = Tag::Real;
    d.RealValue = r;
    CutLinks(d);
}

inline void SetArray(TData& d, TArrayIntf* a) {
    d.DataType = Tag::Array;
    d.Ref = a;
    CutLinks(d);
}

inline void SetStream(TData& d, void* stream) {
    d.DataType = Tag::Stream;
    d.Ref = stream;
    CutLinks(d);
}

// D := S, then ForwardEvent and Next cleared: the first value of a chain only.
inline void CopyValue(TData& d, const TData& s) {
    d = s;
    CutLinks(d);
}

// ---- Forwarding builders: the last action of a method called through the dispatcher ---------
// ForwardData and ForwardCopy add ForwardFlag to the tag byte, so a record that carries the
// flag already loses it and the dispatch ends there. Inline: nearly every hop ends with one.

// The flag is added, not or-ed in: a record that carries it already (a copy of a value that
// was itself on its way) loses it and ends the dispatch, as adding to a byte does.
inline void AddForwardFlag(TData& d, const THI_Event& ev) {
    d.DataType = static_cast<uint8_t>(d.DataType + ForwardFlag);
    d.ForwardEvent = &ev;
}

inline void ForwardData(TData& d, const THI_Event& ev) { AddForwardFlag(d, ev); }

inline void ForwardCopy(TData& d, const THI_Event& ev, const TData& s) {
    d = s;
    AddForwardFlag(d, ev);
}

// A record the caller no longer needs moves in instead of being shared.
inline void ForwardCopy(TData& d, const THI_Event& ev, TData&& s) {
    d = std::move(s);
    AddForwardFlag(d, ev);
}

inline void ForwardNull(TData& d, const THI_Event& ev) {
    d.DataType = Tag::Null | ForwardFlag;
    d.ForwardEvent = &ev;
}

inline void ForwardInteger(TData& d, const THI_Event& ev, int32_t i) {
    d.DataType = Tag::Integer | ForwardFlag;
    d.IntValue = i;
    d.Next = nullptr;
    d.ForwardEvent = &ev;
}

inline void ForwardString(TData& d, const THI_Event& ev, const Bytes& s) {
    d.DataType = Tag::String | ForwardFlag;
    d.StrValue = s;
    d.Next = nullptr;
    d.ForwardEvent = &ev;
}

inline void ForwardString(TData& d, const THI_Event& ev, Bytes&& s) {
    d.DataType = Tag::String | ForwardFlag;
    d.StrValue = std::move(s);
    d.Next = nullptr;
    d.ForwardEvent = &ev;
}

// ---- Conversions: read the first value only, never consume ---------------------------------

int32_t ToInteger(const TData& d);
// The text of a value that is not a String (ToString's conversions).
Bytes ConvertedToString(const TData& d);
// Inline for a String, which nearly every value is: its bytes are shared without a call.
inline Bytes ToString(const TData& d) { return d.Tag() == Tag::String ? d.StrValue : ConvertedToString(d); }
// ToString without a new handle for a String: the answer is d's own StrValue, else `spare`
// holding the conversion. It lives while d and spare do and d's string is not replaced.
inline const Bytes& StringRef(const TData& d, Bytes& spare) {
    if (d.Tag() == Tag::String) return d.StrValue;
    spare = ConvertedToString(d);
    return spare;
}
int32_t ToIndex(const TData& d);
bool IsNonZero(const TData& d);
double ToReal(const TData& d);
uint8_t DataTypeOf(const TData& d);

// Optional sign, then decimal digits up to the first non-digit; no digits give 0; wraps at 32 bits.
int32_t StrToInteger(std::string_view s);
// Optional "-", digits, one ".", an "E"/"e" exponent read by StrToInteger; every other byte,
// NUL included, is skipped.
double StrToReal(std::string_view s);
// Round to nearest, ties to even, wrapping into 32 bits.
int32_t RoundToInteger(double r);
// Decimal text of an integer ("-" for negatives).
Bytes IntToBytes(int32_t i);
