// TObj: the object library's base class, with a lock counter and destroy notifications.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A TObj may be locked while in use: IncRef adds 2 to the lock counter, DecRef takes 2 off.
// Free on a locked object only marks the free as pending (bit 0 of the counter); the last
// DecRef then destroys it. Free and DecRef destroy with `delete`, so they are only for objects
// created with `new`; an object held by value is simply destroyed with its owner.
//
// At destruction OnDestroy fires once, then the cleanup pairs run in the order they were added.
// Both run from ~TObj, after the derived parts are gone (a TStrList is already cleared), so a
// handler may use the pointer it gets only to know which object went.
class TObj {
public:
    using CleanupProc = void (*)(void* argument);

    TObj() = default;
    TObj(const TObj&) = delete;
    TObj& operator=(const TObj&) = delete;
    virtual ~TObj();

    int32_t RefCount() const { return refCount_; }
    void IncRef() { refCount_ += 2; }
    // Destroys the object when a free was pending and this was the last lock.
    void DecRef();
    // Destroys the object now when it is not locked, otherwise when the last lock goes.
    void Free();

    // Calls proc(argument) when the object is destroyed, after OnDestroy.
    void AddCleanup(CleanupProc proc, void* argument) { cleanup_.emplace_back(proc, argument); }

    // The destroy event: Proc(Target, the object), fired once. Empty by default.
    struct DestroyEvent {
        void (*Proc)(void* target, TObj* sender) = nullptr;
        void* Target = nullptr;
    };
    DestroyEvent OnDestroy;

private:
    int32_t refCount_ = 0;
    std::vector<std::pair<CleanupProc, void*>> cleanup_;
};

// Free for a pointer that may be null: nothing happens then.
inline void FreeObject(TObj* obj) {
    if (obj) obj->Free();
}
