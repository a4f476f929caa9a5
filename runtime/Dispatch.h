// The dispatcher that carries every event, the readers of data points and the start-up queue.
//
// EventHook and ReadHook do nothing until ActivateHooks and again after DeactivateHooks, so
// nothing travels while schemes are built or destroyed. While active, EventHook calls the
// target and then follows ForwardEvent for as long as the called method set ForwardFlag: a
// chain of pass-through components runs as a loop and the stack stays flat.
#pragma once

#include <utility>

#include "runtime/Data.h"

// Whether the hooks are active: set by ActivateHooks, cleared by DeactivateHooks.
inline bool HooksOn = false;

void ActivateHooks();
void DeactivateHooks();
inline bool HooksActive() { return HooksOn; }

// The rest of a dispatch whose called method set ForwardFlag on d: the loop over ForwardEvent.
void FollowForward(TData& d);

// The hooks are inline, and so is the first call of a dispatch: every event and every read of
// a connected point goes through them, and most dispatches end with that call.

// Whether EventHook would call anything for the point.
inline bool WillDispatch(const THI_Event& point) { return HooksOn && point.Method; }

// EventHook once WillDispatch has said yes.
inline void DispatchTo(const THI_Event& point, TData& d) {
    point.Method(point.Target, d, point.Index);
    if (d.DataType & ForwardFlag) FollowForward(d);
}

inline void EventHook(const THI_Event& point, TData& d) {
    if (WillDispatch(point)) DispatchTo(point, d);
}

// The forward bit is not looked at.
inline void ReadHook(const THI_Event& point, TData& d) {
    if (HooksOn && point.Method) point.Method(point.Target, d, point.Index);
}

// ---- Raising events ------------------------------------------------------------------------

// The receiver gets the caller's own record: changes made downstream are seen by the caller.
inline void CallEvent(const THI_Event& point, TData& d) { EventHook(point, d); }
// The raising operations are inline: every hub output and most components raise through them.
// They build no record for an event that would not travel.
// The receiver gets a fresh copy of d (a chain stays attached through Next).
inline void RaiseEvent(const THI_Event& point, const TData& d) {
    if (!WillDispatch(point)) return;
    TData copy = d;
    DispatchTo(point, copy);
}

// A record the caller no longer needs moves in instead of being copied.
inline void RaiseEvent(const THI_Event& point, TData&& d) {
    if (!WillDispatch(point)) return;
    TData fresh = std::move(d);
    DispatchTo(point, fresh);
}

inline void RaiseNull(const THI_Event& point) {
    if (!WillDispatch(point)) return;
    TData d;
    DispatchTo(point, d);
}

inline void RaiseInteger(const THI_Event& point, int32_t i) {
    if (!WillDispatch(point)) return;
    TData d;
    SetInteger(d, i);
    DispatchTo(point, d);
}

inline void RaiseString(const THI_Event& point, const Bytes& s) {
    if (!WillDispatch(point)) return;
    TData d;
    SetString(d, s);
    DispatchTo(point, d);
}

// A string the caller no longer needs moves in instead of being shared.
inline void RaiseString(const THI_Event& point, Bytes&& s) {
    if (!WillDispatch(point)) return;
    TData d;
    SetString(d, std::move(s));
    DispatchTo(point, d);
}

inline void RaiseReal(const THI_Event& point, double r) {
    if (!WillDispatch(point)) return;
    TData d;
    SetReal(d, r);
    DispatchTo(point, d);
}

// ---- Reading data points -------------------------------------------------------------------
// With a connected point that does not answer Break the answer wins; else a non-empty default
// wins; else the first value of the current record d is taken and consumed; else the default.

void ReadRaw(TData& d, const THI_Event& point);

// The empty default of a string read that has none, built once: a read takes its default by
// reference, and a reference to this one stays valid.
inline const Bytes kNoString;

// ReadString, ReadInteger and ReadReal are inline for their common cases: an unconnected point
// that answers its default or takes a single value of the wanted kind, and a number read from
// a connected point. The rest of the rule is out of line: the string read of a connected
// point, whose answer record would weigh on every caller's frame, and the conversions and
// chains of the last two steps.
Bytes ReadStringConnected(TData& d, const THI_Event& point, const Bytes& def);
Bytes ReadStringUnconnected(TData& d, const Bytes& def);
int32_t ReadIntegerUnconnected(TData& d, int32_t def);
double ReadRealUnconnected(TData& d, double def);

// The rule's last two steps, for an unconnected point or one that answered Break: a non-empty
// default, else the first value of d, taken and consumed, else the empty default.
inline Bytes ReadStringFromRecord(TData& d, const Bytes& def) {
    if (def.empty() && d.DataType == Tag::String && !d.Next) {
        Bytes result = std::move(d.StrValue);  // consumed: the bytes change owner
        d.DataType = Tag::Null;
        return result;
    }
    return ReadStringUnconnected(d, def);
}

inline int32_t ReadIntegerFromRecord(TData& d, int32_t def) {
    if (def != 0) return def;
    if (d.DataType == Tag::Integer && !d.Next) {
        d.DataType = Tag::Null;
        return d.IntValue;
    }
    return ReadIntegerUnconnected(d, def);
}

inline double ReadRealFromRecord(TData& d, double def) {
    if (def != 0.0) return def;
    if (!d.Next) {
        if (d.DataType == Tag::Integer) {
            d.DataType = Tag::Null;
            return d.IntValue;
        }
        if (d.DataType == Tag::Real) {
            d.DataType = Tag::Null;
            return d.RealValue;
        }
    }
    return ReadRealUnconnected(d, def);
}

inline Bytes ReadString(TData& d, const THI_Event& point, const Bytes& def = kNoString) {
    if (point.Method) return ReadStringConnected(d, point, def);
    return ReadStringFromRecord(d, def);
}

inline int32_t ReadInteger(TData& d, const THI_Event& point, int32_t def = 0) {
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() == Tag::Integer) return answer.IntValue;
        if (answer.Tag() != Tag::Break) return ToInteger(answer);
    }
    return ReadIntegerFromRecord(d, def);
}

inline double ReadReal(TData& d, const THI_Event& point, double def = 0.0) {
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() == Tag::Real) return answer.RealValue;
        if (answer.Tag() == Tag::Integer) return answer.IntValue;
        if (answer.Tag() != Tag::Break) return ToReal(answer);
    }
    return ReadRealFromRecord(d, def);
}

void* ReadStream(TData& d, const THI_Event& point, void* def = nullptr);
// Like the others, but a single unchained non-NULL d is left as it was (read twice, same value).
TData ReadData(TData& d, const THI_Event& point, const TData* def = nullptr);
TArrayIntf* ReadArray(const THI_Event& point);
int32_t PullInteger(const THI_Event& point);
Bytes PullString(const THI_Event& point);
// The first value of d itself, consumed.
TData TakeValue(TData& d);
// Consumes the first value of d as TakeValue does, for a caller that has already looked at it.
void SkipValue(TData& d);

// ---- Start-up queue ------------------------------------------------------------------------

using InitFn = void (*)(void* target);

extern bool InitDone;
void AddInit(void* target, InitFn fn);
// Calls every queued method in order of addition, empties the queue, sets InitDone.
void RunInitQueue();

template <class C, auto Method>
void InitThunk(void* target) {
    using Owner = typename MemberOf<decltype(Method)>::Class;
    Owner* owner = static_cast<C*>(target);
    (owner->*Method)();
}

// Queues the parameterless `Method` of `target`.
template <auto Method, class C>
void AddInit(C& target) {
    AddInit(&target, &InitThunk<C, Method>);
}
