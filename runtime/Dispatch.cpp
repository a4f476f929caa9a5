#include "runtime/Dispatch.h"

#include <utility>
#include <vector>

namespace {

// The next value of d's chain takes d's place. It is assigned straight in: it is another
// record, never d itself. Kept out of line so that Consume's common case stays small.
[[gnu::noinline]] void TakeNextInto(TData& d) { d = *d.Next; }

// Removes the first value of d: the next value of its chain takes its place, or d becomes NULL.
// Most records are single values, so Consume is inlined into every read.
inline void Consume(TData& d) {
    if (d.Next)
        TakeNextInto(d);
    else
        d.DataType = Tag::Null;
}

// Reads a connected point into a fresh NULL record; false when it answered Break.
bool ReadConnected(const THI_Event& point, TData& answer) {
    ReadHook(point, answer);
    return answer.Tag() != Tag::Break;
}

bool IsEmpty(const Bytes& s) { return s.empty(); }
bool IsEmpty(int32_t i) { return i == 0; }
bool IsEmpty(double r) { return r == 0.0; }

// The string of a record about to be dropped or consumed: a String hands over its bytes
// instead of sharing them, so the block changes owner without touching its counter.
Bytes TakeString(TData& d) { return d.Tag() == Tag::String ? std::move(d.StrValue) : ConvertedToString(d); }
// A number whose tag already fits is answered as it stands, without the conversion's call.
int32_t TakeInteger(TData& d) { return d.Tag() == Tag::Integer ? d.IntValue : ToInteger(d); }
double TakeReal(TData& d) {
    const uint8_t tag = d.Tag();
    if (tag == Tag::Real) return d.RealValue;
    if (tag == Tag::Integer) return d.IntValue;
    return ToReal(d);
}

// The read rule of ReadString, ReadInteger and ReadReal, with Take the conversion of the
// wanted kind from a record that is dropped or consumed right after: a connected point that
// does not answer Break wins; else a non-empty default; else the first value of d, taken and
// consumed; else the (empty) default.

// The rule's third step for a d that is not NULL: its first value, taken and consumed.
template <auto Take, class T>
inline T TakeFromRecord(TData& d) {
    // Consume's two cases apart: a single value, most records, is taken straight into the
    // answer, with no call after it that could see the answer and so force a temporary.
    if (!d.Next) {
        T result = Take(d);
        d.DataType = Tag::Null;
        return result;
    }
    T result = Take(d);
    TakeNextInto(d);
    return result;
}

// The rule's last two steps, all that an unconnected point goes through.
template <auto Take, class T>
inline T ReadUnconnected(TData& d, const T& def) {
    if (!IsEmpty(def) || d.Tag() == Tag::Null) return def;
    return TakeFromRecord<Take, T>(d);
}

struct InitCall {
    void* target;
    InitFn fn;
};
std::vector<InitCall>& InitQueue() {
    static std::vector<InitCall> queue;
    return queue;
}

}  // namespace

bool InitDone = false;

void ActivateHooks() { HooksOn = true; }
void DeactivateHooks() { HooksOn = false; }

void FollowForward(TData& d) {
    do {
        d.DataType &= ~ForwardFlag;
        const THI_Event* e = d.ForwardEvent;
        if (!e || !e->Method) return;
        e->Method(e->Target, d, e->Index);
    } while (d.DataType & ForwardFlag);
}

void ReadRaw(TData& d, const THI_Event& point) {
    if (point.Method)
        ReadHook(point, d);
    else
        d.DataType = Tag::Break;
}

Bytes ReadStringConnected(TData& d, const THI_Event& point, const Bytes& def) {
    TData answer;
    if (ReadConnected(point, answer)) return TakeString(answer);
    return ReadStringUnconnected(d, def);  // a Break is read past, as if unconnected
}

Bytes ReadStringUnconnected(TData& d, const Bytes& def) { return ReadUnconnected<&TakeString>(d, def); }
int32_t ReadIntegerUnconnected(TData& d, int32_t def) { return ReadUnconnected<&TakeInteger>(d, def); }
double ReadRealUnconnected(TData& d, double def) { return ReadUnconnected<&TakeReal>(d, def); }

void* ReadStream(TData& d, const THI_Event& point, void* def) {
    if (point.Method) {
        TData answer;
        if (ReadConnected(point, answer)) return answer.Tag() == Tag::Stream ? answer.Ref : nullptr;
    }
    if (def) return def;
    if (d.Tag() == Tag::Stream) {
        void* result = d.Ref;
        Consume(d);
        return result;
    }
    return def;
}

TData ReadData(TData& d, const THI_Event& point, const TData* def) {
    // Every step answers through this one record, so it is built where the caller wants the
    // answer and the point's answer, the common case, is never copied there.
    TData answer;
    if (point.Method) {
        ReadHook(point, answer);
        answer.Next = nullptr;
        if (answer.Tag() != Tag::Break) return answer;
    }
    if (def && def->Tag() != Tag::Null) {
        answer = *def;
        answer.Next = nullptr;
    } else {
        answer = TakeValue(d);
    }
    return answer;
}

TArrayIntf* ReadArray(const THI_Event& point) {
    TData answer;
    if (point.Method) ReadHook(point, answer);
    return answer.Tag() == Tag::Array ? static_cast<TArrayIntf*>(answer.Ref) : nullptr;
}

int32_t PullInteger(const THI_Event& point) {
    TData answer;
    if (point.Method) ReadHook(point, answer);
    return TakeInteger(answer);
}

Bytes PullString(const THI_Event& point) {
    TData answer;
    if (point.Method) ReadHook(point, answer);
    return TakeString(answer);
}

// ReadData's third step alone: no point to read, no default.
TData TakeValue(TData& d) {
    if (d.Next && d.Tag() != Tag::Null) {
        // d is consumed: its first value moves out rather than being shared and then dropped.
        TData result = std::move(d);
        d = *result.Next;
        result.Next = nullptr;
        return result;
    }
    TData result = d;
    result.Next = nullptr;
    if (d.Tag() == Tag::Null) d.Next = nullptr;
    return result;
}

void SkipValue(TData& d) {
    if (d.Tag() == Tag::Null)
        d.Next = nullptr;
    else if (d.Next)
        Consume(d);
}

void AddInit(void* target, InitFn fn) { InitQueue().push_back({target, fn}); }

void RunInitQueue() {
    // A queued call may build an on-demand scheme that queues more calls; take them in order.
    auto& queue = InitQueue();
    for (size_t i = 0; i < queue.size(); ++i) {
        InitCall call = queue[i];
        call.fn(call.target);
    }
    queue.clear();
    InitDone = true;
}
