#include "runtime/THIIf_else.h"

#include <type_traits>

#include "runtime/ForwardOrEnd.h"

namespace {

// The answer of a connected point, read into `spare`, or nullptr when it answers Break.
const TData* ReadConnected(const THI_Event& point, TData& spare) {
    ReadHook(point, spare);
    spare.Next = nullptr;
    return spare.Tag() != Tag::Break ? &spare : nullptr;
}

// The operand ReadDataRef would answer for an unconnected point, looked at where it is held:
// the record goes on as it arrived, so a value the read would take from the chain is not moved
// out of it; `rest` steps past it instead, as the consuming read would. A NULL or a single
// value stays where it is, answered again, as ReadDataRef leaves it. The answer may keep its
// Next, which CompareValues never follows.
inline const TData& PeekUnconnected(const TData*& rest, const TData& def) {
    if (def.Tag() != Tag::Null) return def;
    const TData& value = *rest;
    if (value.Tag() != Tag::Null && value.Next) rest = value.Next;
    return value;
}

// The same operand for any point: a connected point's answer wins unless it is Break.
inline const TData& PeekOperand(const TData*& rest, const THI_Event& point, const TData& def, TData& spare) {
    if (point.Method) {
        if (const TData* answer = ReadConnected(point, spare)) return *answer;
    }
    return PeekUnconnected(rest, def);
}

// The spare answer record of a connected point; an unconnected one gets a byte never used.
template <bool Connected>
using Spare = std::conditional_t<Connected, TData, char>;

// One operand: a connected point is read into `spare`, else the default or the chain answers.
// An unconnected point's spare is no record at all (see Spare).
template <bool Connected, class S>
inline const TData& Operand(const TData*& rest, const THI_Event& point, const TData& def, S& spare) {
    if constexpr (Connected)
        return PeekOperand(rest, point, def, spare);
    else
        return PeekUnconnected(rest, def);
}

}  // namespace

void THIIf_else::doCompare(TData& d, uint16_t) {
    // Each pair of connected points has a function of its own, reached by a jump, so the choice
    // builds no frame and each builds only the answer records it reads into.
    if (!Op2Point.Method) {
        if (!Op1Point.Method)
            CompareWith<false, false>(d);
        else
            CompareWith<true, false>(d);
    } else if (!Op1Point.Method) {
        CompareWith<false, true>(d);
    } else {
        CompareWith<true, true>(d);
    }
}

template <bool ReadFirst, bool ReadSecond>
void THIIf_else::CompareWith(TData& d) {
    // Answer records only for connected points: with none, as when every operand is a default
    // or a value of the arriving chain, no records are built and dropped, which is most of a
    // comparison's cost.
    [[maybe_unused]] Spare<ReadFirst> spare1;
    [[maybe_unused]] Spare<ReadSecond> spare2;
    const TData* rest = &d;
    const TData& first = Operand<ReadFirst>(rest, Op1Point, Op1, spare1);
    const TData& second = Operand<ReadSecond>(rest, Op2Point, Op2, spare2);
    ForwardDataOrEnd(d, CompareValues(first, second, Type) ? onTrue : onFalse);
}
