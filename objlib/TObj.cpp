#include "objlib/TObj.h"

TObj::~TObj() {
    if (OnDestroy.Proc) {
        const DestroyEvent handler = OnDestroy;
        OnDestroy = {};
        handler.Proc(handler.Target, this);
    }
    for (auto& [proc, argument] : cleanup_) proc(argument);
}

void TObj::DecRef() {
    refCount_ -= 2;
    if (refCount_ < 0 && (refCount_ & 1)) delete this;
}

void TObj::Free() {
    if (refCount_ == 0) {
        delete this;
        return;
    }
    if (refCount_ & 1) return;  // a free is already pending
    refCount_ -= 1;
}
