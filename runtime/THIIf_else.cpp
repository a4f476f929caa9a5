#include "runtime/THIIf_else.h"

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

}  // namespace

void THIIf_else::doCompare(TData& d, uint16_t) {
    // Both ways are calls of their own, so the choice between them builds no frame.
    if (Op1Point.Method || Op2Point.Method)
        CompareRead(d);
    else
        CompareDefaults(d);
}

void THIIf_else::CompareDefaults(TData& d) {
    // Both operands are defaults or the arriving chain's values: no answer records are built
    // and dropped, which is most of a comparison's cost.
    const TData* rest = &d;
    const TData& first = PeekUnconnected(rest, Op1);
    const TData& second = PeekUnconnected(rest, Op2);
    ForwardData(d, CompareValues(first, second, Type) ? onTrue : onFalse);
}

void THIIf_else::CompareRead(TData& d) {
    const TData* rest = &d;
    // A single connected point, the usual case, builds a single answer record.
    if (!Op2Point.Method) {
        TData spare;
        const TData& first = PeekOperand(rest, Op1Point, Op1, spare);
        const TData& second = PeekUnconnected(rest, Op2);
        ForwardData(d, CompareValues(first, second, Type) ? onTrue : onFalse);
        return;
    }
    if (!Op1Point.Method) {
        TData spare;
        const TData& first = PeekUnconnected(rest, Op1);
        const TData& second = PeekOperand(rest, Op2Point, Op2, spare);
        ForwardData(d, CompareValues(first, second, Type) ? onTrue : onFalse);
        return;
    }
    TData spare1, spare2;
    const TData& first = PeekOperand(rest, Op1Point, Op1, spare1);
    const TData& second = PeekOperand(rest, Op2Point, Op2, spare2);
    ForwardData(d, CompareValues(first, second, Type) ? onTrue : onFalse);
}
