// The dispatcher that carries every event, the readers of data points and the start-up queue.
//
// EventHook and ReadHook do nothing until ActivateHooks and again after DeactivateHooks, so
// nothing travels while schemes are built or destroyed. While active, EventHook calls the
// target and then follows ForwardEvent for as long as the called method set ForwardFlag: a
// chain of pass-through components runs as a loop and the stack stays flat.
#pragma once

#include <utility>

#include "runtime/Data.h"

using HookFn = void (*)(const THI_Event& point, TData& data);

extern HookFn EventHook;
extern HookFn ReadHook;

void ActivateHooks();
void DeactivateHooks();
bool HooksActive();

// ---- Raising events ------------------------------------------------------------------------

// The receiver gets the caller's own record: changes made downstream are seen by the caller.
inline void CallEvent(const THI_Event& point, TData& d) { EventHook(point, d); }
// The raising operations are inline: every hub output and most components raise through them.
// The receiver gets a fresh copy of d (a chain stays attached through Next).
inline void RaiseEvent(const THI_Event& point, const TData& d) {
    if (!point.Method) return;
    TData copy = d;
    EventHook(point, copy);
}

// A record the caller no longer needs moves in instead of being copied.
inline void RaiseEvent(const THI_Event& point, TData&& d) {
    if (!point.Method) return;
    TData fresh = std::move(d);
    EventHook(point, fresh);
}

inline void RaiseNull(const THI_Event& point) {
    if (!point.Method) return;
    TData d;
    EventHook(point, d);
}

inline void RaiseInteger(const THI_Event& point, int32_t i) {
    if (!point.Method) return;
    TData d;
    SetInteger(d, i);
    EventHook(point, d);
}

inline void RaiseString(const THI_Event& point, const Bytes& s) {
    if (!point.Method) return;
    TData d;
    SetString(d, s);
    EventHook(point, d);
}

// A string the caller no longer needs moves in instead of being shared.
inline void RaiseString(const THI_Event& point, Bytes&& s) {
    if (!point.Method) return;
    TData d;
    SetString(d, std::move(s));
    EventHook(point, d);
}

inline void RaiseReal(const THI_Event& point, double r) {
    if (!point.Method) return;
    TData d;
    SetReal(d, r);
    EventHook(point, d);
}

// ---- Reading data points -------------------------------------------------------------------
// With a connected point that does not answer Break the answer wins; else a non-empty default
// wins; else the first value of the current record d is taken and consumed; else the default.

void ReadRaw(TData& d, const THI_Event& point);
Bytes ReadString(TData& d, const THI_Event& point, const Bytes& def = Bytes());
int32_t ReadInteger(TData& d, const THI_Event& point, int32_t def = 0);
double ReadReal(TData& d, const THI_Event& point, double def = 0.0);
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
